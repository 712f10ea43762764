#pragma once

#include <QStringList>
#include <QVariant>

namespace ds {
class Dataset;
}

namespace report {

// Rows a template reads by field name. Field names match without regard to case.
class DataSource
{
public:
    virtual ~DataSource() = default;
    virtual QStringList fieldNames() const = 0;
    virtual int rowCount() const = 0;
    virtual QVariant value(int row, int field) const = 0;
    // The row a reference outside the detail band reads; -1 when there is none.
    virtual int currentRow() const { return rowCount() > 0 ? 0 : -1; }
    virtual int fieldIndex(const QString &name) const;
};

// Rows a screen or a test builds itself.
class MemoryTable : public DataSource
{
public:
    explicit MemoryTable(QStringList fieldNames) : m_fields(std::move(fieldNames)) {}
    // Values in the order of the field names; missing values are null.
    void append(const QVariantList &values) { m_rows << values; }

    QStringList fieldNames() const override { return m_fields; }
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    QVariant value(int row, int field) const override;

private:
    QStringList m_fields;
    QList<QVariantList> m_rows;
};

// A dataset as it stands; it must outlive the report that reads it.
class DatasetSource : public DataSource
{
public:
    explicit DatasetSource(const ds::Dataset &dataset) : m_dataset(dataset) {}

    QStringList fieldNames() const override;
    int rowCount() const override;
    QVariant value(int row, int field) const override;
    int currentRow() const override;
    int fieldIndex(const QString &name) const override;

private:
    const ds::Dataset &m_dataset;
};

} // namespace report
