#include "Usuarios.h"

#include "ui/common/Biblioteca.h"

namespace acesso {

void SetLoginStatement(ds::Query &q)
{
    q.clearSql();
    q.addSql(QStringLiteral(
        "SELECT FIRST 1 ID, NOME, SENHA, MASTER, SISTEMA FROM SORQUIL WHERE NOME = :NOME AND SENHA = :SENHA"));
}

bool OpenLoginUser(ds::Query &q, const QString &name, const QString &password)
{
    q.close();
    q.param(QStringLiteral("NOME")).setString(name.trimmed().toUpper());
    q.param(QStringLiteral("SENHA")).setString(password.trimmed().toUpper());
    q.open();
    if (q.isEmpty()) {
        q.close();
        return false;
    }
    return true;
}

void OpenUsersByName(ds::Query &sorquil)
{
    sorquil.clearSql();
    sorquil.addSql(QStringLiteral("select * from Sorquil order by nome"));
    sorquil.open();
    sorquil.first();
}

void OpenUserList(ds::Query &sorquil)
{
    sorquil.clearSql();
    sorquil.addSql(QStringLiteral("select  * from sorquil"));
    sorquil.open();
    sorquil.first();
}

int InsertBlankUser(ds::Query &atualiza)
{
    atualiza.clearSql();
    atualiza.addSql(QStringLiteral("insert into sorquil (id) values (GEN_ID(SENHA,1))"));
    atualiza.execSql();
    atualiza.clearSql();
    atualiza.addSql(QStringLiteral("SELECT GEN_ID(SENHA,0) AS id FROM GeraID"));
    atualiza.open();
    return atualiza.field(QStringLiteral("id")).asInteger();
}

void SaveUser(ds::Query &atualiza, int id, const QString &name, const QString &password, int accessType)
{
    using ui::quotedSql;
    atualiza.clearSql();
    atualiza.addSql(QStringLiteral("update sorquil set nome = ") + quotedSql(name) + QStringLiteral(", master = ")
                    + quotedSql(QStringLiteral("N")) + QStringLiteral(",senha = ") + quotedSql(password)
                    + QStringLiteral(", sistema = ") + quotedSql(QString::number(accessType))
                    + QStringLiteral(" where id = ") + quotedSql(QString::number(id)));
    atualiza.execSql();
}

void SaveNameAndPassword(ds::Query &atualiza, int id, const QString &name, const QString &password)
{
    atualiza.clearSql();
    atualiza.addSql(QStringLiteral("update SORQUIL set NOME = :NOME, SENHA = :SENHA where ID = :ID"));
    atualiza.param(QStringLiteral("NOME")).setString(name);
    atualiza.param(QStringLiteral("SENHA")).setString(password);
    atualiza.param(QStringLiteral("ID")).setInteger(id);
    atualiza.execSql();
}

void DeleteUser(ds::Query &atualiza, int id)
{
    atualiza.clearSql();
    atualiza.addSql(QStringLiteral("delete from sorquil where id = ") + ui::quotedSql(QString::number(id)));
    atualiza.execSql();
}

} // namespace acesso
