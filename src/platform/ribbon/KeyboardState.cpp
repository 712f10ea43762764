#include "KeyboardState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "X11LockState.h"

namespace platform {

KeyboardStatePanel::KeyboardStatePanel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("keyboardState"));
    setAccessibleName(QStringLiteral("Estado do teclado"));
    qApp->installEventFilter(this);
    readLockStates();
    refresh();
}

KeyboardStatePanel::~KeyboardStatePanel()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

QString KeyboardStatePanel::text(bool caps, bool num, bool scroll, bool overwrite)
{
    QStringList parts;
    if (caps)
        parts << QStringLiteral("CAPS");
    if (num)
        parts << QStringLiteral("NUM");
    if (scroll)
        parts << QStringLiteral("SCRL");
    parts << (overwrite ? QStringLiteral("OVR") : QStringLiteral("INS"));
    return parts.join(QStringLiteral("  "));
}

void KeyboardStatePanel::readLockStates()
{
    readX11LockStates(m_caps, m_num, m_scroll);
}

bool KeyboardStatePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // A key no widget takes travels up through its parents as the same event.
        if (key == m_lastKey && key->timestamp() == m_lastKeyTime)
            return QLabel::eventFilter(watched, event);
        m_lastKey = key;
        m_lastKeyTime = key->timestamp();
        bool changed = true;
        switch (key->key()) {
        case Qt::Key_CapsLock:
            m_caps = !m_caps;
            break;
        case Qt::Key_NumLock:
            m_num = !m_num;
            break;
        case Qt::Key_ScrollLock:
            m_scroll = !m_scroll;
            break;
        case Qt::Key_Insert:
            m_overwrite = !m_overwrite;
            break;
        default:
            changed = false;
        }
        if (changed) {
            refresh();
            // The X server's own state is the truth once the key has been handled.
            QTimer::singleShot(50, this, [this] {
                readLockStates();
                refresh();
            });
        }
    }
    return QLabel::eventFilter(watched, event);
}

void KeyboardStatePanel::refresh()
{
    setText(text(m_caps, m_num, m_scroll, m_overwrite));
}

} // namespace platform
