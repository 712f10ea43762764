// The login through the real screen, offscreen, and the session values.

#include "AccessSite.h"
#include "access/Sessao.h"
#include "access/TFormProtecao.h"
#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using acesso::TFormProtecao;
using ui::DialogKind;

namespace {

struct LoginScreen
{
    explicit LoginScreen(QWidget *parent = nullptr) : form(parent) { form.show(); }

    QLineEdit *nome() { return form.findChild<QLineEdit *>(QStringLiteral("EditNome")); }
    QLineEdit *senha() { return form.findChild<QLineEdit *>(QStringLiteral("EditSenha")); }
    QPushButton *entrar() { return form.findChild<QPushButton *>(QStringLiteral("SpeedButton2")); }

    // Types as an operator does and presses Enter in the password box.
    void attempt(const QString &name, const QString &password)
    {
        nome()->clear();
        QTest::keyClicks(nome(), name);
        QTest::keyClick(nome(), Qt::Key_Return);
        senha()->clear();
        QTest::keyClicks(senha(), password);
        QTest::keyClick(senha(), Qt::Key_Return);
    }

    TFormProtecao form;
};

class LoginTest : public test::AccessSite
{
};

} // namespace

TEST_F(LoginTest, MatchesTheTrimmedUpperCaseInputExactlyAgainstTheStoredUser)
{
    addUser(QStringLiteral("MARIA"), QStringLiteral("SEGREDO"), 1);
    addUser(QStringLiteral("joao"), QStringLiteral("abc"), 0);
    addUser(QStringLiteral("NULO"), QStringLiteral("X1"), std::nullopt);
    addUser(QStringLiteral("O'BRIEN"), QStringLiteral("PA'SS"), 0);

    struct Case
    {
        const char *what;
        const char *name;
        const char *password;
        const char *user;    // logged-in user, nullptr when the login fails
        int accessType;
        DialogKind kind;     // the one message shown when the login fails
        const char *message;
    } cases[] = {
        {"right, typed in lower case", "maria", "segredo", "MARIA", 1, {}, nullptr},
        {"blanks around", "  maria ", " segredo  ", "MARIA", 1, {}, nullptr},
        {"empty access type is full access", "nulo", "x1", "NULO", 0, {}, nullptr},
        {"apostrophes", "o'brien", "pa'ss", "O'BRIEN", 0, {}, nullptr},
        {"wrong password", "maria", "errada", nullptr, 0, DialogKind::Warning, "Usuário ou senha incorretos."},
        {"user stored in lower case", "joao", "abc", nullptr, 0, DialogKind::Warning, "Usuário ou senha incorretos."},
        {"no name", "   ", "segredo", nullptr, 0, DialogKind::MessageOk, "Informe o nome do usuário. "},
        {"no password", "maria", "  ", nullptr, 0, DialogKind::MessageOk, "nforme a senha. "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui::ScriptedDialogs dialogs;
        LoginScreen screen;
        screen.attempt(QString::fromUtf8(c.name), QString::fromUtf8(c.password));
        if (c.user) {
            EXPECT_TRUE(dialogs.shown().isEmpty());
            EXPECT_EQ(screen.form.result(), QDialog::Accepted);
            EXPECT_FALSE(screen.form.isVisible());
            EXPECT_EQ(acesso::loggedIn(), QStringLiteral("S"));
            EXPECT_EQ(acesso::loginUserName(), QString::fromUtf8(c.user));
            EXPECT_EQ(acesso::accessType(), c.accessType);
        } else {
            ASSERT_EQ(dialogs.shown().size(), 1);
            EXPECT_EQ(dialogs.shown()[0].kind, c.kind);
            EXPECT_EQ(dialogs.shown()[0].text, QString::fromUtf8(c.message));
            if (c.kind == DialogKind::MessageOk) {
                EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ATENÇÃO"));
            }
            EXPECT_TRUE(screen.form.isVisible());
            EXPECT_EQ(acesso::loggedIn(), QStringLiteral("N"));
            EXPECT_EQ(acesso::loginUserName(), QString());
            EXPECT_EQ(screen.form.attempts(), c.kind == DialogKind::Warning ? 1 : 0);
            if (c.kind == DialogKind::Warning) {
                EXPECT_TRUE(screen.senha()->text().isEmpty());
            }
        }
    }
}

TEST_F(LoginTest, FourWrongAttemptsEndTheProgramAndARightOneResetsTheCount)
{
    {
        ui::ScriptedDialogs dialogs;
        LoginScreen screen;
        for (int i = 0; i < 3; ++i)
            screen.attempt(QStringLiteral("admin"), QStringLiteral("errada"));
        EXPECT_EQ(screen.form.attempts(), 3);
        EXPECT_TRUE(screen.form.isVisible());
        screen.attempt(QStringLiteral("admin"), QStringLiteral("errada"));
        EXPECT_FALSE(screen.form.isVisible());
        EXPECT_EQ(screen.form.result(), QDialog::Rejected);
        EXPECT_TRUE(screen.form.endRequested());
        ASSERT_EQ(dialogs.shown().size(), 5);
        EXPECT_EQ(dialogs.shown()[3].text, QStringLiteral("Usuário ou senha incorretos."));
        EXPECT_EQ(dialogs.shown()[4].kind, DialogKind::Critical);
        EXPECT_EQ(dialogs.shown()[4].text, QStringLiteral("Número de tentativas esgotado."));
    }
    {
        ui::ScriptedDialogs dialogs;
        LoginScreen screen;
        for (int i = 0; i < 3; ++i)
            screen.attempt(QStringLiteral("admin"), QStringLiteral("errada"));
        screen.attempt(QStringLiteral("admin"), QStringLiteral("admin"));
        EXPECT_EQ(screen.form.result(), QDialog::Accepted);
        EXPECT_FALSE(screen.form.endRequested());
        EXPECT_EQ(screen.form.attempts(), 0);
        EXPECT_EQ(acesso::loginUserName(), QStringLiteral("ADMIN"));
    }
}

TEST_F(LoginTest, ASecondEnterWhileAnAttemptIsProcessedHasNoEffect)
{
    LoginScreen screen;
    bool busy = false;
    qsizetype secondAttemptDialogs = -1;
    // The wrong-attempt warning is a real box: while it waits, the attempt is still running.
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        busy = screen.form.processing() && !screen.entrar()->isEnabled();
        {
            ui::ScriptedDialogs inner;
            screen.senha()->setText(QStringLiteral("ERRADA"));
            QTest::keyClick(screen.senha(), Qt::Key_Return);
            screen.form.SpeedButton2Click();
            secondAttemptDialogs = inner.shown().size();
        }
        box->accept();
    });
    screen.attempt(QStringLiteral("admin"), QStringLiteral("errada"));
    EXPECT_TRUE(busy);
    EXPECT_EQ(secondAttemptDialogs, 0);
    EXPECT_EQ(screen.form.attempts(), 1);
    EXPECT_FALSE(screen.form.processing());
    EXPECT_TRUE(screen.entrar()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoginTest, TypedTextTurnsUpperCaseAndStopsAtTheColumnWidths)
{
    LoginScreen screen;
    QTest::keyClicks(screen.nome(), QStringLiteral("abcdefghijklmnopqrst"));
    QTest::keyClicks(screen.senha(), QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(screen.nome()->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(screen.senha()->text(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(screen.senha()->echoMode(), QLineEdit::Password);
}

TEST(LoginWithoutDatabase, ADatabaseErrorIsReportedAndNeverCountsAsAnAttempt)
{
    QTemporaryDir home; // no database in it
    data::TLogon logon(home.path());
    logon.DataModuleCreate();
    ui::ScriptedDialogs dialogs;
    LoginScreen screen;
    for (int i = 0; i < 5; ++i)
        screen.attempt(QStringLiteral("admin"), QStringLiteral("admin"));
    ASSERT_EQ(dialogs.shown().size(), 5);
    for (const ui::ShownDialog &d : dialogs.shown()) {
        EXPECT_EQ(d.kind, DialogKind::MessageOk);
        EXPECT_EQ(d.title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(d.text, QStringLiteral("Erro ao entrar no sistema: "));
    }
    EXPECT_EQ(screen.form.attempts(), 0);
    EXPECT_TRUE(screen.form.isVisible());
    EXPECT_TRUE(screen.entrar()->isEnabled());
    EXPECT_EQ(acesso::loggedIn(), QStringLiteral("N"));
}

TEST_F(LoginTest, LogoComesFromTheFirstLineOfTemplogoAndAnyFaultLeavesItEmpty)
{
    const QString home = logon.home();
    const QString picture = home + QStringLiteral("/logo.png");
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));
    const QString notAPicture = home + QStringLiteral("/SetupRede.txt");
    QFile(notAPicture).open(QIODevice::WriteOnly);

    struct Case
    {
        const char *what;
        std::optional<QByteArray> file; // nullopt: no templogo.ini
        bool shown;
    } cases[] = {
        {"no file", std::nullopt, false},
        {"empty file", QByteArray(), false},
        {"picture, blanks around, more lines", ("  " + picture + "  \r\nother\n").toUtf8(), true},
        {"missing picture", (home + "/nothing.png\n").toUtf8(), false},
        {"not a picture", notAPicture.toUtf8(), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(home + QStringLiteral("/templogo.ini"));
        if (c.file) {
            QFile f(home + QStringLiteral("/templogo.ini"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(*c.file);
        }
        ui::ScriptedDialogs dialogs;
        LoginScreen screen;
        EXPECT_EQ(!screen.form.findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().isNull(), c.shown);
        EXPECT_TRUE(dialogs.shown().isEmpty());
    }
}

TEST_F(LoginTest, RunLoginTellsWhetherAnOperatorLoggedIn)
{
    auto onLogin = [](std::function<void(TFormProtecao *)> act) {
        QTimer::singleShot(0, [act] {
            auto *form = qobject_cast<TFormProtecao *>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            act(form);
        });
    };
    auto type = [](TFormProtecao *form, const char *name, const char *password) {
        QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("EditNome")), QString::fromLatin1(name));
        auto *senha = form->findChild<QLineEdit *>(QStringLiteral("EditSenha"));
        QTest::keyClicks(senha, QString::fromLatin1(password));
        QTest::keyClick(senha, Qt::Key_Return);
    };

    onLogin([&](TFormProtecao *f) { type(f, "admin", "admin"); });
    EXPECT_TRUE(acesso::RunLogin(nullptr));
    EXPECT_EQ(acesso::loginUserName(), QStringLiteral("ADMIN"));
    EXPECT_EQ(acesso::accessType(), 0);

    onLogin([](TFormProtecao *f) {
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    });
    EXPECT_FALSE(acesso::RunLogin(nullptr));
    EXPECT_EQ(acesso::loggedIn(), QStringLiteral("N"));

    onLogin([&](TFormProtecao *f) {
        QTest::keyClicks(f->findChild<QLineEdit *>(QStringLiteral("EditNome")), QStringLiteral("adm"));
        QTest::keyClick(f->findChild<QLineEdit *>(QStringLiteral("EditNome")), Qt::Key_Escape);
    });
    EXPECT_FALSE(acesso::RunLogin(nullptr));

    onLogin([](TFormProtecao *f) { f->close(); });
    EXPECT_FALSE(acesso::RunLogin(nullptr));

    ui::ScriptedDialogs dialogs;
    onLogin([&](TFormProtecao *f) {
        for (int i = 0; i < 4; ++i)
            type(f, "admin", "x");
    });
    EXPECT_FALSE(acesso::RunLogin(nullptr));
    EXPECT_EQ(dialogs.shown().last().text, QStringLiteral("Número de tentativas esgotado."));
}

TEST(LoginWithoutDataModule, EndsWithTheModuleMessage)
{
    ui::ScriptedDialogs dialogs;
    EXPECT_FALSE(acesso::RunLogin(nullptr));
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Módulo de conexão não foi inicializado."));
}

TEST(OperatorName, IsKeptAsGivenAndCountsOnlyWhenNotBlank)
{
    const std::pair<const char *, bool> cases[] = {{"", false}, {"   ", false}, {" maria ", true}, {"ADMIN", true}};
    for (const auto &[name, has] : cases) {
        acesso::SetOperatorName(QString::fromLatin1(name));
        EXPECT_EQ(acesso::GetOperatorName(), QString::fromLatin1(name));
        EXPECT_EQ(acesso::HasOperator(), has) << name;
    }
}
