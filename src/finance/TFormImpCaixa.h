#pragma once

#include "TelaFinanceira.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace finance {

// Prints the report of a chosen cash session ("Imprimir Caixa"): the 60 newest
// sessions, newest first; the window stays open after printing.
class TFormImpCaixa : public TelaFinanceira
{
    Q_OBJECT
public:
    explicit TFormImpCaixa(QWidget *parent = nullptr);

    void FormShow() override;
    void BitBtn3Click();
    void BitBtn2Click();

    // The session number of the chosen entry; 0 when none is chosen.
    int chosenSession() const;

private:
    QLabel *Label2;
    QComboBox *ComboBox1;
    QPushButton *BitBtn3;
    QPushButton *BitBtn2;
};

} // namespace finance
