#pragma once

#include "platform/dataset/Query.h"

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace acesso {

// The login at start: a user name and password from SORQUIL, four wrong attempts at most.
// Closes with Accepted once an operator logged in; any other ending means the program ends.
class TFormProtecao : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMaxAttempts = 4;

    // Throws DbError "Módulo de conexão não foi inicializado." without a data module.
    explicit TFormProtecao(QWidget *parent = nullptr);

    int attempts() const { return m_tentativas; }
    bool processing() const { return m_processando; }
    // True once the login ended without an operator: the program must end.
    bool endRequested() const { return m_encerrar; }

    void FormCreate();
    void FormShow();
    void SpeedButton2Click(); // Entrar
    void SpeedButton1Click(); // Sair
    void FormClose();

    // The picture named on the first line of the home's logo file; null when there is none.
    static QPixmap CarregarLogo(const QString &home);

    // Every way of closing passes here (FormClose).
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Autenticar();
    void TentativaErrada();
    void mostrarLogo();

    ds::Query qUsuario;
    int m_tentativas = 0;
    bool m_processando = false;
    bool m_encerrar = false;
    QPixmap m_logo;

    QFrame *Panel1;
    QFrame *Panel2;
    QLabel *Image2;
    QLabel *Label5;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLineEdit *EditNome;
    QLineEdit *EditSenha;
    QPushButton *SpeedButton2;
    QPushButton *SpeedButton1;
};

// Shows the login modally. True when an operator logged in; false means the program
// must end (four wrong attempts, "Sair", the window closed, or no data module).
bool RunLogin(QWidget *parent);

} // namespace acesso
