#pragma once

#include "TelaFinanceira.h"
#include "platform/dataset/Query.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace finance {

// The financial movement of a period ("Movimento Financeiro"): the entries of the
// chosen days grouped by day; the window stays open after printing.
class TFormMovFinanceiro : public TelaFinanceira
{
    Q_OBJECT
public:
    // The period starts as the current month. Throws DbError without a data module.
    explicit TFormMovFinanceiro(QWidget *parent = nullptr);

    void BitBtn1Click();
    void BitBtn2Click();

private:
    ds::Query FINANCEIRO;
    ds::Query Empresa;

    QLabel *Label2;
    QDateEdit *DateTimePicker1;
    QLabel *Label3;
    QDateEdit *DateTimePicker2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

} // namespace finance
