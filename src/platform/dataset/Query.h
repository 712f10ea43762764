#pragma once

#include "Dataset.h"

namespace ds {

class Query;

// A named parameter of a query, set with its type as the statement expects it.
class Param
{
public:
    Param(Query *query, const QString &name) : m_query(query), m_name(name) {}
    void setInteger(qint32 v);
    void setLargeInt(qint64 v);
    void setFloat(float v);
    void setDouble(double v);
    void setDecimal(const db::Decimal &v);
    void setString(const QString &v);
    void setDate(const QDate &v);
    void setTime(const QTime &v);
    void setDateTime(const QDateTime &v);
    void setBoolean(bool v);
    void clear(); // null

private:
    Query *m_query;
    QString m_name;
};

// A statement kept as lines of text, with parameters bound by name, run on the
// shared connection: open() for rows, execSql() for everything else.
class Query : public Dataset
{
    Q_OBJECT
public:
    explicit Query(db::Connection &connection, QObject *parent = nullptr);

    // Closes the query and forgets the statement and its parameters.
    void clearSql();
    void addSql(const QString &line);
    void setSql(const QString &text);
    QString sql() const { return m_lines.join(u'\n'); }

    Param param(const QString &name) { return Param(this, name); }
    void bind(const QString &name, const db::BoundValue &value);
    const db::Params &params() const { return m_params; }

    // Runs the statement and reads its rows; throws DbError.
    void open();
    // Runs a statement that returns no rows (or one, like an insert ... returning); throws DbError.
    void execSql();
    // Runs the statement again with the same parameters, keeping the current row by position.
    void refresh();
    qint64 rowsAffected() const { return m_rowsAffected; }

private:
    QStringList m_lines;
    db::Params m_params;
    qint64 m_rowsAffected = -1;
};

} // namespace ds
