#pragma once

#include <QDialog>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace data {
class TLogon;
}
namespace ds {
class DatasetModel;
}

namespace acesso {

// User maintenance: the list of SORQUIL with each user's name, password and access
// type. Works on the database at once: "&Novo" inserts, "&Confirmar" and "&Excluir" commit.
class TFormManSen : public QDialog
{
    Q_OBJECT
public:
    // Opens the user list. A list that cannot be read is reported to the operator here,
    // and exec() then returns Rejected without showing the screen. Throws DbError
    // "Módulo de conexão não foi inicializado." without a data module.
    explicit TFormManSen(QWidget *parent = nullptr);

    int exec() override;

    void FormCreate();
    void FormShow();
    void BitBtn3Click(); // Novo
    void BitBtn2Click(); // Excluir
    void BitBtn5Click(); // Confirmar
    void BitBtn1Click(); // Retornar
    void SpeedButton3Click();
    void DBEdit1Exit();
    // Selects the current row's access type in RadioGroup1.
    void MostrarTipoAcesso();

    // Every way of closing passes here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void carregarLinhaAtual();
    void selecionarLinhaNaGrade(int row);
    void linhaDaGradeMudou(int row);
    int idAtual() const;
    bool temLinhaAtual() const;
    void reabrirEm(int id);

    data::TLogon &m_logon;
    ds::DatasetModel *m_model;
    bool m_sincronizando = false;
    bool m_tipoEscolhido = false; // the operator picked an access type not yet saved
    bool m_failed = false;

    QFrame *Panel1;
    QLabel *Label1;
    QPushButton *SpeedButton3;
    QFrame *Panel2;
    QTableView *DBGrid1;
    QLabel *Label2;
    QLineEdit *DBEdit1;
    QLabel *Label3;
    QLineEdit *DBEdit2;
    QGroupBox *RadioGroup1;
    QButtonGroup *m_tipos;
    QFrame *Panel3;
    QPushButton *BitBtn3;
    QPushButton *BitBtn2;
    QPushButton *BitBtn5;
    QPushButton *BitBtn1;
};

} // namespace acesso
