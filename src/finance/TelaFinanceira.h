#pragma once

#include <QDialog>
#include <QPoint>

class QFrame;
class QLabel;
class QPushButton;

namespace finance {

// What the finance screens share: a borderless modal window with a title band
// (Panel1: the title Label1 and the close button SpeedButton3) over the body Panel2,
// coloured from the appearance values and rounded when shown. Dragging the title band
// moves the window.
class TelaFinanceira : public QDialog
{
    Q_OBJECT
public:
    TelaFinanceira(const QString &caption, const QString &title, QWidget *parent);

    // Runs after the look is applied each time the window is shown.
    virtual void FormShow() {}
    void SpeedButton3Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    QFrame *body() const { return Panel2; }

private:
    QFrame *Panel1;
    QLabel *Label1;
    QPushButton *SpeedButton3;
    QFrame *Panel2;
    QPoint m_dragOffset;
};

} // namespace finance
