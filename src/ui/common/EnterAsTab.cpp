#include "EnterAsTab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace ui {

namespace {

bool keepsEnter(const QWidget *w)
{
    if (const auto *text = qobject_cast<const QTextEdit *>(w))
        return !text->isReadOnly();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(w))
        return !text->isReadOnly();
    return qobject_cast<const QPushButton *>(w) != nullptr;
}

} // namespace

// Keys go to the focused child first, so the filter sits on the application and picks
// out this window's widgets.
EnterAsTab::EnterAsTab(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

bool EnterAsTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window || keepsEnter(widget))
        return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &tab);
    return true;
}

} // namespace ui
