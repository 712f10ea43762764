// Colour arithmetic, fixed-width and number/date text, and the grid column fitter.

#include "ui/common/Biblioteca.h"

#include <QColor>
#include <QHeaderView>
#include <QLocale>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

using namespace ui;

namespace {

int rgb(int r, int g, int b)
{
    return r | g << 8 | b << 16;
}

// Sets the process locale for one test and puts the previous one back.
class LocaleGuard
{
public:
    explicit LocaleGuard(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

const QLocale pointLocale = QLocale::c();
const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);

} // namespace

TEST(Colours, NumbersAreLowByteRed)
{
    EXPECT_EQ(toQColor(9726208), QColor(0, 105, 148));
    EXPECT_EQ(toColourNumber(QColor(0, 105, 148)), 9726208);
    EXPECT_EQ(toQColor(0x7F123456), QColor(0x56, 0x34, 0x12)); // bits above 24 ignored
}

TEST(Colours, LightenAndDarkenRoundHalvesToEven)
{
    struct Case
    {
        const char *what;
        int (*op)(int, int);
        int colour;
        int percent;
        int expected;
    };
    const Case cases[] = {
        {"default background", ClarearCor, 9726208, 80, rgb(204, 225, 234)},
        {"lighten ties 126.5, 125.5, 127.5", ClarearCor, rgb(2, 4, 0), 50, rgb(128, 130, 128)},
        {"darken ties 0.5, 1.5, 2.5", EscurecerCor, rgb(1, 3, 5), 50, rgb(0, 2, 2)},
        {"darken 30%", EscurecerCor, rgb(200, 101, 255), 30, rgb(140, 71, 178)}, // 70.7, 178.5
        {"0% keeps", ClarearCor, rgb(10, 20, 30), 0, rgb(10, 20, 30)},
        {"lighten 100% is white", ClarearCor, rgb(10, 20, 30), 100, rgb(255, 255, 255)},
        {"darken 100% is black", EscurecerCor, rgb(10, 20, 30), 100, 0},
        {"beyond 100% stays in range", EscurecerCor, rgb(10, 20, 30), 150, 0},
        {"beyond 100% stays in range", ClarearCor, rgb(10, 20, 30), 150, rgb(255, 255, 255)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.op(c.colour, c.percent), c.expected) << c.what;
}

TEST(FixedWidth, ReplicateAndLeftAlign)
{
    EXPECT_EQ(Replicar("ab", 3), "ababab");
    EXPECT_EQ(Replicar("ab", 0), "");
    EXPECT_EQ(Replicar("ab", -2), "");

    struct Case
    {
        const char *text;
        int width;
        const char *expected;
    };
    const Case cases[] = {
        {"ABC", 5, "ABC  "},
        {"ABCDEF", 3, "ABC"},
        {"", 4, "    "},
        {"ABC", 0, ""},
        {"ABC", -1, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AlinharEsquerda(c.text, c.width), c.expected) << c.text << " " << c.width;
    EXPECT_EQ(AlinharEsquerda("X", 200).size(), 200); // wider than any fixed run of blanks
}

TEST(FixedWidth, RightAlignFormatsAndNeverCuts)
{
    LocaleGuard guard(pointLocale);
    struct Case
    {
        const char *format;
        int width;
        double number;
        const char *expected;
    };
    const Case cases[] = {
        {"0.00", 10, 5, "      5.00"},
        {"0.00", 3, 5, "5.00"},
        {"0.00", 4, 5, "5.00"},
        {"00", 2, 7, "07"},
        {"0.00", 9, -1234.5, " -1234.50"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AlinharDireita(c.format, c.width, c.number), c.expected) << c.format << " " << c.number;
    EXPECT_EQ(AlinharDireita("0", 40, 1), QString(39, u' ') + "1");
}

TEST(NumberFormat, PicturesInPointAndCommaLocales)
{
    struct Case
    {
        const char *format;
        double number;
        const char *point;
        const char *comma;
    };
    const Case cases[] = {
        {"0.00", 5, "5.00", "5,00"},
        {"0.00", 2.675, "2.68", "2,68"}, // 2.67499999... in binary
        {"0.00", 0.125, "0.13", "0,13"},
        {"0.00", 0.005, "0.01", "0,01"},
        {"0.00", 9.999, "10.00", "10,00"},
        {"0.00", -1.5, "-1.50", "-1,50"},
        {"0.00", -0.001, "0.00", "0,00"},
        {"0", 2.5, "3", "3"},
        {"0", -2.5, "-3", "-3"},
        {"0000", 12, "0012", "0012"},
        {"0000000", 345, "0000345", "0000345"},
        {"0.##", 1.5, "1.5", "1,5"},
        {"0.##", 2, "2", "2"},
        {"0.###", 0.1234, "0.123", "0,123"},
        {"#,##0.###", 1234567.5, "1,234,567.5", "1.234.567,5"},
        {"#,##0.00", 999.999, "1,000.00", "1.000,00"},
        {"#,##0.00", 12, "12.00", "12,00"},
        {"00 Minuto", 5, "05 Minuto", "05 Minuto"},
        {"0", 123456789012.0, "123456789012", "123456789012"},
        {"0.00", 1e-20, "0.00", "0,00"},
    };
    for (const Case &c : cases) {
        {
            LocaleGuard guard(pointLocale);
            EXPECT_EQ(formatNumber(c.format, c.number), c.point) << c.format << " " << c.number;
        }
        LocaleGuard guard(brazil);
        EXPECT_EQ(formatNumber(c.format, c.number), c.comma) << c.format << " " << c.number;
    }
}

TEST(NumberFormat, DecimalPointWhateverTheLocale)
{
    for (const QLocale &locale : {pointLocale, brazil}) {
        LocaleGuard guard(locale);
        EXPECT_EQ(FormatarDecimalPonto(12.5), "12.500");
        EXPECT_EQ(FormatarDecimalPonto(-0.0625), "-0.063");
        EXPECT_EQ(FormatarDecimalPonto(0), "0.000");
        EXPECT_EQ(FormatarDecimalPonto(1234567.8915), "1234567.892");
    }
}

TEST(Dates, SqlLiteralIsMonthDayYearQuoted)
{
    struct Case
    {
        const char *text;
        const char *expected;
    };
    const Case cases[] = {
        {"25/03/24", "'03/25/2024'"},
        {"5/3/2024", "'03/05/2024'"},
        {" 01/12/1999 ", "'12/01/1999'"},
        {"29/02/24", "'02/29/2024'"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DataSQL(c.text), c.expected) << c.text;

    for (const char *bad : {"", "hoje", "31/02/24", "29/02/23", "25-03-24", "25/13/24", "25/03/124", "25/03"})
        EXPECT_THROW(DataSQL(bad), ConversionError) << bad;
}

TEST(Dates, TwoDigitYearsFallInACenturyAroundToday)
{
    const int year = QDate::currentDate().year();
    const auto yy = [](int y) { return QStringLiteral("01/01/%1").arg(y % 100, 2, 10, QChar(u'0')); };
    EXPECT_EQ(textToDate(yy(year + 49)).year(), year + 49);
    EXPECT_EQ(textToDate(yy(year - 50)).year(), year - 50);
    EXPECT_EQ(textToDate(yy(year)).year(), year);
    EXPECT_EQ(dateToText(QDate(2024, 3, 5)), "05/03/24");
}

TEST(Sql, QuotedLiteralDoublesInnerQuotes)
{
    EXPECT_EQ(quotedSql("D'Ávila"), "'D''Ávila'");
    EXPECT_EQ(quotedSql(""), "''");
}

class GridFit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model.setHorizontalHeaderLabels({"NOME", "CRIPTY", "OBS"});
        grid.setModel(&model);
        grid.resize(500, 200);
        grid.show();
    }
    int titleWidth(const QString &title) const { return grid.fontMetrics().horizontalAdvance(title + "A"); }
    void setSize(int column, int characters)
    {
        model.setHeaderData(column, Qt::Horizontal, characters, FieldSizeRole);
    }
    int total() const { return grid.columnWidth(0) + grid.columnWidth(1) + grid.columnWidth(2); }

    QStandardItemModel model{0, 3};
    QTableView grid;
};

TEST_F(GridFit, SpareWidthGoesByFieldSizeAndNumbersKeepTheirTitleWidth)
{
    setSize(0, 40);
    setSize(1, 0);
    setSize(2, 40);
    AjustarColunasGrid(&grid);
    EXPECT_EQ(grid.columnWidth(1), titleWidth("CRIPTY"));
    const int spare = grid.viewport()->width() - titleWidth("NOME") - titleWidth("CRIPTY") - titleWidth("OBS");
    EXPECT_EQ(grid.columnWidth(0), titleWidth("NOME") + spare / 2);
    EXPECT_EQ(grid.columnWidth(2), titleWidth("OBS") + spare / 2);
    EXPECT_LE(grid.viewport()->width() - total(), 1); // only what the division truncates
}

TEST_F(GridFit, ColumnsWithoutFieldWeighOne)
{
    setSize(0, 2);
    AjustarColunasGrid(&grid);
    const int spare = grid.viewport()->width() - titleWidth("NOME") - titleWidth("CRIPTY") - titleWidth("OBS");
    EXPECT_EQ(grid.columnWidth(0) - titleWidth("NOME"), spare * 2 / 4);
    EXPECT_EQ(grid.columnWidth(1) - titleWidth("CRIPTY"), spare / 4);
}

TEST_F(GridFit, NarrowGridShrinksColumnsTowardZero)
{
    grid.resize(60, 200);
    AjustarColunasGrid(&grid);
    const int spare = grid.viewport()->width() - titleWidth("NOME") - titleWidth("CRIPTY") - titleWidth("OBS");
    ASSERT_LT(spare, 0);
    EXPECT_EQ(grid.columnWidth(1), std::max(0, titleWidth("CRIPTY") + spare / 3));
}

TEST_F(GridFit, AllNumericColumnsShareTheGridEqually)
{
    for (int c = 0; c < 3; ++c)
        setSize(c, 0);
    AjustarColunasGrid(&grid);
    const int each = (grid.width() - grid.fontMetrics().horizontalAdvance("AAAAAA")) / 3;
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(grid.columnWidth(c), each);
}

TEST(GridFitEmpty, NoColumnsOrNoGridIsHarmless)
{
    QTableView grid;
    AjustarColunasGrid(&grid);
    QStandardItemModel empty;
    grid.setModel(&empty);
    AjustarColunasGrid(&grid);
    AjustarColunasGrid(nullptr);
}
