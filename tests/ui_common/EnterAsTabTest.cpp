// Enter moves the focus like Tab in the window that carries the filter, except where
// Enter has its own use.

#include "ui/common/EnterAsTab.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace ui;

namespace {

struct Form
{
    explicit Form(bool enterAsTab)
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : {static_cast<QWidget *>(first), static_cast<QWidget *>(second),
                           static_cast<QWidget *>(notes), static_cast<QWidget *>(save)})
            layout->addWidget(w);
        if (enterAsTab)
            new EnterAsTab(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget *press(QWidget *at, Qt::Key key = Qt::Key_Return)
    {
        at->setFocus();
        QTest::keyClick(at, key);
        return QApplication::focusWidget();
    }

    QDialog window; // screens are dialogs, where Enter presses a focused button
    QLineEdit *first = new QLineEdit;
    QLineEdit *second = new QLineEdit;
    QPlainTextEdit *notes = new QPlainTextEdit;
    QPushButton *save = new QPushButton("Salvar");
};

} // namespace

TEST(EnterAsTab, EnterMovesOnLikeTab)
{
    Form f(true);
    EXPECT_EQ(f.press(f.first), f.second);
    EXPECT_EQ(f.press(f.first, Qt::Key_Enter), f.second);
    EXPECT_EQ(f.press(f.second), f.notes);
}

TEST(EnterAsTab, NotesAndButtonsKeepEnter)
{
    Form f(true);
    f.notes->setPlainText("linha");
    f.notes->moveCursor(QTextCursor::End);
    EXPECT_EQ(f.press(f.notes), f.notes);
    EXPECT_EQ(f.notes->toPlainText(), "linha\n");

    f.notes->setReadOnly(true);
    EXPECT_EQ(f.press(f.notes), f.save);

    QSignalSpy clicked(f.save, &QPushButton::clicked);
    f.press(f.save);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(EnterAsTab, OtherWindowsAreLeftAlone)
{
    Form f(false);
    EXPECT_EQ(f.press(f.first), f.first);
}
