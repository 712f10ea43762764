// The network setup screen driven as an operator does, and the file it writes.

#include "data/NetworkSettings.h"
#include "ui/common/MessageBoxes.h"
#include "ui/setup/TFormSetupRede.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using ui::TFormSetupRede;

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<none>");
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

struct Screen
{
    explicit Screen(const QString &home) : form(home)
    {
        form.show();
        edit = form.findChild<QLineEdit *>(QStringLiteral("edtServerIP"));
        terminal = form.findChild<QRadioButton *>(QStringLiteral("rgComputerType0"));
        server = form.findChild<QRadioButton *>(QStringLiteral("rgComputerType1"));
        save = form.findChild<QPushButton *>(QStringLiteral("btnSave"));
    }
    // On the indicator: a radio button only takes clicks on its indicator and caption.
    static void choose(QRadioButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
    void type(const QString &text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    TFormSetupRede form;
    QLineEdit *edit;
    QRadioButton *terminal;
    QRadioButton *server;
    QPushButton *save;
};

} // namespace

TEST(SetupRede, OpensInTheModeTheFileSays)
{
    struct Case
    {
        const char *what;
        const char *content; // nullptr: no file
        TFormSetupRede::Mode mode;
        const char *box;
    } cases[] = {
        {"no file", nullptr, TFormSetupRede::Servidor, "127.0.0.1"},
        {"empty file", "", TFormSetupRede::Terminal, ""},
        {"role 1 with blanks", "127.0.0.1\n 1 \n", TFormSetupRede::Servidor, "127.0.0.1"},
        {"role 2", "192.168.1.10\n2\n", TFormSetupRede::Terminal, "192.168.1.10"},
        {"role 01", "192.168.1.10\n01\n", TFormSetupRede::Terminal, "192.168.1.10"},
        {"one line", "192.168.1.10\n", TFormSetupRede::Terminal, "192.168.1.10"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir home;
        if (c.content)
            writeFile(home.path() + QStringLiteral("/SetupRede.ini"), c.content);
        Screen s(home.path());
        EXPECT_EQ(s.form.mode(), c.mode);
        EXPECT_EQ(s.edit->text(), QString::fromLatin1(c.box));
        EXPECT_EQ(s.edit->isEnabled(), c.mode == TFormSetupRede::Terminal);
    }
}

TEST(SetupRede, TerminalAddressSurvivesASwitchToServerAndBack)
{
    QTemporaryDir home;
    writeFile(home.path() + QStringLiteral("/setuprede.ini"), "");
    Screen s(home.path());
    s.type(QStringLiteral("192.168.1.10"));
    Screen::choose(s.server);
    EXPECT_EQ(s.edit->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(s.form.findChild<QLabel *>(QStringLiteral("lblModeInfoTitle"))->text(), QStringLiteral("Computador servidor"));
    Screen::choose(s.terminal);
    EXPECT_EQ(s.edit->text(), QStringLiteral("192.168.1.10"));
    // Letters cannot be typed at all.
    QTest::keyClicks(s.edit, QStringLiteral("abc"));
    EXPECT_EQ(s.edit->text(), QStringLiteral("192.168.1.10"));
}

TEST(SetupRede, RefusesAddressesThatAreNotAServersAndKeepsTheScreen)
{
    const QString invalid = QStringLiteral("O endereço informado não é um IPv4 válido.\nUse quatro números entre 0 e "
                                           "255, por exemplo: 192.168.1.10.");
    const QString own = QStringLiteral("Esse endereço aponta para o próprio terminal.\nInforme o IPv4 do computador "
                                       "servidor na rede local.");
    const std::pair<const char *, QString> cases[] = {
        {"", QStringLiteral("Informe o endereço IPv4 do computador servidor.")},
        {"192.168.1", invalid},
        {"192.168.1.10.5", invalid},
        {"192.168.1.256", invalid},
        {"192..1.10", invalid},
        {"1.2.3.4.", invalid},
        {"127.0.0.5", own},
        {"0.0.0.0", own},
        {"255.255.255.255", own},
    };
    QTemporaryDir home;
    writeFile(home.path() + QStringLiteral("/SetupRede.ini"), "10.0.0.9\n0\n");
    Screen s(home.path());
    for (const auto &[typed, message] : cases) {
        SCOPED_TRACE(typed);
        ui::ScriptedDialogs dialogs;
        s.type(QString::fromLatin1(typed));
        QTest::mouseClick(s.save, Qt::LeftButton);
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Warning);
        EXPECT_EQ(dialogs.shown()[0].text, message);
        EXPECT_EQ(s.form.result(), 0);
    }
    EXPECT_EQ(readFile(home.path() + QStringLiteral("/SetupRede.ini")), QStringLiteral("10.0.0.9\n0\n"));
}

TEST(SetupRede, SavesTheNormalisedAddressOrTheServerLinesAnew)
{
    struct Case
    {
        bool server;
        const char *typed;
        const char *file;
    } cases[] = {
        {false, "010.000.000.001", "10.0.0.1\n0\n"},
        {false, "192.168.001.010", "192.168.1.10\n0\n"},
        {true, "192.168.1.10", "127.0.0.1\n1\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        QTemporaryDir home;
        writeFile(home.path() + QStringLiteral("/SETUPREDE.INI"), "old\nold\nold\n");
        Screen s(home.path());
        s.type(QString::fromLatin1(c.typed));
        if (c.server)
            Screen::choose(s.server);
        ui::ScriptedDialogs dialogs;
        QTest::mouseClick(s.save, Qt::LeftButton);
        EXPECT_EQ(s.form.result(), QDialog::Accepted);
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Information);
        EXPECT_EQ(readFile(home.path() + QStringLiteral("/SETUPREDE.INI")), QString::fromLatin1(c.file));
        EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), 1);
    }
}

TEST(SetupRede, SaveIntoAFolderThatCannotBeMadeShowsTheErrorAndStaysOpen)
{
    QTemporaryDir tmp;
    writeFile(tmp.path() + QStringLiteral("/file"), "x");
    Screen s(tmp.path() + QStringLiteral("/file/home"));
    ui::ScriptedDialogs dialogs;
    QTest::mouseClick(s.save, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Não foi possível salvar a configuração de rede.\n\n")));
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QLatin1String("file/home")));
    EXPECT_EQ(s.form.result(), 0);
}

TEST(SetupRede, IPv4CheckNormalisesAnyNumberOfLeadingZeros)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0010.0.0.1", "10.0.0.1"}, {" 192.168.001.010 ", "192.168.1.10"}, {"000255.0.0.0", "255.0.0.0"},
        {"1.2.3.256", nullptr},     {"1.2.3.4a", nullptr},                 {"1.2.3", nullptr},
        {"1.2.3.4.5", nullptr},     {"1..3.4", nullptr},                   {"99999999999.1.1.1", nullptr},
    };
    for (const auto &[in, out] : cases) {
        const auto got = TFormSetupRede::normaliseIPv4(QString::fromLatin1(in));
        EXPECT_EQ(got.has_value(), out != nullptr) << in;
        if (got && out) {
            EXPECT_EQ(*got, QString::fromLatin1(out)) << in;
        }
    }
}
