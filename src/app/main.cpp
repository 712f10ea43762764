// trevandoria: the front-desk program.

#include "data/TLogon.h"
#include "platform/db/FirebirdEnvironment.h"
#include "site/Home.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevandoria"));
    db::prepareFirebirdEnvironment(QCoreApplication::applicationDirPath());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Trevandoria: recepção da pousada."));
    parser.addHelpOption();
    const QCommandLineOption home(
        QStringLiteral("home"),
        QStringLiteral("Pasta do site (padrão: $TREVANDORIA_HOME, senão %1).").arg(site::defaultHome()),
        QStringLiteral("PASTA"));
    const QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"),
                                           QStringLiteral("Sai assim que a janela principal aparece (medições)."));
    parser.addOptions({home, quitWhenShown});
    parser.process(app);

    data::TLogon logon(site::resolveHome(parser.value(home)));
    logon.DataModuleCreate();
    if (logon.endRequested())
        return logon.exitCode();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Trevandoria"));
    window.resize(1024, 700);
    window.show();
    if (parser.isSet(quitWhenShown))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
