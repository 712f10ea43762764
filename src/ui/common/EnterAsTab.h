#pragma once

#include <QObject>

class QWidget;

namespace ui {

// In one window, Enter moves the focus on as Tab does; multi-line text keeps Enter
// for new lines and push buttons keep it for pressing. Owned by the window.
class EnterAsTab : public QObject
{
    Q_OBJECT
public:
    explicit EnterAsTab(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace ui
