#pragma once

#include <QMetaType>
#include <QString>
#include <cstdint>
#include <optional>

namespace db {

// Exact fixed-point number: units / 10^scale, as Firebird keeps NUMERIC(18,s).
// Money and stock quantities travel as Decimal so 0.285 stays 0.285.
class Decimal
{
public:
    constexpr Decimal() = default;
    constexpr Decimal(std::int64_t units, int scale) : m_units(units), m_scale(scale) {}
    static Decimal fromInt(std::int64_t v) { return Decimal(v, 0); }
    // Rounds half away from zero to the given scale.
    static Decimal fromDouble(double v, int scale);
    // What a binary floating value means to its precision: a FLOAT column carries 7
    // significant digits (150.1f is 150.1, not 150.100006), a double 15.
    static Decimal fromSignificant(double v, int significantDigits);
    // Accepts "12", "-0.285", "1,50" (either separator); nullopt on anything else.
    static std::optional<Decimal> parse(const QString &text);

    std::int64_t units() const { return m_units; }
    int scale() const { return m_scale; }

    Decimal rescaled(int scale) const; // rounds half away from zero
    double toDouble() const;
    QString toString() const; // "-0.285": dot, all digits of the scale

    friend bool operator==(const Decimal &a, const Decimal &b);
    friend bool operator<(const Decimal &a, const Decimal &b);
    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b);

private:
    std::int64_t m_units = 0;
    int m_scale = 0;
};

} // namespace db

Q_DECLARE_METATYPE(db::Decimal)
