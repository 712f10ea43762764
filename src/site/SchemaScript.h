#pragma once

#include <QStringList>

namespace site {

// Splits an isql script into its statements: ";" ends one, "SET TERM x ;" changes
// the terminator (for triggers), "--" comments and blank lines are dropped.
QStringList splitScript(const QString &script);

// The schema scripts kept with the program, in the order they run.
QStringList schemaStatements();

} // namespace site
