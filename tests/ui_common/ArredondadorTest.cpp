// Corner rounding: one rounding object per control, the shape following resizes, and
// the border line drawn over the control's children.

#include "ui/common/Arredondador.h"

#include <QFrame>
#include <QImage>
#include <gtest/gtest.h>

using namespace ui;

namespace {

QList<TArredondadorControle *> roundings(QWidget *w)
{
    return w->findChildren<TArredondadorControle *>(QString(), Qt::FindDirectChildrenOnly);
}

// A 200×100 window filled by a white panel.
struct Window
{
    Window()
    {
        form.resize(200, 100);
        panel = new QFrame(&form);
        panel->setGeometry(form.rect());
        panel->setStyleSheet("background: white");
    }
    QColor pixel(int x, int y) { return form.grab().toImage().pixelColor(x, y); }

    QWidget form;
    QFrame *panel;
};

const QColor red(255, 0, 0);
constexpr int redNumber = 0x0000FF;

} // namespace

TEST(Rounding, SecondCallReconfiguresTheOneRoundingObject)
{
    QWidget form;
    ArredondarForm(&form, 20, true, 1, 0);
    ArredondarForm(&form, 25, false, 3, redNumber);
    const auto found = roundings(&form);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0]->raio(), 25);
    EXPECT_FALSE(found[0]->comBorda());
    EXPECT_EQ(found[0]->espessuraBorda(), 3);
    EXPECT_EQ(found[0]->corBorda(), redNumber);

    ArredondarForm(&form, 0, true, 0, 0);
    EXPECT_EQ(roundings(&form).size(), 1);
    EXPECT_EQ(found[0]->raio(), 1);
    EXPECT_EQ(found[0]->espessuraBorda(), 1);

    ArredondarForm(nullptr);
    ArredondarPainel(nullptr);
}

TEST(Rounding, PanelLosesItsFrameAndWindowItsTitleBar)
{
    QWidget form;
    auto *panel = new QFrame(&form);
    panel->setFrameStyle(QFrame::Box | QFrame::Raised);
    ArredondarPainel(panel, 25);
    EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(roundings(panel).size(), 1);
    EXPECT_TRUE(roundings(&form).isEmpty()); // the panel's own, not its window's

    form.show();
    ArredondarForm(&form);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.isVisible());
}

TEST(Rounding, ShapeFollowsEveryResize)
{
    QWidget form;
    form.resize(200, 100);
    ArredondarForm(&form, 20);
    form.show();
    for (const QSize size : {QSize(200, 100), QSize(320, 150), QSize(90, 60)}) {
        SCOPED_TRACE(size.width());
        form.resize(size);
        const QRegion mask = form.mask();
        EXPECT_EQ(mask.boundingRect(), form.rect());
        EXPECT_FALSE(mask.contains(QPoint(0, 0)));
        EXPECT_FALSE(mask.contains(QPoint(size.width() - 1, size.height() - 1)));
        EXPECT_TRUE(mask.contains(QPoint(size.width() / 2, 0)));
        EXPECT_TRUE(mask.contains(QPoint(0, size.height() / 2)));
        EXPECT_EQ(roundings(&form)[0]->geometry(), form.rect());
    }
}

TEST(Rounding, BorderLineIsDrawnOverChildrenInItsColourAndThickness)
{
    Window w;
    ArredondarForm(&w.form, 20, true, 2, redNumber);
    w.form.show();
    EXPECT_EQ(w.pixel(100, 0), red);
    EXPECT_EQ(w.pixel(100, 1), red);
    EXPECT_EQ(w.pixel(0, 50), red);
    EXPECT_EQ(w.pixel(100, 2), Qt::white);
    EXPECT_EQ(w.pixel(100, 50), Qt::white);

    // A child added afterwards still lies under the line.
    auto *late = new QFrame(&w.form);
    late->setGeometry(w.form.rect());
    late->setStyleSheet("background: white");
    late->show();
    EXPECT_EQ(w.pixel(100, 0), red);

    ArredondarForm(&w.form, 20, false, 2, redNumber);
    EXPECT_EQ(w.pixel(100, 0), Qt::white);
}

TEST(Rounding, ClicksReachTheControlThroughTheBorderObject)
{
    Window w;
    ArredondarForm(&w.form);
    w.form.show();
    EXPECT_EQ(w.form.childAt(100, 50), w.panel);
}
