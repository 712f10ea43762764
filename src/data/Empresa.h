#pragma once

#include <QString>

namespace ds {
class Query;
}

namespace data {

// Statements on the company row's table that start-up runs.

// Whether the catalogue lists the column in the table (names as stored, upper case).
bool CompanyColumnExists(ds::Query &q, const QString &table, const QString &column);
// "ALTER TABLE <table> ADD <column> <type>": names and type come from the program, never from input.
void AddCompanyColumn(ds::Query &q, const QString &table, const QString &column, const QString &type);
// The first company row, open on q (empty when the table has none).
void OpenFirstCompanyRow(ds::Query &q);

} // namespace data
