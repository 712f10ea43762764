#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace db {

// A statement with its ":NAME" parameters turned into Firebird's positional "?".
// The same name may appear more than once; names are matched without regard to case.
struct ParsedStatement
{
    QString sql;              // with "?" in place of each ":NAME"
    QStringList positions;    // upper-case name of each "?", in order
    QStringList names() const; // distinct names, first-seen order
};

ParsedStatement parseNamedParams(const QString &sql);

} // namespace db
