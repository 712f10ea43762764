// trevandoria-site: creates a site (home folder and database) for the program.

#include "platform/db/FirebirdEnvironment.h"
#include "site/Home.h"
#include "site/SiteCreator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("trevandoria-site"));
    db::prepareFirebirdEnvironment(QCoreApplication::applicationDirPath());
    QTextStream out(stdout), err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Cria o site do Trevandoria: a pasta do site e o banco DBTrevandoria.FDB.\n\n"
        "Uso: trevandoria-site create --home PASTA [opções]\n\n"
        "Recusa um banco que já existe e nunca apaga dados. Pode ser usado com o programa aberto\n"
        "no mesmo computador (motor embarcado em modo SuperClassic)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("create"), QStringLiteral("Cria o site."));
    const QCommandLineOption home(QStringLiteral("home"),
                                  QStringLiteral("Pasta do site (padrão: $TREVANDORIA_HOME, senão %1).")
                                      .arg(site::defaultHome()),
                                  QStringLiteral("PASTA"));
    const QCommandLineOption company(QStringLiteral("company"), QStringLiteral("Nome da empresa (até 40 caracteres)."),
                                     QStringLiteral("NOME"), QStringLiteral("MINHA POUSADA"));
    const QCommandLineOption address(QStringLiteral("address"), QStringLiteral("Endereço (até 40 caracteres)."),
                                     QStringLiteral("TEXTO"));
    const QCommandLineOption city(QStringLiteral("city"), QStringLiteral("Cidade (até 20 caracteres)."),
                                  QStringLiteral("TEXTO"));
    const QCommandLineOption state(QStringLiteral("state"), QStringLiteral("Estado: sigla de duas letras (ex.: RJ)."),
                                   QStringLiteral("UF"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  QStringLiteral("Usuário com acesso total (até 15 caracteres; guardado em maiúsculas)."),
                                  QStringLiteral("NOME"), QStringLiteral("ADMIN"));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("Senha desse usuário (até 10 caracteres; guardada em maiúsculas)."),
                                      QStringLiteral("SENHA"), QStringLiteral("ADMIN"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Acrescenta uma pousada de demonstração: categorias, quartos, formas de "
                                                 "pagamento, produtos com estoque, hóspedes e um convênio."));
    parser.addOptions({home, company, address, city, state, user, password, demo});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 1 || args.first() != QLatin1String("create")) {
        err << "Uso: trevandoria-site create --home PASTA [opções]  (veja --help)\n";
        return 2;
    }

    site::SiteOptions o;
    o.home = site::resolveHome(parser.value(home));
    o.company = parser.value(company);
    o.address = parser.value(address);
    o.city = parser.value(city);
    o.state = parser.value(state);
    o.user = parser.value(user);
    o.password = parser.value(password);
    o.demo = parser.isSet(demo);
    try {
        site::createSite(o, [&](const QString &line) { out << line << '\n' << Qt::flush; });
    } catch (const site::SiteError &e) {
        err << "trevandoria-site: " << e.message() << '\n';
        return 1;
    }
    return 0;
}
