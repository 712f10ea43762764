#include "Dataset.h"

#include <ibase.h>

namespace ds {

QString Field::name() const { return m_dataset->column(m_column).name; }

QVariant Field::value() const
{
    const int row = m_dataset->currentRow();
    return row < 0 ? QVariant() : m_dataset->value(row, m_column);
}

bool Field::isNull() const { return value().isNull(); }

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    if (v.userType() == qMetaTypeId<db::Decimal>())
        return v.value<db::Decimal>().toString();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    return v.toString();
}

int Field::asInteger() const { return static_cast<int>(asLargeInt()); }

qint64 Field::asLargeInt() const
{
    const QVariant v = value();
    if (v.userType() == qMetaTypeId<db::Decimal>())
        return v.value<db::Decimal>().rescaled(0).units();
    if (v.typeId() == QMetaType::Float || v.typeId() == QMetaType::Double)
        return static_cast<qint64>(v.toDouble());
    return v.toLongLong();
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (v.userType() == qMetaTypeId<db::Decimal>())
        return v.value<db::Decimal>().toDouble();
    return v.toDouble();
}

db::Decimal Field::asDecimal() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    if (v.userType() == qMetaTypeId<db::Decimal>())
        return v.value<db::Decimal>();
    if (v.typeId() == QMetaType::Float)
        return db::Decimal::fromSignificant(v.toFloat(), 7);
    if (v.typeId() == QMetaType::Double)
        return db::Decimal::fromSignificant(v.toDouble(), 15);
    if (v.typeId() == QMetaType::QString)
        return db::Decimal::parse(v.toString()).value_or(db::Decimal());
    return db::Decimal::fromInt(v.toLongLong());
}

QDate Field::asDate() const
{
    const QVariant v = value();
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
}

QTime Field::asTime() const
{
    const QVariant v = value();
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().time() : v.toTime();
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    return v.toDateTime();
}

Dataset::Dataset(db::Connection &connection, QObject *parent) : QObject(parent), m_connection(connection) {}

void Dataset::close()
{
    if (!m_open && m_rows.isEmpty())
        return;
    m_open = false;
    m_rows.clear();
    m_columns.clear();
    m_current = -1;
    m_eof = m_bof = true;
    emit reset();
}

void Dataset::setResult(db::ResultSet result)
{
    m_columns = std::move(result.columns);
    m_rows = std::move(result.rows);
    for (const Calculated &c : std::as_const(m_calculated)) {
        db::Column col;
        col.name = c.name.toUpper();
        m_columns << col;
        for (auto &row : m_rows)
            row << QVariant();
    }
    m_open = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    emit reset();
    emit currentChanged(m_current);
}

void Dataset::setCurrent(int row)
{
    if (m_rows.isEmpty()) {
        m_current = -1;
        m_eof = m_bof = true;
    } else {
        m_current = std::clamp(row, 0, static_cast<int>(m_rows.size()) - 1);
        m_bof = false;
        m_eof = false;
    }
    emit currentChanged(m_current);
}

void Dataset::first()
{
    setCurrent(0);
    m_bof = true;
}

void Dataset::next()
{
    if (m_current + 1 >= m_rows.size()) {
        m_eof = true;
        return;
    }
    setCurrent(m_current + 1);
}

void Dataset::prior()
{
    if (m_current <= 0) {
        m_bof = true;
        return;
    }
    setCurrent(m_current - 1);
}

void Dataset::last()
{
    setCurrent(static_cast<int>(m_rows.size()) - 1);
    m_eof = true;
}

void Dataset::moveTo(int row) { setCurrent(row); }

bool Dataset::locate(const QString &fieldName, const QVariant &value)
{
    const int col = fieldIndex(fieldName);
    if (col < 0)
        return false;
    for (int r = 0; r < m_rows.size(); ++r) {
        const QVariant v = this->value(r, col);
        const bool same = (v.typeId() == QMetaType::QString || value.typeId() == QMetaType::QString)
                              ? v.toString().compare(value.toString(), Qt::CaseInsensitive) == 0
                              : v == value;
        if (same) {
            setCurrent(r);
            return true;
        }
    }
    return false;
}

QStringList Dataset::fieldNames() const
{
    QStringList out;
    for (const db::Column &c : m_columns)
        out << c.name;
    return out;
}

int Dataset::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field Dataset::field(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw db::DbError(QStringLiteral("Campo %1 não encontrado").arg(name));
    return Field(this, i);
}

QVariant Dataset::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return {};
    const int calcIndex = column - (static_cast<int>(m_columns.size()) - static_cast<int>(m_calculated.size()));
    if (calcIndex >= 0)
        return m_calculated[calcIndex].calculation(*this, row);
    return m_rows[row][column];
}

void Dataset::addCalculatedField(const QString &name, Calculation calculation)
{
    m_calculated << Calculated{name, std::move(calculation)};
}

db::BoundValue boundForColumn(const db::Column &column, const QVariant &value)
{
    using db::BoundValue;
    if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty()
                           && column.sqlType != SQL_VARYING && column.sqlType != SQL_TEXT))
        return BoundValue::null();
    auto decimalOf = [&](const QVariant &v) -> std::optional<db::Decimal> {
        if (v.userType() == qMetaTypeId<db::Decimal>())
            return v.value<db::Decimal>();
        if (v.typeId() == QMetaType::Float)
            return db::Decimal::fromSignificant(v.toFloat(), 7);
        if (v.typeId() == QMetaType::Double)
            return db::Decimal::fromSignificant(v.toDouble(), 15);
        return db::Decimal::parse(v.toString());
    };
    switch (column.sqlType) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        if (column.scale > 0) {
            if (const auto d = decimalOf(value))
                return BoundValue::decimal(*d);
            break;
        }
        if (value.userType() == qMetaTypeId<db::Decimal>())
            return BoundValue::bigInt(value.value<db::Decimal>().rescaled(0).units());
        return column.sqlType == SQL_INT64 ? BoundValue::bigInt(value.toLongLong())
                                           : BoundValue::integer(value.toInt());
    case SQL_FLOAT:
        if (const auto d = decimalOf(value))
            return BoundValue::floating(static_cast<float>(d->toDouble()));
        break;
    case SQL_DOUBLE:
        if (const auto d = decimalOf(value))
            return BoundValue::dbl(d->toDouble());
        break;
    case SQL_TYPE_DATE:
        return BoundValue::date(value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate());
    case SQL_TYPE_TIME:
        return BoundValue::time(value.typeId() == QMetaType::QDateTime ? value.toDateTime().time() : value.toTime());
    case SQL_TIMESTAMP:
        return BoundValue::timestamp(value.toDateTime());
    case SQL_BOOLEAN:
        return BoundValue::boolean(value.toBool());
    default:
        break;
    }
    if (value.userType() == qMetaTypeId<db::Decimal>())
        return BoundValue::string(value.value<db::Decimal>().toString());
    // Let Firebird convert (and refuse) text it cannot take as the column's kind.
    return BoundValue::string(value.toString());
}

} // namespace ds
