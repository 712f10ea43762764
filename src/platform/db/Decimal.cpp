#include "Decimal.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace db {

namespace {
std::int64_t pow10(int n)
{
    std::int64_t r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}
} // namespace

Decimal Decimal::fromDouble(double v, int scale)
{
    const double scaled = v * static_cast<double>(pow10(scale));
    return Decimal(static_cast<std::int64_t>(std::llround(scaled)), scale);
}

Decimal Decimal::fromSignificant(double v, int significantDigits)
{
    if (v == 0 || !std::isfinite(v))
        return Decimal();
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const int scale = std::clamp(significantDigits - 1 - exponent, 0, 18);
    // Beyond 18 integer digits a scaled 64-bit integer cannot hold the value.
    if (std::fabs(v) * std::pow(10.0, scale) >= 9.2e18)
        return Decimal::fromDouble(v, 0);
    Decimal d = Decimal::fromDouble(v, scale);
    // Drop the zeros the rounding left at the end.
    while (d.m_scale > 0 && d.m_units % 10 == 0) {
        d.m_units /= 10;
        --d.m_scale;
    }
    return d;
}

std::optional<Decimal> Decimal::parse(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        ++i;
    }
    std::int64_t units = 0;
    int scale = 0;
    bool seenSeparator = false;
    bool seenDigit = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit()) {
            if (units > (INT64_MAX - 9) / 10)
                return std::nullopt;
            units = units * 10 + c.digitValue();
            seenDigit = true;
            if (seenSeparator)
                ++scale;
        } else if ((c == u'.' || c == u',') && !seenSeparator) {
            seenSeparator = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit || scale > 18)
        return std::nullopt;
    return Decimal(negative ? -units : units, scale);
}

Decimal Decimal::rescaled(int scale) const
{
    if (scale == m_scale)
        return *this;
    if (scale > m_scale) {
        const std::int64_t f = pow10(scale - m_scale);
        if (m_units != 0 && std::llabs(m_units) > INT64_MAX / f)
            throw std::overflow_error("numeric value out of range");
        return Decimal(m_units * f, scale);
    }
    const std::int64_t f = pow10(m_scale - scale);
    std::int64_t q = m_units / f;
    const std::int64_t r = m_units % f;
    if (std::llabs(r) * 2 >= f)
        q += m_units < 0 ? -1 : 1;
    return Decimal(q, scale);
}

double Decimal::toDouble() const
{
    return static_cast<double>(m_units) / static_cast<double>(pow10(m_scale));
}

QString Decimal::toString() const
{
    const bool negative = m_units < 0;
    // Magnitude as unsigned so INT64_MIN does not overflow.
    const std::uint64_t mag = negative ? 0 - static_cast<std::uint64_t>(m_units)
                                       : static_cast<std::uint64_t>(m_units);
    QString digits = QString::number(mag);
    if (m_scale > 0) {
        if (digits.size() <= m_scale)
            digits = QString(m_scale - digits.size() + 1, u'0') + digits;
        digits.insert(digits.size() - m_scale, u'.');
    }
    return negative ? u'-' + digits : digits;
}

namespace {
void align(const Decimal &a, const Decimal &b, std::int64_t &ua, std::int64_t &ub, int &scale)
{
    scale = std::max(a.scale(), b.scale());
    ua = a.rescaled(scale).units();
    ub = b.rescaled(scale).units();
}
} // namespace

bool operator==(const Decimal &a, const Decimal &b)
{
    std::int64_t ua, ub;
    int s;
    align(a, b, ua, ub, s);
    return ua == ub;
}

bool operator<(const Decimal &a, const Decimal &b)
{
    std::int64_t ua, ub;
    int s;
    align(a, b, ua, ub, s);
    return ua < ub;
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    std::int64_t ua, ub;
    int s;
    align(a, b, ua, ub, s);
    return Decimal(ua + ub, s);
}

Decimal operator-(const Decimal &a, const Decimal &b)
{
    std::int64_t ua, ub;
    int s;
    align(a, b, ua, ub, s);
    return Decimal(ua - ub, s);
}

} // namespace db
