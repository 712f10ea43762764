#pragma once

#include "Dataset.h"

#include <QAbstractTableModel>
#include <functional>

namespace ds {

// Header role answering a column's width in characters (text columns; 0 otherwise),
// so grids can share their spare width out by field size.
inline constexpr int FieldSizeRole = Qt::UserRole + 70;

// The one table model behind every grid: the rows of a dataset, with the columns
// a screen chooses (all of them when it chooses none). Read-only; edits go through
// the dataset.
class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Format = std::function<QString(const QVariant &)>;
    struct ColumnSpec
    {
        QString field;
        QString header;
        Format format = {}; // empty: the default text of the value
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    explicit DatasetModel(Dataset *dataset, QObject *parent = nullptr);

    void setColumns(const QList<ColumnSpec> &columns);
    Dataset *dataset() const { return m_dataset; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Default text of a value: dates dd/MM/yyyy, times hh:mm:ss, exact numbers as stored.
    static QString displayText(const QVariant &value);

private:
    int datasetColumn(int section) const;

    Dataset *m_dataset;
    QList<ColumnSpec> m_columns;
    mutable QList<int> m_map; // model column -> dataset column, -1 when absent
};

} // namespace ds
