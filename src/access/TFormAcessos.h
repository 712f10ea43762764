#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data {
class TLogon;
}

namespace acesso {

// Asks for the name and password of a user with full access before a restricted step.
// Leaves authorisationResult() "S" when one was given; the caller sets it to "N" first.
class TFormAcessos : public QDialog
{
    Q_OBJECT
public:
    // Throws DbError "Módulo de conexão não foi inicializado." without a data module.
    explicit TFormAcessos(QWidget *parent = nullptr);

    void FormShow();
    void SpeedButton1Click(); // Confirma
    void SpeedButton2Click(); // Cancela

    // Every way of closing passes here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    data::TLogon &m_logon;

    QFrame *Panel1;
    QLabel *Label1;
    QFrame *Panel2;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *EditNome;
    QLabel *Label4;
    QLineEdit *EditSenha;
    QPushButton *SpeedButton1;
    QPushButton *SpeedButton2;
};

// The whole request: sets authorisationResult() to "N", shows TFormAcessos modally and
// answers whether a user with full access authorised the step.
bool AskAuthorisation(QWidget *parent);

} // namespace acesso
