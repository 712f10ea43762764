// The event history: the row written and the read-only viewer.

#include "data/Historico.h"
#include "data/TLogon.h"
#include "support/TestSite.h"
#include "ui/common/MessageBoxes.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class HistoricoTest : public ::testing::Test
{
protected:
    void SetUp() override { logon.DataModuleCreate(); }

    test::TestSite site;
    data::TLogon logon{site.home() + QStringLiteral("/site")};
};

} // namespace

TEST(HistoryTime, DateBlankTimeAndOnlyTheDateAtMidnight)
{
    const QDate day(2024, 3, 25);
    const std::pair<QTime, const char *> cases[] = {
        {QTime(14, 5, 9), "25/03/24 14:05:09"},
        {QTime(0, 0, 1), "25/03/24 00:00:01"},
        {QTime(0, 0, 0, 1), "25/03/24 00:00:00"},
        {QTime(0, 0), "25/03/24"},
        {QTime(23, 59, 59), "25/03/24 23:59:59"},
    };
    for (const auto &[time, text] : cases)
        EXPECT_EQ(data::historyTimeText(QDateTime(day, time)), QString::fromLatin1(text));
}

TEST_F(HistoricoTest, WritesTheRowWithTheWholeActionText)
{
    // 41 characters: the payment of 1500,00 on reservation 152.
    const QString payment = QStringLiteral("Informou Pgto R$ 1500,00 na Reserve N.152");
    ASSERT_EQ(payment.size(), 41);
    const QString longest = QStringLiteral("Informou Pgto R$ 9999999999,99 na Reserve N.2147483647");
    const QString quoted = QStringLiteral("Excluiu Pgto R$ 10,00 Reserva:'7");

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    for (const QString &action : {payment, longest, quoted})
        data::GravarHistorico(logon.Atualiza, QStringLiteral("MARIA"), action);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    const auto rows = logon.Logon.execute(QStringLiteral("select ID, HORA, OPERADOR, ACAO from HISTORICO order by ID"));
    ASSERT_EQ(rows.rows.size(), 3);
    const QStringList actions{payment, longest, quoted};
    static const QRegularExpression format(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d( \\d\\d:\\d\\d:\\d\\d)?$"));
    for (int i = 0; i < 3; ++i) {
        const auto &row = rows.rows[i];
        EXPECT_EQ(row[0].toInt(), i + 1);
        const QString hora = row[1].toString();
        EXPECT_TRUE(format.match(hora).hasMatch()) << hora.toStdString();
        QDateTime when = QDateTime::fromString(hora, QStringLiteral("dd/MM/yy HH:mm:ss"));
        when = when.addYears(100); // two-digit years read as 19xx
        EXPECT_TRUE(when >= before.addSecs(-1) && when <= after) << hora.toStdString();
        EXPECT_EQ(row[2].toString(), QStringLiteral("MARIA"));
        EXPECT_EQ(row[3].toString(), actions[i]);
    }
}

TEST_F(HistoricoTest, ViewerShowsTheFirst200RowsReadOnlyAndCloses)
{
    for (int i = 0; i < 205; ++i)
        data::GravarHistorico(logon.Atualiza, QStringLiteral("ADMIN"), QStringLiteral("Editou Reserve N.%1").arg(i));

    data::TFormHistorico form;
    auto *grid = form.findChild<QTableView *>(QStringLiteral("DBGrid1"));
    ASSERT_NE(grid, nullptr);
    const QAbstractItemModel *model = grid->model();
    EXPECT_EQ(model->rowCount(), 200);
    QStringList titles;
    for (int c = 0; c < model->columnCount(); ++c)
        titles << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{"REG_N.", "HORA", "OPERADOR", "ACAO"}));
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(form.findChildren<QPushButton *>().size(), 1); // the close button only

    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("LOG DO SISTEMA"));
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("SpeedButton3")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST(HistoricoWithoutDatabase, ViewerReportsTheErrorInsteadOfOpening)
{
    QTemporaryDir home;
    data::TLogon logon(home.path());
    logon.DataModuleCreate();
    ui::ScriptedDialogs dialogs;
    data::TFormHistorico form;
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QLatin1String("DBTrevandoria.FDB")));
}
