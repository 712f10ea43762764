#pragma once

#include "platform/db/Decimal.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace report {

// Writes a value as a template shows it, with Brazilian separators (decimal comma,
// thousands dot) whatever the computer's locale.
// Number patterns: '0' a digit always shown, '#' a digit shown when significant, '.' the
// decimal point, a ',' in the integer part groups thousands; text around them is kept
// ("R$ #,##0.00"). Date patterns: d dd ddd dddd, m mm mmm mmmm (minutes right after an
// hour), yy yyyy, h hh, n nn, s ss, and text in quotes.
// An empty pattern gives dates as dd/mm/yy, times as hh:nn:ss and numbers in full.
// Null is empty text; a text is kept as it is unless a number pattern can read it.
QString formatValue(const QVariant &value, const QString &pattern = {});

// A numeric value as an exact decimal; nullopt for null and for what is not a number.
std::optional<db::Decimal> toDecimal(const QVariant &value);

} // namespace report
