#pragma once

#include "TelaFinanceira.h"
#include "platform/dataset/Table.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace ds {
class DatasetModel;
}

namespace finance {

// The payment methods register ("Tipos de Pagamentos"): FORMAPAGA edited row by row
// through its table dataset, read anew each time the window is shown.
class TFormFormaPaga : public TelaFinanceira
{
    Q_OBJECT
public:
    // Throws DbError without a data module.
    explicit TFormFormaPaga(QWidget *parent = nullptr);

    ds::Table &table() { return FormaPaga; }

    void FormShow() override;
    void BitBtn1Click(); // Novo
    void BitBtn2Click(); // Salvar
    void BitBtn3Click(); // Excluir
    void BitBtn4Click(); // Voltar

private:
    // Posts a pending edit before the current row changes; false when it could not.
    bool saveCurrent();
    void moveTo(int row);
    void showCurrent();

    ds::Table FormaPaga;
    ds::DatasetModel *m_model;

    QLabel *Label2, *Label3;
    QLineEdit *DBEdit1; // ID
    QLineEdit *DBEdit2; // NOME
    QTableView *DBGrid1;
    QWidget *DBNavigator1;
    QToolButton *nbFirst, *nbPrior, *nbNext, *nbLast;
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn4;
};

} // namespace finance
