#include "Query.h"

namespace ds {

void Param::setInteger(qint32 v) { m_query->bind(m_name, db::BoundValue::integer(v)); }
void Param::setLargeInt(qint64 v) { m_query->bind(m_name, db::BoundValue::bigInt(v)); }
void Param::setFloat(float v) { m_query->bind(m_name, db::BoundValue::floating(v)); }
void Param::setDouble(double v) { m_query->bind(m_name, db::BoundValue::dbl(v)); }
void Param::setDecimal(const db::Decimal &v) { m_query->bind(m_name, db::BoundValue::decimal(v)); }
void Param::setString(const QString &v) { m_query->bind(m_name, db::BoundValue::string(v)); }
void Param::setDate(const QDate &v) { m_query->bind(m_name, db::BoundValue::date(v)); }
void Param::setTime(const QTime &v) { m_query->bind(m_name, db::BoundValue::time(v)); }
void Param::setDateTime(const QDateTime &v) { m_query->bind(m_name, db::BoundValue::timestamp(v)); }
void Param::setBoolean(bool v) { m_query->bind(m_name, db::BoundValue::boolean(v)); }
void Param::clear() { m_query->bind(m_name, db::BoundValue::null()); }

Query::Query(db::Connection &connection, QObject *parent) : Dataset(connection, parent) {}

void Query::clearSql()
{
    close();
    m_lines.clear();
    m_params.clear();
}

void Query::addSql(const QString &line) { m_lines << line; }

void Query::setSql(const QString &text)
{
    clearSql();
    m_lines = text.split(u'\n');
}

void Query::bind(const QString &name, const db::BoundValue &value) { m_params.insert(name.toUpper(), value); }

void Query::open()
{
    close();
    setResult(connection().execute(sql(), m_params));
}

void Query::execSql()
{
    close();
    db::ResultSet rs = connection().execute(sql(), m_params);
    m_rowsAffected = rs.rowsAffected;
    if (!rs.rows.isEmpty())
        setResult(std::move(rs));
}

void Query::refresh()
{
    const int row = currentRow();
    db::ResultSet rs = connection().execute(sql(), m_params);
    setResult(std::move(rs));
    if (row >= 0)
        setCurrent(row);
}

} // namespace ds
