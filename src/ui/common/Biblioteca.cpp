#include "Biblioteca.h"

#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QRegularExpression>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ui {

namespace {

// n / d (d > 0) rounded to the nearest integer, halves to the even neighbour.
int roundHalfEven(int n, int d)
{
    int q = n / d;
    int r = n % d;
    if (r < 0) {
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0))
        ++q;
    return q;
}

template <typename F>
int mapChannels(int cor, F channel)
{
    int result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        result |= std::clamp(channel((cor >> shift) & 0xFF), 0, 255) << shift;
    return result;
}

// |value| times 10^decimals, rounded half away from zero, as decimal digits. Rounds the
// 15 significant digits a double holds reliably, not its binary expansion.
QString scaledDigits(double value, int decimals)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const QString s = QString::fromLatin1(buf);
    const QString mantissa = s.left(1) + s.mid(2, 14);
    const int exponent = s.mid(s.indexOf(u'e') + 1).toInt();
    const int keep = exponent + 1 + decimals; // digits of the mantissa before the rounding point
    if (keep < 0)
        return QStringLiteral("0");
    QString digits = keep >= 15 ? mantissa + QString(keep - 15, u'0') : mantissa.left(keep);
    if (keep < 15 && mantissa[keep] >= u'5') {
        int i = digits.size() - 1;
        for (; i >= 0 && digits[i] == u'9'; --i)
            digits[i] = u'0';
        if (i < 0)
            digits.prepend(u'1');
        else
            digits[i] = QChar(digits[i].unicode() + 1);
    }
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

} // namespace

QColor toQColor(int cor)
{
    return QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
}

int toColourNumber(const QColor &colour)
{
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

int ClarearCor(int cor, int percentual)
{
    return mapChannels(cor, [&](int c) { return c + roundHalfEven((255 - c) * percentual, 100); });
}

int EscurecerCor(int cor, int percentual)
{
    return mapChannels(cor, [&](int c) { return roundHalfEven(c * (100 - percentual), 100); });
}

void AjustarColunasGrid(QTableView *grid)
{
    const QAbstractItemModel *model = grid ? grid->model() : nullptr;
    const int count = model ? model->columnCount() : 0;
    if (count == 0)
        return;
    const QFontMetrics metrics(grid->font());
    QList<int> weights;
    int titles = 0;
    int weightSum = 0;
    for (int c = 0; c < count; ++c) {
        const int width = metrics.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString() + u'A');
        grid->setColumnWidth(c, width);
        titles += width;
        const QVariant size = model->headerData(c, Qt::Horizontal, FieldSizeRole);
        weights << (size.isValid() ? size.toInt() : 1);
        weightSum += weights.last();
    }
    // Qt's viewport already leaves out the row header, and its sections include the grid lines.
    const int extra = grid->viewport()->width() - titles;
    for (int c = 0; c < count; ++c) {
        const int width = weightSum != 0
            ? grid->columnWidth(c) + extra * weights[c] / weightSum
            : (grid->width() - metrics.horizontalAdvance(QStringLiteral("AAAAAA"))) / count;
        grid->setColumnWidth(c, std::max(0, width));
    }
}

QString Replicar(const QString &texto, int n)
{
    return n > 0 ? texto.repeated(n) : QString();
}

QString AlinharEsquerda(const QString &texto, int largura)
{
    return largura > 0 ? texto.leftJustified(largura, u' ', true) : QString();
}

QString AlinharDireita(const QString &formato, int largura, double numero)
{
    return formatNumber(formato, numero).rightJustified(largura, u' ');
}

QString FormatarDecimalPonto(double numero)
{
    QString text = formatNumber(QStringLiteral("0.000"), numero);
    text[text.size() - 4] = u'.';
    return text;
}

QString DataSQL(const QString &data)
{
    return quotedSql(textToDate(data).toString(QStringLiteral("MM/dd/yyyy")));
}

QString formatNumber(const QString &format, double value)
{
    static const QString pictureChars = QStringLiteral("0#.,");
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (pictureChars.contains(format[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0 || !std::isfinite(value))
        return first < 0 ? format : QString::number(value);

    const QString picture = format.mid(first, last - first + 1);
    const qsizetype point = picture.indexOf(u'.');
    const QString integerPart = point < 0 ? picture : picture.left(point);
    const QString fractionPart = point < 0 ? QString() : picture.mid(point + 1);
    const int minDecimals = static_cast<int>(fractionPart.count(u'0'));
    const int maxDecimals = minDecimals + static_cast<int>(fractionPart.count(u'#'));
    const int minIntegers = static_cast<int>(integerPart.count(u'0'));

    QString digits = scaledDigits(value, maxDecimals);
    if (digits.size() <= maxDecimals)
        digits = digits.rightJustified(maxDecimals + 1, u'0');
    QString integers = digits.left(digits.size() - maxDecimals);
    QString decimals = digits.right(maxDecimals);
    const bool zero = !digits.contains(QRegularExpression(QStringLiteral("[1-9]")));

    while (decimals.size() > minDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);
    while (integers.startsWith(u'0'))
        integers.remove(0, 1);
    integers = integers.rightJustified(minIntegers, u'0');

    const QLocale locale;
    if (integerPart.contains(u',')) {
        for (qsizetype i = integers.size() - 3; i > 0; i -= 3)
            integers.insert(i, locale.groupSeparator());
    }
    QString text = format.left(first) + integers;
    if (!decimals.isEmpty())
        text += locale.decimalPoint() + decimals;
    text += format.mid(last + 1);
    return value < 0 && !zero ? u'-' + text : text;
}

QString dateToText(const QDate &date)
{
    return date.toString(shortDateFormat);
}

QDate textToDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    QDate date;
    if (m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2) {
            const int base = QDate::currentDate().year() - 50;
            year += base / 100 * 100;
            if (year < base)
                year += 100;
        }
        date = QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
    }
    if (!date.isValid())
        throw ConversionError(QStringLiteral("'%1' não é uma data válida").arg(text));
    return date;
}

QString quotedSql(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

} // namespace ui
