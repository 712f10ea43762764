#include "Format.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

namespace report {

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Double: case QMetaType::Float:
        return true;
    default:
        return v.typeId() == qMetaTypeId<db::Decimal>();
    }
}

QString formatNumber(const db::Decimal &value, const QString &pattern)
{
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < pattern.size(); ++i)
        if (pattern[i] == u'0' || pattern[i] == u'#') {
            if (first < 0)
                first = i;
            last = i;
        }
    if (first < 0)
        return pattern;
    const QString prefix = pattern.left(first);
    const QString suffix = pattern.mid(last + 1);
    const QString core = pattern.mid(first, last - first + 1);

    const qsizetype point = core.indexOf(u'.');
    const QString intPart = point < 0 ? core : core.left(point);
    const QString fracPart = point < 0 ? QString() : core.mid(point + 1);
    const int intMin = static_cast<int>(intPart.count(u'0'));
    const int fracMin = static_cast<int>(fracPart.count(u'0'));
    const int fracMax = static_cast<int>(fracPart.count(u'0') + fracPart.count(u'#'));
    const bool grouped = intPart.contains(u',');

    const db::Decimal rounded = value.rescaled(fracMax);
    QString digits = rounded.toString();
    const bool negative = digits.startsWith(u'-');
    if (negative)
        digits.remove(0, 1);
    QString whole = fracMax > 0 ? digits.left(digits.size() - fracMax - 1) : digits;
    QString frac = fracMax > 0 ? digits.right(fracMax) : QString();
    while (frac.size() > fracMin && frac.endsWith(u'0'))
        frac.chop(1);
    if (whole == QLatin1String("0") && intMin == 0)
        whole.clear();
    while (whole.size() < intMin)
        whole.prepend(u'0');
    if (grouped)
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, u'.');

    QString out = whole;
    if (!frac.isEmpty())
        out += u',' + frac;
    // No "-0,00": a value that rounds to zero has no sign.
    if (negative && rounded.units() != 0)
        out.prepend(u'-');
    return prefix + out + suffix;
}

QString formatDateTime(const QDateTime &dt, bool hasDate, const QString &pattern)
{
    static const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    const QDate d = dt.date();
    const QTime t = dt.time();
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype end = pattern.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const QChar lc = c.toLower();
        qsizetype n = 1;
        while (i + n < pattern.size() && pattern[i + n].toLower() == lc)
            ++n;
        const auto num = [](int v, int width) { return QString::number(v).rightJustified(width, u'0'); };
        const bool hourBefore = afterHour;
        if (QStringLiteral("dmyhns").contains(lc))
            afterHour = lc == u'h';
        if (lc == u'd' && hasDate) {
            out += n == 1 ? QString::number(d.day()) : n == 2 ? num(d.day(), 2)
                 : n == 3 ? brazil.dayName(d.dayOfWeek(), QLocale::ShortFormat) : brazil.dayName(d.dayOfWeek());
        } else if (lc == u'm' && hourBefore) {
            out += n == 1 ? QString::number(t.minute()) : num(t.minute(), 2);
        } else if (lc == u'm' && hasDate) {
            out += n == 1 ? QString::number(d.month()) : n == 2 ? num(d.month(), 2)
                 : n == 3 ? brazil.monthName(d.month(), QLocale::ShortFormat) : brazil.monthName(d.month());
        } else if (lc == u'y' && hasDate) {
            out += n <= 2 ? num(d.year() % 100, 2) : num(d.year(), 4);
        } else if (lc == u'h') {
            out += n == 1 ? QString::number(t.hour()) : num(t.hour(), 2);
        } else if (lc == u'n') {
            out += n == 1 ? QString::number(t.minute()) : num(t.minute(), 2);
        } else if (lc == u's') {
            out += n == 1 ? QString::number(t.second()) : num(t.second(), 2);
        } else if (QStringLiteral("dmy").contains(lc)) {
            // A date part of a bare time prints nothing.
        } else {
            out += pattern.mid(i, n);
        }
        i += n;
    }
    return out;
}

} // namespace

std::optional<db::Decimal> toDecimal(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.typeId() == qMetaTypeId<db::Decimal>())
        return value.value<db::Decimal>();
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        const double v = value.toDouble();
        if (!std::isfinite(v))
            return std::nullopt;
        // A single-precision amount means what its 7 digits say (150.1f is 150.1), so
        // thousands of them still sum to the cent.
        return db::Decimal::fromSignificant(v, value.typeId() == QMetaType::Float ? 7 : 15);
    }
    if (isNumber(value))
        return db::Decimal::fromInt(value.toLongLong());
    if (value.typeId() == QMetaType::QString)
        return db::Decimal::parse(value.toString());
    return std::nullopt;
}

QString formatValue(const QVariant &value, const QString &pattern)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return formatDateTime(QDateTime(value.toDate(), QTime(0, 0)), true,
                              pattern.isEmpty() ? QStringLiteral("dd/mm/yy") : pattern);
    case QMetaType::QTime:
        return formatDateTime(QDateTime(QDate(2000, 1, 1), value.toTime()), false,
                              pattern.isEmpty() ? QStringLiteral("hh:nn:ss") : pattern);
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        const QString dflt = dt.time() == QTime(0, 0) ? QStringLiteral("dd/mm/yy") : QStringLiteral("dd/mm/yy hh:nn:ss");
        return formatDateTime(dt, true, pattern.isEmpty() ? dflt : pattern);
    }
    default:
        break;
    }
    if (!isNumber(value) && (pattern.isEmpty() || value.typeId() != QMetaType::QString))
        return value.toString();
    const std::optional<db::Decimal> number = toDecimal(value);
    if (!number)
        return value.toString();
    // In full: every significant decimal the value carries.
    const QString full = number->scale() > 0 ? QStringLiteral("0.") + QString(number->scale(), u'#') : QStringLiteral("0");
    return formatNumber(*number, pattern.isEmpty() ? full : pattern);
}

} // namespace report
