#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace ui {

// Releases a cleaned room: "Liberar quarto" sets it free.
class TFormLimpeza : public QDialog
{
    Q_OBJECT
public:
    TFormLimpeza(const QString &roomCode, const QString &roomName, QWidget *parent = nullptr);

    void FormShow();
    void BitBtn3Click();
    void SpeedButton4Click();
    void SpeedButton3Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QFrame *Panel2;
    QLabel *Panel3;
    QFrame *Panel4;
    QLabel *Label11;
    QLabel *Label4;
    QPushButton *BitBtn3;
    QPushButton *SpeedButton4;
    QPushButton *SpeedButton3;
};

} // namespace ui
