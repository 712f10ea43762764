#include "Empresa.h"

#include "platform/dataset/Query.h"
#include "ui/common/Biblioteca.h"

namespace data {

bool CompanyColumnExists(ds::Query &q, const QString &table, const QString &column)
{
    q.clearSql();
    q.addSql(QStringLiteral("select * from rdb$relation_fields  where RDB$RELATION_FIELDS.rdb$relation_name = ")
             + ui::quotedSql(table) + QStringLiteral(" AND  RDB$RELATION_FIELDS.RDB$FIELD_NAME = ")
             + ui::quotedSql(column));
    q.open();
    const bool exists = !q.isEmpty();
    q.close();
    return exists;
}

void AddCompanyColumn(ds::Query &q, const QString &table, const QString &column, const QString &type)
{
    q.clearSql();
    q.addSql(QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD ") + column + u' ' + type);
    q.execSql();
}

void OpenFirstCompanyRow(ds::Query &q)
{
    q.clearSql();
    q.addSql(QStringLiteral("select first 1 * from empresa"));
    q.open();
}

} // namespace data
