// trevandoria: the front-desk program.

#include "data/TLogon.h"
#include "platform/db/FirebirdEnvironment.h"
#include "site/Home.h"
#include "ui/main/TFormPrincipal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

namespace {

// Ends the program as soon as its first window is on screen (start-up timing).
class QuitWhenShown : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        return false;
    }
};

} // namespace

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
                                           QStringLiteral("Sai assim que a primeira janela aparece (medições)."));
    parser.addOptions({home, quitWhenShown});
    parser.process(app);

    QuitWhenShown quitter;
    if (parser.isSet(quitWhenShown))
        app.installEventFilter(&quitter);

    data::TLogon logon(site::resolveHome(parser.value(home)));
    logon.DataModuleCreate();
    if (logon.endRequested())
        return logon.exitCode();

    ui::TFormPrincipal window;
    if (!window.FormCreate())
        return 0;
    // Without a window manager "maximised" means nothing: take the screen's work area too.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
