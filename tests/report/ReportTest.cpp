// The report engine: bands, groups and sums read back as laid-out text, value
// formats, template lookup, roll and A4 pages, PDF output and where a report goes.

#include "platform/dataset/Query.h"
#include "report/Format.h"
#include "report/Report.h"
#include "report/ReportPreview.h"
#include "support/TestSite.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace report;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

const QDateTime kPrinted(QDate(2025, 3, 10), QTime(14, 5));

MemoryTable listTable(const QList<QVariantList> &rows)
{
    MemoryTable table({"GRUPO", "DESCRICAO", "QUANT", "VALOR"});
    for (const QVariantList &row : rows)
        table.append(row);
    return table;
}

// The repository's example template filled with the given rows.
Report listReport(const QList<QVariantList> &rows)
{
    Report report;
    EXPECT_TRUE(report.load("Lista.json"));
    report.setData("Lista", listTable(rows));
    report.setVariable("EMPRESA", "Pousada Trevo");
    report.setVariable("titulo", "Movimento do dia");
    report.setPrintTime(kPrinted);
    return report;
}

QList<QVariantList> manyRows(int count)
{
    QList<QVariantList> rows;
    for (int i = 1; i <= count; ++i)
        rows << QVariantList{QString("Grupo %1").arg((i - 1) / 50 + 1), QString("Item %1").arg(i), 1, 10.0};
    return rows;
}

class TemplateFolder
{
public:
    QString write(const QString &name, const QByteArray &json)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
        return path;
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST(Report, LaysOutHeadersGroupsDetailsAndSums)
{
    const Report report = listReport({
        {"Bebidas", "Água mineral", 2, 3.5},
        {"Bebidas", "Refrigerante lata", 1.5, 1234.5},
        {"Serviços", "Lavanderia", 1, 30},
    });

    const QList<QStringList> pages = report.prepare().text();

    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0], QStringList({
                            "Pousada Trevo",
                            "Movimento do dia | Impresso em 10/03/2025 14:05",
                            "DESCRIÇÃO | QUANT. | VALOR",
                            "Bebidas",
                            "Água mineral | 2 | 3,50",
                            "Refrigerante lata | 1,5 | 1.234,50",
                            "Total de Bebidas | 1.238,00",
                            "Serviços",
                            "Lavanderia | 1 | 30,00",
                            "Total de Serviços | 30,00",
                            "TOTAL GERAL | 1.268,00",
                            "Página 1 de 1",
                        }));
}

TEST(Report, BreaksA4PagesRepeatingHeadersAndNumberingPages)
{
    const Document document = listReport(manyRows(150)).prepare();
    const QList<QStringList> pages = document.text();

    ASSERT_GE(pages.size(), 3);
    const int total = static_cast<int>(pages.size());
    QStringList details;
    for (int p = 0; p < total; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(pages[p].mid(0, 3), QStringList({"Pousada Trevo", "Movimento do dia | Impresso em 10/03/2025 14:05",
                                                   "DESCRIÇÃO | QUANT. | VALOR"}));
        EXPECT_EQ(pages[p].last(), QString("Página %1 de %2").arg(p + 1).arg(total));
        for (const QString &line : pages[p])
            if (line.startsWith("Item "))
                details << line.section(" | ", 0, 0);
        // Nothing runs into the margins or under the page footer.
        const Page &page = document.pages[p];
        EXPECT_EQ(page.size, QSizeF(210, 297));
        for (const Item &item : page.items) {
            EXPECT_GE(item.rect.left(), 10 - 1e-9);
            EXPECT_LE(item.rect.right(), 200 + 1e-9);
            EXPECT_GE(item.rect.top(), 10 - 1e-9);
            EXPECT_LE(item.rect.bottom(), 287 + 1e-9);
        }
    }
    QStringList expected;
    for (int i = 1; i <= 150; ++i)
        expected << QString("Item %1").arg(i);
    EXPECT_EQ(details, expected);
    EXPECT_TRUE(pages.last().contains("Total de Grupo 3 | 500,00"));
    EXPECT_TRUE(pages.last().contains("TOTAL GERAL | 1.500,00"));
}

TEST(Report, ReferencesReadSourcesAndVariablesOrStayAsWritten)
{
    TemplateFolder folder;
    const QString path = folder.write("refs.json", R"({
        "data": "Lista",
        "bands": {"summary": [
            {"text": "[EMPRESA]"},
            {"y": 5, "text": "[Empresa.CIDADE] - [empresa.estado]"},
            {"y": 10, "text": "[Lista.NADA] [Nada.X] [SEMVALOR]"},
            {"y": 15, "text": "[sum(lista.valor):0.00] ate [Lista.DESCRICAO]"},
            {"y": 20, "text": "[DATE] [TIME:hh:mm] [PAGE#]/[TOTALPAGES#]"}
        ]}})");
    Report report;
    ASSERT_TRUE(report.load(path));
    report.setData("Lista", listTable({{"A", "primeiro", 1, 2.5}, {"A", "ultimo", 1, 0.25}}));
    MemoryTable company({"CIDADE", "ESTADO"});
    company.append({"Paraty", "RJ"});
    company.append({"Outra", "SP"});
    report.setData("EMPRESA", company);
    report.setVariable("Empresa", "Pousada Trevo");
    report.setPrintTime(kPrinted);

    EXPECT_EQ(report.prepare().text(), QList<QStringList>({{
                                           "Pousada Trevo",
                                           "Paraty - RJ",
                                           "[Lista.NADA] [Nada.X] [SEMVALOR]",
                                           "2,75 ate ultimo",
                                           "10/03/25 14:05 1/1",
                                       }}));
}

TEST(Report, ReadsADatasetAtItsCurrentRowOutsideTheDetailBand)
{
    test::TestSite site;
    auto connection = site.connect();
    ds::Query rows(*connection);
    rows.setSql("select 'A' as GRUPO, cast(0.285 as numeric(15,3)) as VALOR from rdb$database "
                "union all select 'A', cast(0.285 as numeric(15,3)) from rdb$database "
                "union all select 'B', cast(1 as numeric(15,3)) from rdb$database");
    rows.open();
    ds::Query header(*connection);
    header.setSql("select 'primeira' as NOME from rdb$database union all select 'segunda' from rdb$database");
    header.open();
    header.next();

    TemplateFolder folder;
    const QString path = folder.write("ds.json", R"({
        "data": "Rows", "group": "grupo",
        "bands": {
            "pageHeader": [{"text": "[Header.NOME]"}],
            "detail": [{"text": "[Rows.VALOR:0.00]"}],
            "groupFooter": [{"text": "[Rows.GRUPO] [SUM(Rows.VALOR):0.00]"}]
        }})");
    Report report;
    ASSERT_TRUE(report.load(path));
    report.setData("Rows", rows);
    report.setData("Header", header);

    // Exact decimals: 0.285 rounds up, and the sum is 0.570, not two rounded halves.
    EXPECT_EQ(report.prepare().text(),
              QList<QStringList>({{"segunda", "0,29", "0,29", "A 0,57", "1,00", "B 1,00"}}));
}

TEST(Format, WritesNumbersAndDatesAsABrazilianReportDoes)
{
    struct Case
    {
        QVariant value;
        const char *pattern;
        const char *expected;
    };
    const Case cases[] = {
        {1234.5, "#,##0.00", "1.234,50"},
        {-1234567.891, "#,##0.00", "-1.234.567,89"},
        {999.999, "#,##0.00", "1.000,00"},
        {0.285, "0.00", "0,29"},
        {QVariant::fromValue(db::Decimal(285, 3)), "0.00", "0,29"},
        {QVariant::fromValue(db::Decimal(-285, 3)), "0.00", "-0,29"},
        {-0.001, "0.00", "0,00"},
        {0.1f, "0.00", "0,10"},
        {2.5, "0.###", "2,5"},
        {3, "0.###", "3"},
        {1.23456, "0.###", "1,235"},
        {7.25, "0.0", "7,3"},
        {12, "0000", "0012"},
        {qint64(5000000000), "#,##0", "5.000.000.000"},
        {12.5, "R$ #,##0.00", "R$ 12,50"},
        {12.5, "", "12,5"},
        {QVariant::fromValue(db::Decimal(1500, 2)), "", "15"},
        {QString("12,5"), "0.00", "12,50"},
        {QString("Sem Consumo"), "0.00", "Sem Consumo"},
        {QVariant(), "0.00", ""},
        {QDate(2025, 3, 9), "dd/mm/yy", "09/03/25"},
        {QDate(2025, 3, 9), "d/m/yyyy", "9/3/2025"},
        {QDate(2025, 3, 9), "", "09/03/25"},
        {QDate(2025, 3, 9), "dd 'de' mmmm", "09 de março"},
        {QDateTime(QDate(2025, 12, 31), QTime(8, 7, 6)), "dd/mm/yyyy hh:mm", "31/12/2025 08:07"},
        {QDateTime(QDate(2025, 12, 31), QTime(8, 7, 6)), "", "31/12/25 08:07:06"},
        {QTime(23, 5, 9), "hh:nn", "23:05"},
        {QTime(23, 5, 9), "", "23:05:09"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatValue(c.value, c.pattern), c.expected) << c.value.toString().toStdString() << " with \""
                                                               << c.pattern << "\"";
}

TEST(Report, MissingOrBrokenTemplateGivesAnEmptyReportAndNoWindow)
{
    TemplateFolder folder;
    const QString broken = folder.write("broken.json", R"({"page": "a4", "bands": {"detial": []}})");
    const QString notJson = folder.write("notjson.json", "page = a4");
    for (const QString &name : {QString("NaoExiste.json"), broken, notJson}) {
        SCOPED_TRACE(name.toStdString());
        Report report = listReport({{"A", "x", 1, 1}});
        EXPECT_FALSE(report.load(name));
        EXPECT_TRUE(report.isEmpty());
        // A missing template says nothing; a broken one names itself and its folder.
        if (name == QLatin1String("NaoExiste.json")) {
            EXPECT_TRUE(report.loadError().isEmpty());
        } else {
            EXPECT_TRUE(report.loadError().contains(QFileInfo(name).fileName())) << report.loadError().toStdString();
            EXPECT_TRUE(report.loadError().contains(folder.path())) << report.loadError().toStdString();
        }

        ReportCapture capture;
        report.output(Destination::fromSettings("Visualizar", 0));
        ASSERT_EQ(capture.reports().size(), 1);
        EXPECT_TRUE(capture.reports()[0].document.pages.isEmpty());
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }
}

TEST(Report, FindsTemplatesInTheWorkingFolderBeforeTheInstalledOnes)
{
    TemplateFolder folder;
    folder.write("Lista.json", R"({"bands": {"summary": [{"text": "da pasta de trabalho"}]}})");
    const QString before = QDir::currentPath();

    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    Report local;
    const bool localLoaded = local.load("Lista.json");
    QDir::setCurrent(before);

    ASSERT_TRUE(localLoaded);
    EXPECT_EQ(local.prepare().text(), QList<QStringList>({{"da pasta de trabalho"}}));
    Report installed;
    ASSERT_TRUE(installed.load("Lista.json"));
    EXPECT_NE(installed.prepare().text(), local.prepare().text());
}

TEST(Report, RollHeightGrowsWithContentAndKeepsItsWidth)
{
    TemplateFolder folder;
    const auto roll = [&](const char *page, bool wrap) {
        return folder.write(QString("%1%2.json").arg(page).arg(wrap), QString(R"({
            "page": "%1", "data": "Cupom",
            "bands": {
                "pageHeader": {"height": 10, "objects": [{"text": "CUPOM", "align": "center"}]},
                "detail": {"height": 4, "objects": [{"text": "[Cupom.NOME]", "wrap": %2}]},
                "summary": {"height": 6, "objects": [{"text": "FIM"}]}
            }})").arg(page, wrap ? "true" : "false").toUtf8());
    };
    const auto layOut = [](const QString &path, int rows, const QString &name) {
        Report report;
        EXPECT_TRUE(report.load(path));
        MemoryTable table({"NOME"});
        for (int i = 0; i < rows; ++i)
            table.append({name});
        report.setData("Cupom", table);
        const Document document = report.prepare();
        EXPECT_EQ(document.pages.size(), 1);
        return document.pages.value(0);
    };

    for (const auto &[page, width] : {std::pair("roll80", 80.0), std::pair("roll58", 58.0)}) {
        SCOPED_TRACE(page);
        const Page three = layOut(roll(page, false), 3, "Suco");
        const Page thirty = layOut(roll(page, false), 30, "Suco");
        EXPECT_EQ(three.size.width(), width);
        EXPECT_DOUBLE_EQ(three.size.height(), 3 + 10 + 3 * 4 + 6 + 3);
        EXPECT_DOUBLE_EQ(thirty.size.height() - three.size.height(), 27 * 4);
        // 3 mm margins: the header starts there and spans the roll's printable width.
        EXPECT_EQ(three.items[0].rect, QRectF(3, 3, width - 6, three.items[0].rect.height()));
    }

    const QString longName = "Porção de batatas fritas com queijo e bacon para duas pessoas";
    const Page cut = layOut(roll("roll58", false), 1, longName);
    const Page wrapped = layOut(roll("roll58", true), 1, longName);
    EXPECT_GT(wrapped.size.height(), cut.size.height());
}

TEST(Report, PdfFileHoldsEveryPageAtItsSize)
{
    TemplateFolder folder;
    const auto roll = [&](int contentHeight) {
        Report report;
        EXPECT_TRUE(report.load(folder.write("roll.json", QString(R"({"page": "roll80",
            "bands": {"summary": {"height": %1, "objects": [{"text": "x"}]}}})").arg(contentHeight).toUtf8())));
        return report;
    };
    struct Case
    {
        Report report;
        int pages;
        QSize mediaBox; // points
    };
    const Case cases[] = {
        {listReport(manyRows(150)), static_cast<int>(listReport(manyRows(150)).prepare().pages.size()), {595, 842}},
        {roll(94), 1, {227, 283}}, // 80 mm by 100 mm
        {roll(24), 1, {227, 85}},  // shorter than wide, still upright
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mediaBox.height());
        const QString path = folder.path() + "/saida.pdf";
        ASSERT_TRUE(c.report.exportPdf(path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(file.readAll());

        EXPECT_TRUE(pdf.startsWith("%PDF-1."));
        EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
        EXPECT_EQ(pdf.count(QRegularExpression(R"(/Type\s*/Page\b(?!s))")), c.pages);
        QList<QSize> boxes;
        auto boxMatches = QRegularExpression(R"(/MediaBox\s*\[\s*0 0 ([\d.]+) ([\d.]+)\s*\])").globalMatch(pdf);
        while (boxMatches.hasNext()) {
            const QRegularExpressionMatch m = boxMatches.next();
            boxes << QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
        }
        EXPECT_EQ(boxes, QList<QSize>(c.pages, c.mediaBox));
    }
}

TEST(Report, GoesWhereThePrinterSettingsSay)
{
    struct Case
    {
        const char *printerSetting;
        int option;
        Destination expected;
    };
    using K = Destination::Kind;
    const Case cases[] = {
        {"Nao Imprimir", 1, {K::None, {}}},
        {"Visualizar", 1, {K::Preview, {}}},
        {"", 1, {K::Preview, {}}},
        {"EPSON TM-T20", 0, {K::Preview, {}}},
        {"EPSON TM-T20", 1, {K::Printer, "EPSON TM-T20"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.printerSetting);
        const Destination destination = Destination::fromSettings(c.printerSetting, c.option);
        EXPECT_EQ(destination, c.expected);

        ReportCapture capture;
        listReport({{"A", "Suco", 1, 5}}).output(destination);
        if (c.expected.kind == K::None) {
            EXPECT_TRUE(capture.reports().isEmpty());
            continue;
        }
        ASSERT_EQ(capture.reports().size(), 1);
        const CapturedReport &captured = capture.reports()[0];
        EXPECT_EQ(captured.destination, c.expected);
        EXPECT_EQ(captured.templateName, "Lista.json");
        EXPECT_TRUE(captured.text()[0].contains("Suco | 1 | 5,00"));
        EXPECT_TRUE(captured.pdf().startsWith("%PDF-"));
    }
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST(ReportPreview, PagesAndZoomsWithoutEditing)
{
    const Document document = listReport(manyRows(150)).prepare();
    const int pages = static_cast<int>(document.pages.size());
    ReportPreview preview(document, "Lista.json");
    preview.show();
    const auto action = [&](const char *name) { return preview.findChild<QAction *>(name); };
    auto *pageLabel = preview.findChild<QLabel *>("pageLabel");
    auto *canvas = preview.findChild<QLabel *>("pageCanvas");
    ASSERT_TRUE(pageLabel && canvas && action("actionPrint") && action("actionExportPdf"));

    EXPECT_EQ(pageLabel->text().trimmed(), QString("Página 1 de %1").arg(pages));
    EXPECT_FALSE(action("actionPriorPage")->isEnabled());
    action("actionNextPage")->trigger();
    EXPECT_EQ(preview.pageIndex(), 1);
    action("actionLastPage")->trigger();
    EXPECT_EQ(pageLabel->text().trimmed(), QString("Página %1 de %1").arg(pages));
    EXPECT_FALSE(action("actionNextPage")->isEnabled());

    const int width = canvas->width();
    action("actionZoomIn")->trigger();
    EXPECT_NEAR(canvas->width(), width * 1.25, 2);
    EXPECT_TRUE(preview.findChildren<QLineEdit *>().isEmpty());
    EXPECT_TRUE(preview.findChildren<QTextEdit *>().isEmpty());
}
