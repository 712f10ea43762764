// Supervisor authorisation through its screen.

#include "AccessSite.h"
#include "access/Sessao.h"
#include "access/TFormAcessos.h"
#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

using acesso::TFormAcessos;

namespace {

class AcessosTest : public test::AccessSite
{
protected:
    // Runs the whole request with the given typing, as the main window asks for it.
    bool authorise(const QString &name, const QString &password)
    {
        QTimer::singleShot(0, [=] {
            auto *form = qobject_cast<TFormAcessos *>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            auto *nome = form->findChild<QLineEdit *>(QStringLiteral("EditNome"));
            auto *senha = form->findChild<QLineEdit *>(QStringLiteral("EditSenha"));
            QTest::keyClicks(nome, name);
            QTest::keyClick(nome, Qt::Key_Return);
            QTest::keyClicks(senha, password);
            QTest::keyClick(senha, Qt::Key_Return);
            if (form->isVisible()) // refused: the screen stays for another try
                QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
        });
        return acesso::AskAuthorisation(nullptr);
    }
};

} // namespace

TEST_F(AcessosTest, OnlyAFullAccessUserAuthorisesTheFirstInNameOrderCounting)
{
    addUser(QStringLiteral("CAIXA"), QStringLiteral("C1"), 1);
    addUser(QStringLiteral("NULO"), QStringLiteral("N1"), std::nullopt);
    // Equal once trimmed and upper-cased: the one first in name order decides.
    addUser(QStringLiteral("CARLOS"), QStringLiteral("S1"), 0);
    addUser(QStringLiteral(" carlos"), QStringLiteral("s1 "), 1);
    addUser(QStringLiteral(" bia"), QStringLiteral("b1"), 0);
    addUser(QStringLiteral("SEM SENHA"), QString(), 0);
    addUser(QStringLiteral("O'NEIL"), QStringLiteral("A'B"), 0);

    struct Case
    {
        const char *what;
        const char *name;
        const char *password;
        bool authorised;
        bool wrongMessage;
    } cases[] = {
        {"full access", "admin", "admin", true, false},
        {"blanks typed around", "  admin ", " admin", true, false},
        {"cash only is refused silently", "caixa", "c1", false, false},
        {"empty access type is full access", "nulo", "n1", true, false},
        {"first in name order has cash only", "carlos", "s1", false, false},
        {"stored in lower case with blanks still matches", "bia", "b1", true, false},
        {"apostrophes", "o'neil", "a'b", true, false},
        {"empty password matches a user without one", "sem senha", "", true, false},
        {"wrong password", "admin", "x", false, true},
        {"empty name never matches", "", "", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui::ScriptedDialogs dialogs;
        EXPECT_EQ(authorise(QString::fromUtf8(c.name), QString::fromUtf8(c.password)), c.authorised);
        EXPECT_EQ(acesso::authorisationResult(), c.authorised ? QStringLiteral("S") : QStringLiteral("N"));
        if (c.wrongMessage) {
            ASSERT_EQ(dialogs.shown().size(), 1);
            EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::MessageOk);
            EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ATENÇÃO"));
            EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Usuário ou Senha -> Está Incorreta"));
        } else {
            EXPECT_TRUE(dialogs.shown().isEmpty());
        }
        EXPECT_FALSE(logon.Sorquil.isOpen());
    }
}

TEST_F(AcessosTest, CoversTheWorkAreaAndCancelLeavesNo)
{
    acesso::setAuthorisationResult(QStringLiteral("N"));
    TFormAcessos form;
    form.show();
    EXPECT_EQ(form.geometry(), form.screen()->availableGeometry());
    EXPECT_EQ(form.findChild<QLineEdit *>(QStringLiteral("EditSenha"))->echoMode(), QLineEdit::Password);
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("EditNome")), QStringLiteral("admin"));
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("EditSenha")), QStringLiteral("admin"));
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(acesso::authorisationResult(), QStringLiteral("N"));
}

TEST(AcessosWithoutDatabase, ADatabaseErrorIsReportedAndTheScreenStays)
{
    QTemporaryDir home;
    data::TLogon logon(home.path());
    logon.DataModuleCreate();
    ui::ScriptedDialogs dialogs;
    TFormAcessos form;
    form.show();
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("EditNome")), QStringLiteral("admin"));
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Critical);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(acesso::authorisationResult(), QStringLiteral("N"));
}
