#pragma once

#include "Query.h"

#include <QSet>

namespace ds {

// A whole table read into a dataset, edited row by row as the register screens do:
// insert or edit, set values, then post (written at once) or cancel; remove deletes
// the current row at once. Rows are found again by their key column.
class Table : public Query
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Insert, Edit };

    Table(db::Connection &connection, const QString &tableName, const QString &keyField = QStringLiteral("ID"),
          QObject *parent = nullptr);

    QString tableName() const { return m_table; }
    State state() const { return m_state; }

    void close() override;
    void open();      // "select * from <table> order by <key>"
    void insert();    // a blank row after the last, current and in Insert state
    void edit();      // current row into Edit state
    // Changes a value of the current row, entering Edit state when browsing.
    void setValue(const QString &fieldName, const QVariant &value);
    void post();      // writes the row; throws DbError and keeps the edit when it fails
    void cancel();    // forgets unsaved changes (and the blank row of an insert)
    void remove();    // deletes the current row at once; throws DbError

signals:
    void stateChanged(ds::Table::State state);

private:
    void setState(State s);

    QString m_table;
    QString m_key;
    State m_state = State::Inactive;
    QList<QVariant> m_original; // the row as stored, during Edit
    QSet<int> m_changed;        // columns set during Insert or Edit
};

} // namespace ds
