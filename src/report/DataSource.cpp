#include "DataSource.h"

#include "platform/dataset/Dataset.h"

namespace report {

int DataSource::fieldIndex(const QString &name) const
{
    const QStringList names = fieldNames();
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant MemoryTable::value(int row, int field) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].value(field);
}

QStringList DatasetSource::fieldNames() const { return m_dataset.fieldNames(); }
int DatasetSource::rowCount() const { return m_dataset.recordCount(); }
QVariant DatasetSource::value(int row, int field) const { return m_dataset.value(row, field); }
int DatasetSource::currentRow() const { return m_dataset.currentRow(); }
int DatasetSource::fieldIndex(const QString &name) const { return m_dataset.fieldIndex(name); }

} // namespace report
