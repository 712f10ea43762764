// User maintenance through its screen.

#include "AccessSite.h"
#include "access/Sessao.h"
#include "access/TFormAcessos.h"
#include "access/TFormManSen.h"
#include "access/TFormProtecao.h"
#include "access/Usuarios.h"
#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using acesso::TFormManSen;

namespace {

class ManSenTest : public test::AccessSite
{
protected:
    void SetUp() override
    {
        AccessSite::SetUp();
        caixa = addUser(QStringLiteral("CAIXA"), QStringLiteral("C1"), 1);
        nulo = addUser(QStringLiteral("NULO"), QStringLiteral("N1"), std::nullopt);
    }

    struct Screen
    {
        Screen() { form.show(); }
        template <typename W> W *get(const char *name) { return form.findChild<W *>(QString::fromLatin1(name)); }
        QTableView *grid() { return get<QTableView>("DBGrid1"); }
        QLineEdit *nome() { return get<QLineEdit>("DBEdit1"); }
        QLineEdit *senha() { return get<QLineEdit>("DBEdit2"); }
        QRadioButton *choice(int i) { return get<QRadioButton>(i == 0 ? "RadioGroup1_0" : "RadioGroup1_1"); }
        void click(const char *button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
        void clickRow(int row)
        {
            const QRect cell = grid()->visualRect(grid()->model()->index(row, 0));
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
        }
        // The access type shown: "total", "caixa" or "none".
        QString shownType()
        {
            return choice(0)->isChecked() ? QStringLiteral("total")
                                          : choice(1)->isChecked() ? QStringLiteral("caixa") : QStringLiteral("none");
        }
        QStringList names()
        {
            QStringList out;
            for (int r = 0; r < grid()->model()->rowCount(); ++r)
                out << grid()->model()->index(r, 0).data().toString();
            return out;
        }
        int currentRow() { return grid()->currentIndex().row(); }

        TFormManSen form;
    };

    // What the box receives when the operator tabs or clicks away from it.
    static void leaveNameBox(Screen &s)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(s.nome(), &out);
    }

    int caixa = 0;
    int nulo = 0;
};

} // namespace

TEST_F(ManSenTest, EverySelectionShowsItsRowAndAccessType)
{
    Screen s;
    EXPECT_EQ(s.names(), (QStringList{"ADMIN", "CAIXA", "NULO"}));
    EXPECT_EQ(s.grid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("CRIPTY"));
    EXPECT_EQ(s.currentRow(), 0);
    EXPECT_EQ(s.shownType(), QStringLiteral("total"));
    EXPECT_FALSE(s.nome()->isEnabled());
    EXPECT_EQ(s.senha()->echoMode(), QLineEdit::Password);

    const struct
    {
        int row;
        const char *name;
        const char *password;
        const char *type;
    } rows[] = {{1, "CAIXA", "C1", "caixa"}, {2, "NULO", "N1", "total"}, {0, "ADMIN", "ADMIN", "total"}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        s.clickRow(r.row);
        EXPECT_EQ(s.currentRow(), r.row);
        EXPECT_EQ(s.nome()->text(), QString::fromLatin1(r.name));
        EXPECT_EQ(s.senha()->text(), QString::fromLatin1(r.password));
        EXPECT_EQ(s.shownType(), QString::fromLatin1(r.type));
    }
    QTest::keyClick(s.grid(), Qt::Key_Down);
    EXPECT_EQ(s.nome()->text(), QStringLiteral("CAIXA"));
    EXPECT_EQ(s.shownType(), QStringLiteral("caixa"));
}

TEST_F(ManSenTest, NovoInsertsAtOnceAndConfirmarSavesTheQuotedUpdate)
{
    Screen s;
    const int before = userCount();
    s.click("BitBtn3");
    EXPECT_EQ(userCount(), before + 1);
    EXPECT_EQ(s.names().size(), before + 1);
    EXPECT_EQ(s.names().at(s.currentRow()), QString()); // the new row, still unnamed
    const int id = logon.Sorquil.field(QStringLiteral("ID")).asInteger();
    EXPECT_EQ(userRow(id), QStringLiteral("|||"));
    ASSERT_TRUE(s.nome()->isEnabled());

    // The access type chosen before the name is typed survives leaving the name box.
    s.choice(1)->click();
    QTest::keyClicks(s.nome(), QStringLiteral("o'neil"));
    leaveNameBox(s);
    EXPECT_FALSE(s.nome()->isEnabled());
    EXPECT_EQ(s.shownType(), QStringLiteral("caixa"));
    QTest::keyClicks(s.senha(), QStringLiteral("a'b"));
    s.click("BitBtn5");
    EXPECT_EQ(userRow(id), QStringLiteral("O'NEIL|A'B|N|1"));
    EXPECT_EQ(s.names().at(s.currentRow()), QStringLiteral("O'NEIL"));
    EXPECT_EQ(s.shownType(), QStringLiteral("caixa"));

    s.choice(0)->click();
    s.click("BitBtn5");
    EXPECT_EQ(userRow(id), QStringLiteral("O'NEIL|A'B|N|0"));
    acesso::SetLoginStatement(logon.Atualiza);
    EXPECT_TRUE(acesso::OpenLoginUser(logon.Atualiza, QStringLiteral(" o'neil"), QStringLiteral("a'b ")));
}

TEST_F(ManSenTest, TheNameBoxOpensOnlyForNovoAndLeavingItShowsTheStoredType)
{
    Screen s;
    s.clickRow(1);
    s.choice(0)->click();
    leaveNameBox(s);
    EXPECT_EQ(s.shownType(), QStringLiteral("total")); // the operator's choice stays
    s.click("BitBtn3");
    EXPECT_TRUE(s.nome()->isEnabled());
    leaveNameBox(s);
    EXPECT_FALSE(s.nome()->isEnabled());
    s.clickRow(1);
    leaveNameBox(s);
    EXPECT_EQ(s.shownType(), QStringLiteral("caixa")); // without a choice: the stored type
    // A stray key on "&Novo" never opens the box of an existing user.
    QTest::keyClick(s.get<QPushButton>("BitBtn3"), Qt::Key_A);
    EXPECT_FALSE(s.nome()->isEnabled());
}

TEST_F(ManSenTest, NovoThenRetornarLeavesAnUnnamedUser)
{
    const int before = userCount();
    {
        Screen s;
        s.click("BitBtn3");
        s.click("BitBtn1");
        EXPECT_FALSE(s.form.isVisible());
        EXPECT_FALSE(logon.Sorquil.isOpen());
    }
    EXPECT_EQ(userCount(), before + 1);
    const auto rs =
        logon.Logon.execute(QStringLiteral("select count(*) from SORQUIL where NOME is null and SENHA is null"));
    EXPECT_EQ(rs.rows[0][0].toInt(), 1);
    Screen again;
    EXPECT_TRUE(again.names().contains(QString()));
    again.click("SpeedButton3"); // the title band's close acts like Retornar
    EXPECT_FALSE(again.form.isVisible());
}

TEST_F(ManSenTest, ExcluirAsksAndDeletesOnlyOnSim)
{
    acesso::setLoginUserName(QStringLiteral("ADMIN"));
    acesso::SetOperatorName(QStringLiteral("ADMIN"));
    Screen s;
    ui::ScriptedDialogs dialogs;
    s.clickRow(1);
    dialogs.answer(QStringLiteral("N"));
    s.click("BitBtn2");
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::MessageYesNo);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Excluir Usuario?"));
    EXPECT_EQ(userRow(caixa), QStringLiteral("CAIXA|C1|N|1"));
    EXPECT_EQ(s.currentRow(), 0); // the list reopens on its first row

    s.clickRow(1);
    dialogs.answer(QStringLiteral("S"));
    s.click("BitBtn2");
    EXPECT_EQ(userRow(caixa), QStringLiteral("none"));
    EXPECT_EQ(s.names(), (QStringList{"ADMIN", "NULO"}));

    // The logged-in user may go; the session keeps its values.
    dialogs.answer(QStringLiteral("S"));
    s.click("BitBtn2");
    EXPECT_EQ(s.names(), QStringList{"NULO"});
    EXPECT_EQ(acesso::loginUserName(), QStringLiteral("ADMIN"));
    EXPECT_EQ(acesso::GetOperatorName(), QStringLiteral("ADMIN"));
}

TEST_F(ManSenTest, TypingThenChangingRowSavesNameAndPasswordButNotTheAccessType)
{
    Screen s;
    s.clickRow(1);
    s.senha()->selectAll();
    QTest::keyClicks(s.senha(), QStringLiteral("novo'1"));
    s.choice(0)->click();
    s.clickRow(2);
    EXPECT_EQ(userRow(caixa), QStringLiteral("CAIXA|NOVO'1|N|1"));
    EXPECT_EQ(s.currentRow(), 2);
    EXPECT_EQ(s.nome()->text(), QStringLiteral("NULO"));
    EXPECT_EQ(userRow(nulo), QStringLiteral("NULO|N1|N|"));

    // Moving on without typing writes nothing.
    s.clickRow(0);
    EXPECT_EQ(userRow(nulo), QStringLiteral("NULO|N1|N|"));
}

TEST_F(ManSenTest, SizedInTheWorkAreaWithTheSpareWidthForTheName)
{
    Screen s;
    const QRect area = s.form.screen()->availableGeometry();
    EXPECT_LE(s.form.width(), std::min(1000, area.width()));
    EXPECT_LE(s.form.height(), std::min(600, area.height()));
    EXPECT_EQ(s.form.geometry().center(), area.center());
    EXPECT_EQ(s.form.windowTitle(), QStringLiteral("Cadastro de Usúarios Acesso ao Sistema"));
    EXPECT_EQ(s.get<QLabel>("Label1")->text(), QStringLiteral("Cadastro Usuario do Sistema"));
    const QFontMetrics metrics(s.grid()->font());
    EXPECT_LT(s.grid()->columnWidth(1), metrics.horizontalAdvance(QStringLiteral("CRIPTYAAA")));
    EXPECT_GT(s.grid()->columnWidth(0), s.grid()->viewport()->width() / 2);
}

TEST_F(ManSenTest, EveryControlOfTheAccessScreensHasAnAccessibleName)
{
    acesso::TFormProtecao login;
    acesso::TFormAcessos authorisation;
    TFormManSen users;
    for (QDialog *form : std::initializer_list<QDialog *>{&login, &authorisation, &users}) {
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (w->objectName().isEmpty()) // the grid's own parts
                continue;
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QTableView *>(w)) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            }
        }
    }
}

TEST(ManSenWithoutDatabase, ReportsTheErrorAndDoesNotOpen)
{
    QTemporaryDir home;
    data::TLogon logon(home.path());
    logon.DataModuleCreate();
    ui::ScriptedDialogs dialogs;
    TFormManSen form;
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Critical);
}
