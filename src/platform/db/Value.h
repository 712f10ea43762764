#pragma once

#include "Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

namespace db {

// The types a parameter can be bound as. The caller always says which one;
// nothing is guessed from the text.
enum class ParamType { Null, Integer, BigInt, Float, Double, Decimal, String, Date, Time, Timestamp, Boolean };

// One bound parameter value with its declared type.
struct BoundValue
{
    ParamType type = ParamType::Null;
    QVariant value;

    static BoundValue null() { return {}; }
    static BoundValue integer(qint32 v) { return {ParamType::Integer, QVariant(v)}; }
    static BoundValue bigInt(qint64 v) { return {ParamType::BigInt, QVariant(v)}; }
    static BoundValue floating(float v) { return {ParamType::Float, QVariant(v)}; }
    static BoundValue dbl(double v) { return {ParamType::Double, QVariant(v)}; }
    static BoundValue decimal(const Decimal &v) { return {ParamType::Decimal, QVariant::fromValue(v)}; }
    static BoundValue string(const QString &v) { return {ParamType::String, QVariant(v)}; }
    static BoundValue date(const QDate &v) { return v.isValid() ? BoundValue{ParamType::Date, QVariant(v)} : null(); }
    static BoundValue time(const QTime &v) { return v.isValid() ? BoundValue{ParamType::Time, QVariant(v)} : null(); }
    static BoundValue timestamp(const QDateTime &v)
    {
        return v.isValid() ? BoundValue{ParamType::Timestamp, QVariant(v)} : null();
    }
    static BoundValue boolean(bool v) { return {ParamType::Boolean, QVariant(v)}; }

    bool isNull() const { return type == ParamType::Null; }
};

} // namespace db
