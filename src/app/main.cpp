// trevandoria: the front-desk program.

#include "platform/db/Connection.h"
#include "platform/db/Credentials.h"
#include "platform/db/FirebirdEnvironment.h"
#include "site/Home.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevandoria"));
    db::prepareFirebirdEnvironment(QCoreApplication::applicationDirPath());

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Pasta do site."), QStringLiteral("PASTA"));
    const QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"),
                                           QStringLiteral("Sai assim que a primeira janela aparece (testes e medições)."));
    parser.addOptions({home, quitWhenShown});
    parser.process(app);

    db::Connection connection;
    connection.setDatabase(site::databasePath(site::resolveHome(parser.value(home))));
    connection.setCredentials(db::kUser, db::kPassword);
    try {
        connection.open();
    } catch (const db::DbError &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Trevandoria"), e.message());
        return 1;
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Trevandoria"));
    window.resize(1024, 700);
    window.show();
    if (parser.isSet(quitWhenShown))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
