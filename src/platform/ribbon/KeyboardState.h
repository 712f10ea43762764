#pragma once

#include <QLabel>

namespace platform {

// The status bar's keyboard-state panel: "CAPS", "NUM", "SCRL" and "INS"/"OVR".
// Lock states are read from the X server when there is one, otherwise they follow the
// lock keys pressed in the program; Insert toggles insert and overwrite.
class KeyboardStatePanel : public QLabel
{
    Q_OBJECT
public:
    explicit KeyboardStatePanel(QWidget *parent = nullptr);
    ~KeyboardStatePanel() override;

    bool capsLock() const { return m_caps; }
    bool numLock() const { return m_num; }
    bool scrollLock() const { return m_scroll; }
    bool overwrite() const { return m_overwrite; }
    // The panel's text for the given states, e.g. "CAPS  NUM  INS" (absent ones left out).
    static QString text(bool caps, bool num, bool scroll, bool overwrite);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readLockStates();
    void refresh();

    bool m_caps = false;
    bool m_num = false;
    bool m_scroll = false;
    bool m_overwrite = false;
    const QEvent *m_lastKey = nullptr;
    quint64 m_lastKeyTime = 0;
};

} // namespace platform
