#pragma once

#include "platform/db/Connection.h"

#include <QObject>
#include <QStringList>
#include <functional>

namespace ds {

class Dataset;

// The value of one column in the current row, read in the type the caller needs.
// Null reads as empty text, zero or an invalid date, as the screens expect.
class Field
{
public:
    Field(const Dataset *dataset, int column) : m_dataset(dataset), m_column(column) {}

    QString name() const;
    QVariant value() const;
    bool isNull() const;
    QString asString() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    db::Decimal asDecimal() const;
    QDate asDate() const;
    QTime asTime() const;
    QDateTime asDateTime() const;

private:
    const Dataset *m_dataset;
    int m_column;
};

// Rows read by a statement with a cursor over them. Base of Query and Table.
class Dataset : public QObject
{
    Q_OBJECT
public:
    using Calculation = std::function<QVariant(const Dataset &, int row)>;

    explicit Dataset(db::Connection &connection, QObject *parent = nullptr);

    db::Connection &connection() const { return m_connection; }

    bool isOpen() const { return m_open; }
    virtual void close();

    int recordCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int currentRow() const { return m_current; } // -1 when empty
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    void moveTo(int row);
    // Moves to the first row whose column equals value (text compared without case); false when none.
    bool locate(const QString &fieldName, const QVariant &value);

    int fieldCount() const { return static_cast<int>(m_columns.size()); }
    QStringList fieldNames() const;
    int fieldIndex(const QString &name) const; // -1 when absent
    const db::Column &column(int index) const { return m_columns[index]; }
    // Throws DbError when the dataset has no such column.
    Field field(const QString &name) const;
    Field field(int index) const { return Field(this, index); }
    QVariant value(int row, int column) const;

    // A column computed from the others of its row, like a grid total.
    void addCalculatedField(const QString &name, Calculation calculation);

signals:
    void reset();                 // opened, closed or read again
    void rowChanged(int row);     // one row's values changed
    void rowInserted(int row);
    void rowRemoved(int row);
    void currentChanged(int row);

protected:
    void setResult(db::ResultSet result);
    QList<QVariant> &rowValues(int row) { return m_rows[row]; }
    QList<QList<QVariant>> &rows() { return m_rows; }
    void setCurrent(int row);

private:
    struct Calculated
    {
        QString name;
        Calculation calculation;
    };

    db::Connection &m_connection;
    QList<db::Column> m_columns;
    QList<QList<QVariant>> m_rows;
    QList<Calculated> m_calculated;
    int m_current = -1;
    bool m_open = false;
    bool m_eof = true;
    bool m_bof = true;
};

// Converts a value to what a column of the given kind is bound as; empty text is null.
db::BoundValue boundForColumn(const db::Column &column, const QVariant &value);

} // namespace ds
