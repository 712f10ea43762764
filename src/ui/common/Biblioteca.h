#pragma once

#include "platform/dataset/DatasetModel.h"

#include <QDate>
#include <QString>
#include <stdexcept>

class QColor;
class QTableView;

namespace ui {

// Colour numbers are 24-bit values 0x00BBGGRR (low byte red), as the database stores them.
QColor toQColor(int cor);
int toColourNumber(const QColor &colour);

// Each channel moves by the given percent toward white / black, rounded half to even.
int ClarearCor(int cor, int percentual);
int EscurecerCor(int cor, int percentual);

// Grids read a column's field size through the dataset model's header role.
using ds::FieldSizeRole;

// Columns as wide as their titles, the spare width shared in proportion to field size.
void AjustarColunasGrid(QTableView *grid);

QString Replicar(const QString &texto, int n);
// Padded with blanks on the right, or cut, to exactly `largura` characters.
QString AlinharEsquerda(const QString &texto, int largura);
// The number formatted, padded with blanks on the left to `largura`; never cut.
QString AlinharDireita(const QString &formato, int largura, double numero);
// Three decimals with a point whatever the locale: numbers inside statement text.
QString FormatarDecimalPonto(double numero);
// A short-date text as a quoted 'MM/dd/yyyy' literal; throws ConversionError.
QString DataSQL(const QString &data);

// A number through a picture such as "0.00", "0000", "0.###", "#,##0.00" or "00 Minuto":
// '0' a digit always shown, '#' a digit shown when significant, ',' in the integer part
// groups thousands; the locale's separators; halves rounded away from zero on the
// number's 15 significant digits, so 2.675 gives 2.68.
QString formatNumber(const QString &format, double value);

// The program-wide short date format.
inline const QString shortDateFormat = QStringLiteral("dd/MM/yy");
QString dateToText(const QDate &date);
// Day/month/year with a two- or four-digit year; two-digit years fall within 50 years
// before and 49 after the current one. Throws ConversionError when not a date.
QDate textToDate(const QString &text);

// A text as a statement string literal: single quotes around it, inner quotes doubled.
QString quotedSql(const QString &text);

class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace ui
