#pragma once

#include "TelaFinanceira.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace finance {

// Opens or closes the site's cash session ("Abrir Fechar Caixa"). Shows the state it
// read on show; the caller refreshes its own cash-state line after it closes.
class TFormCaixa : public TelaFinanceira
{
    Q_OBJECT
public:
    explicit TFormCaixa(QWidget *parent = nullptr);

    void FormShow() override;
    // The amount box keeps digits, one decimal comma, backspace and Enter.
    static bool Edit1KeyPress(const QString &text, QChar key);
    void BitBtn3Click();
    void BitBtn2Click();

    // The amount typed, decimal comma; 0 when it is not a number.
    static double amountOf(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showState(int caixa, const QString &data, const QString &valor);

    int m_shownCash = -1; // the session number the operator is looking at; -1 unknown

    QLabel *Label2, *Label3, *Label4, *Label5; // captions
    QLabel *Label6, *Label7, *Label8, *Label9; // values
    QLineEdit *Edit1;
    QPushButton *BitBtn3;
    QPushButton *BitBtn2;
};

} // namespace finance
