// The message dialog: its layout for each kind, its answers, and MostrarMensagem shown for real.

#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/Mensagem.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace ui;

namespace {

template <typename T = QWidget>
T *child(QWidget *parent, const char *name)
{
    T *w = parent->findChild<T *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Runs `act` on the message dialog once the modal loop has it on screen.
void whenShown(std::function<void(TFormMensagem *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<TFormMensagem *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

} // namespace

TEST(TFormMensagem, LayoutPerKindAndLineCount)
{
    struct Case
    {
        const char *kind;
        const char *text;
        bool yesNo;
        int lines;
    };
    const Case cases[] = {
        {"1", "Datas Conflitante", false, 1},
        {"2", "Excluir ?\nR$ 10,00", true, 2},
        {"", "um\r\ndois\rtres\n", true, 3}, // any kind but "1" asks; a final break adds no line
        {"1", "", false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        TFormMensagem dialog("ATENÇÃO", c.text, c.kind);
        dialog.show();
        auto *yes = child<QPushButton>(&dialog, "BitBtn1");
        auto *no = child<QPushButton>(&dialog, "BitBtn2");
        auto *memo = child<QLabel>(&dialog, "Memo1");
        auto *body = child(&dialog, "Panel1");

        EXPECT_EQ(yes->text(), c.yesNo ? "Sim" : "Ok");
        EXPECT_EQ(yes->accessibleName(), yes->text());
        EXPECT_TRUE(yes->isVisible());
        EXPECT_EQ(no->isVisible(), c.yesNo);
        if (c.yesNo) {
            EXPECT_EQ(no->text(), "Não");
            EXPECT_EQ(no->accessibleName(), "Não");
            EXPECT_LT(no->geometry().right(), yes->geometry().left());
        }
        EXPECT_GT(yes->geometry().left(), body->width() / 2);      // bottom right
        EXPECT_GT(yes->geometry().top(), memo->geometry().bottom()); // under the text
        EXPECT_EQ(memo->height(), 21 * c.lines);
        EXPECT_EQ(dialog.height(), 21 * c.lines + 150);
        EXPECT_EQ(memo->text().count(u'\n'), std::max(0, c.lines - 1));
    }
}

TEST(TFormMensagem, TitleIsTrimmedAndUpperCased)
{
    TFormMensagem dialog("  atenção  ", "x", "1");
    dialog.show();
    EXPECT_EQ(child<QLabel>(&dialog, "Panel4")->text(), "ATENÇÃO");
}

TEST(TFormMensagem, ColoursAndRoundingComeFromTheAppearance)
{
    const Appearance saved = appearance();
    appearance().CorBorda = 0x0000FF;
    appearance().CorTitulo = 0x00FF00;
    appearance().CorFundo = 0xFF0000;
    TFormMensagem dialog("t", "x", "1");
    dialog.show();
    appearance() = saved;

    const auto background = [&](const char *name) { return child(&dialog, name)->palette().color(QPalette::Window); };
    EXPECT_EQ(background("Panel3"), QColor(255, 0, 0));
    EXPECT_EQ(background("Panel4"), QColor(0, 255, 0));
    EXPECT_EQ(background("Panel1"), QColor(0, 0, 255));
    EXPECT_EQ(background("Memo1"), QColor(0, 0, 255));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    auto *rounding = dialog.findChild<TArredondadorControle *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(rounding, nullptr);
    EXPECT_EQ(rounding->raio(), 20);
    EXPECT_TRUE(rounding->comBorda());
    EXPECT_EQ(rounding->espessuraBorda(), 1);
    EXPECT_EQ(rounding->corBorda(), 0);
}

TEST(TFormMensagem, ButtonsAndEscapeAnswer)
{
    struct Case
    {
        const char *kind;
        const char *button; // nullptr: Escape
        const char *answer;
    };
    const Case cases[] = {
        {"1", "BitBtn1", "S"},
        {"2", "BitBtn1", "S"},
        {"2", "BitBtn2", "N"},
        {"2", nullptr, "N"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + (c.button ? c.button : "Esc"));
        TFormMensagem dialog("t", "Deseja Excluir Esse Registro ?", c.kind);
        dialog.show();
        if (c.button)
            QTest::mouseClick(child<QPushButton>(&dialog, c.button), Qt::LeftButton);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.resposta(), c.answer);
    }
}

TEST(MostrarMensagem, ShowsTheDialogModallyAndReturnsItsAnswer)
{
    QString shownTitle;
    whenShown([&](TFormMensagem *dialog) {
        shownTitle = dialog->findChild<QLabel *>("Panel4")->text();
        QTest::mouseClick(dialog->findChild<QPushButton *>("BitBtn2"), Qt::LeftButton);
    });
    EXPECT_EQ(MostrarMensagem("atenção", "Quarto nao cadastrado. Cadastrar?", "2"), "N");
    EXPECT_EQ(shownTitle, "ATENÇÃO");

    whenShown([](TFormMensagem *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
    });
    EXPECT_EQ(MostrarMensagem("ATENÇÃO", "Datas Conflitante", "1"), "S");
}
