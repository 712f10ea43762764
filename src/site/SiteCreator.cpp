#include "SiteCreator.h"

#include "DemoData.h"
#include "Home.h"
#include "SchemaScript.h"
#include "platform/db/Connection.h"
#include "platform/db/Credentials.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace site {

using db::BoundValue;

namespace {

void checkLength(const QString &what, const QString &value, int max)
{
    if (value.size() > max)
        throw SiteError(QStringLiteral("%1 tem %2 caracteres; o máximo é %3.").arg(what).arg(value.size()).arg(max));
}

// The nearest folder that exists, to test where the home can be created.
QString existingAncestor(const QString &path)
{
    QFileInfo info(path);
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            break;
        info = QFileInfo(parent);
    }
    return info.absoluteFilePath();
}

// Removes the folders made for the home, from the home up to the one that existed.
void removeCreatedFolders(const QString &home, const QString &existed)
{
    QString dir = home;
    while (dir != existed && dir.startsWith(existed) && QDir().rmdir(dir))
        dir = QFileInfo(dir).absolutePath();
}

} // namespace

void validate(const SiteOptions &o)
{
    if (o.home.trimmed().isEmpty())
        throw SiteError(QStringLiteral("Informe a pasta do site (--home)."));
    static const QRegularExpression twoLetters(QStringLiteral("^[A-Za-z]{2}$"));
    if (!o.state.isEmpty() && !twoLetters.match(o.state).hasMatch())
        throw SiteError(QStringLiteral("Estado \"%1\" inválido: use a sigla de duas letras (ex.: SP).").arg(o.state));
    if (o.company.trimmed().isEmpty())
        throw SiteError(QStringLiteral("Informe o nome da empresa."));
    checkLength(QStringLiteral("O nome da empresa"), o.company.trimmed(), 40);
    checkLength(QStringLiteral("O endereço"), o.address.trimmed(), 40);
    checkLength(QStringLiteral("A cidade"), o.city.trimmed(), 20);
    if (o.user.trimmed().isEmpty() || o.password.trimmed().isEmpty())
        throw SiteError(QStringLiteral("Informe o usuário e a senha."));
    checkLength(QStringLiteral("O usuário"), o.user.trimmed(), 15);
    checkLength(QStringLiteral("A senha"), o.password.trimmed(), 10);
}

void createSite(const SiteOptions &o, const std::function<void(const QString &)> &progress)
{
    auto say = [&](const QString &s) {
        if (progress)
            progress(s);
    };
    validate(o);
    const QString home = QFileInfo(o.home).absoluteFilePath();
    const QString dbPath = databasePath(home);
    if (QFileInfo::exists(dbPath))
        throw SiteError(QStringLiteral("Já existe um banco de dados em %1; nada foi alterado.").arg(dbPath));
    if (QFileInfo::exists(home) && !QFileInfo(home).isDir())
        throw SiteError(QStringLiteral("%1 existe e não é uma pasta.").arg(home));

    const QString ancestor = existingAncestor(home);
    {
        // Probe the folder that will hold the file: a clear message beats Firebird's I/O error.
        const QFileInfo a(ancestor);
        if (!a.isDir() || !a.isWritable())
            throw SiteError(QStringLiteral("Sem permissão para escrever em %1.").arg(ancestor));
    }
    if (!QDir().mkpath(home))
        throw SiteError(QStringLiteral("Não foi possível criar a pasta %1.").arg(home));
    {
        QTemporaryFile probe(home + QStringLiteral("/.probe-XXXXXX"));
        if (!probe.open()) {
            removeCreatedFolders(home, ancestor);
            throw SiteError(QStringLiteral("Sem permissão para escrever em %1.").arg(home));
        }
    }

    bool created = false;
    try {
        say(QStringLiteral("Criando o banco de dados %1").arg(dbPath));
        db::Connection::createDatabase(dbPath, db::kUser, db::kPassword);
        created = true;

        db::Connection conn;
        conn.setDatabase(dbPath);
        conn.setCredentials(db::kUser, db::kPassword);
        const QStringList statements = schemaStatements();
        say(QStringLiteral("Criando as tabelas (%1 comandos)").arg(statements.size()));
        for (const QString &sql : statements)
            conn.execute(sql);

        say(QStringLiteral("Gravando a empresa e o usuário"));
        conn.execute(QStringLiteral("insert into EMPRESA (EMPRESA, ENDERECO, CIDADE, ESTADO, TIPOTAXA, TAXA, PORDIARIA, "
                                    "OPCAO, TIPO, IMPRESSORA, CAIXA, TOLERANCA) values (:EMPRESA, :ENDERECO, :CIDADE, "
                                    ":ESTADO, 0, 0, 0, 0, 0, 'Visualizar', 0, 0)"),
                     {{QStringLiteral("EMPRESA"), BoundValue::string(o.company.trimmed().toUpper())},
                      {QStringLiteral("ENDERECO"), BoundValue::string(o.address.trimmed().toUpper())},
                      {QStringLiteral("CIDADE"), BoundValue::string(o.city.trimmed().toUpper())},
                      {QStringLiteral("ESTADO"), BoundValue::string(o.state.trimmed().toUpper())}});
        conn.execute(QStringLiteral("insert into SORQUIL (ID, NOME, SENHA, MASTER, SISTEMA) "
                                    "values (GEN_ID(SENHA,1), :NOME, :SENHA, 'S', 0)"),
                     {{QStringLiteral("NOME"), BoundValue::string(o.user.trimmed().toUpper())},
                      {QStringLiteral("SENHA"), BoundValue::string(o.password.trimmed().toUpper())}});
        if (o.demo) {
            say(QStringLiteral("Gravando a pousada de demonstração"));
            insertDemoData(conn);
        }
        conn.close();
        say(QStringLiteral("Site criado em %1").arg(home));
    } catch (const db::DbError &e) {
        if (created)
            QFile::remove(dbPath);
        removeCreatedFolders(home, ancestor);
        throw SiteError(QStringLiteral("Falha ao criar o site: %1").arg(e.message()));
    }
}

} // namespace site
