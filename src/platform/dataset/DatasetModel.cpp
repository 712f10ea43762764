#include "DatasetModel.h"

#include <ibase.h>

namespace ds {

DatasetModel::DatasetModel(Dataset *dataset, QObject *parent) : QAbstractTableModel(parent), m_dataset(dataset)
{
    connect(dataset, &Dataset::reset, this, [this] {
        beginResetModel();
        m_map.clear();
        endResetModel();
    });
    connect(dataset, &Dataset::rowChanged, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(dataset, &Dataset::rowInserted, this, [this](int row) {
        // The dataset already holds the row: a reset keeps the view consistent.
        beginResetModel();
        endResetModel();
        Q_UNUSED(row);
    });
    connect(dataset, &Dataset::rowRemoved, this, [this](int row) {
        beginResetModel();
        endResetModel();
        Q_UNUSED(row);
    });
}

void DatasetModel::setColumns(const QList<ColumnSpec> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_map.clear();
    endResetModel();
}

int DatasetModel::datasetColumn(int section) const
{
    if (m_columns.isEmpty())
        return section;
    if (m_map.size() != m_columns.size()) {
        m_map.clear();
        for (const ColumnSpec &c : m_columns)
            m_map << m_dataset->fieldIndex(c.field);
    }
    return m_map.value(section, -1);
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_columns.isEmpty() ? m_dataset->fieldCount() : static_cast<int>(m_columns.size());
}

QString DatasetModel::displayText(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.userType() == qMetaTypeId<db::Decimal>())
        return value.value<db::Decimal>().toString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm:ss"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    case QMetaType::Float:
        return QString::number(value.toFloat(), 'g', 7);
    default:
        return value.toString();
    }
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = datasetColumn(index.column());
    if (col < 0)
        return {};
    const QVariant v = m_dataset->value(index.row(), col);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        if (!m_columns.isEmpty() && m_columns[index.column()].format)
            return m_columns[index.column()].format(v);
        return displayText(v);
    }
    if (role == Qt::EditRole)
        return v;
    if (role == Qt::TextAlignmentRole && !m_columns.isEmpty())
        return QVariant::fromValue(m_columns[index.column()].alignment);
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == FieldSizeRole) {
        const int col = datasetColumn(section);
        if (col < 0 || col >= m_dataset->fieldCount())
            return {}; // no field behind this column
        const db::Column &c = m_dataset->column(col);
        return (c.sqlType == SQL_VARYING || c.sqlType == SQL_TEXT) ? c.length : 0;
    }
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!m_columns.isEmpty())
        return m_columns.value(section).header;
    const int col = datasetColumn(section);
    return col >= 0 && col < m_dataset->fieldCount() ? m_dataset->column(col).name : QVariant();
}

} // namespace ds
