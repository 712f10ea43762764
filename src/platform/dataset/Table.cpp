#include "Table.h"

#include <QSet>

namespace ds {

namespace {
QString quotedName(const QString &name)
{
    // Column and table names come from the database's own description, never from input.
    return name.toUpper();
}
} // namespace

Table::Table(db::Connection &connection, const QString &tableName, const QString &keyField, QObject *parent)
    : Query(connection, parent), m_table(tableName.toUpper()), m_key(keyField.toUpper())
{
}

void Table::setState(State s)
{
    if (s == m_state)
        return;
    m_state = s;
    emit stateChanged(s);
}

void Table::open()
{
    setSql(QStringLiteral("select * from %1%2")
               .arg(m_table, m_key.isEmpty() ? QString() : QStringLiteral(" order by ") + m_key));
    Query::open();
    m_changed.clear();
    setState(State::Browse);
}

void Table::close()
{
    Query::close();
    m_changed.clear();
    m_original.clear();
    setState(State::Inactive);
}

void Table::insert()
{
    if (m_state == State::Insert || m_state == State::Edit)
        cancel();
    QList<QVariant> blank;
    for (int i = 0; i < fieldCount(); ++i)
        blank << QVariant();
    rows().append(blank);
    const int row = recordCount() - 1;
    m_changed.clear();
    emit rowInserted(row);
    setState(State::Insert);
    setCurrent(row);
}

void Table::edit()
{
    if (m_state != State::Browse || currentRow() < 0)
        return;
    m_original = rowValues(currentRow());
    m_changed.clear();
    setState(State::Edit);
}

void Table::setValue(const QString &fieldName, const QVariant &value)
{
    const int col = fieldIndex(fieldName);
    if (col < 0)
        throw db::DbError(QStringLiteral("Campo %1 não encontrado").arg(fieldName));
    if (m_state == State::Browse)
        edit();
    if (m_state != State::Insert && m_state != State::Edit)
        throw db::DbError(QStringLiteral("A tabela %1 não está em edição").arg(m_table));
    rowValues(currentRow())[col] = value;
    m_changed.insert(col);
    emit rowChanged(currentRow());
}

void Table::post()
{
    if (m_state != State::Insert && m_state != State::Edit)
        return;
    const int row = currentRow();
    const QList<QVariant> &values = rowValues(row);
    QStringList names, placeholders;
    db::Params params;
    QList<int> cols(m_changed.begin(), m_changed.end());
    std::sort(cols.begin(), cols.end());
    for (int c : cols) {
        const db::Column &col = column(c);
        if (col.relation.isEmpty())
            continue; // computed or calculated
        const QString p = QStringLiteral("P%1").arg(c);
        names << quotedName(col.field);
        placeholders << u':' + p;
        params.insert(p, boundForColumn(col, values[c]));
    }
    QString sql;
    if (m_state == State::Insert) {
        if (names.isEmpty())
            throw db::DbError(QStringLiteral("Nada a gravar em %1").arg(m_table));
        sql = QStringLiteral("insert into %1 (%2) values (%3)").arg(m_table, names.join(u','), placeholders.join(u','));
    } else {
        if (names.isEmpty()) {
            setState(State::Browse);
            return;
        }
        QStringList sets;
        for (int i = 0; i < names.size(); ++i)
            sets << names[i] + QStringLiteral(" = ") + placeholders[i];
        sql = QStringLiteral("update %1 set %2").arg(m_table, sets.join(QStringLiteral(", ")));
        if (!m_key.isEmpty()) {
            const int k = fieldIndex(m_key);
            sql += QStringLiteral(" where %1 = :OLD_KEY").arg(m_key);
            params.insert(QStringLiteral("OLD_KEY"), boundForColumn(column(k), m_original.value(k)));
        }
    }
    connection().execute(sql, params);
    m_changed.clear();
    m_original.clear();
    setState(State::Browse);
    emit rowChanged(row);
}

void Table::cancel()
{
    const int row = currentRow();
    if (m_state == State::Insert && row >= 0) {
        rows().removeAt(row);
        emit rowRemoved(row);
        setCurrent(row - 1);
    } else if (m_state == State::Edit && row >= 0) {
        rowValues(row) = m_original;
        emit rowChanged(row);
    }
    m_changed.clear();
    m_original.clear();
    if (m_state != State::Inactive)
        setState(State::Browse);
}

void Table::remove()
{
    if (m_state == State::Insert || m_state == State::Edit)
        cancel();
    const int row = currentRow();
    if (row < 0)
        return;
    const int k = fieldIndex(m_key);
    if (k < 0)
        throw db::DbError(QStringLiteral("A tabela %1 não tem a chave %2").arg(m_table, m_key));
    db::Params params;
    params.insert(QStringLiteral("KEY"), boundForColumn(column(k), value(row, k)));
    connection().execute(QStringLiteral("delete from %1 where %2 = :KEY").arg(m_table, m_key), params);
    rows().removeAt(row);
    emit rowRemoved(row);
    setCurrent(std::min(row, recordCount() - 1));
}

} // namespace ds
