#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace ui {

// The program's own message dialog: a title band over the text, and either one "Ok"
// button (kind "1") or "Não" and "Sim" (any other kind).
class TFormMensagem : public QDialog
{
    Q_OBJECT
public:
    TFormMensagem(const QString &titulo, const QString &texto, const QString &tipo, QWidget *parent = nullptr);

    // "S" for Ok/Sim, "N" for Não or when closed any other way.
    QString resposta() const { return m_resposta; }

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_titulo;
    QString m_texto;
    QString m_tipo;
    QString m_resposta = QStringLiteral("N");

    QFrame *Panel3;
    QLabel *Panel4;
    QFrame *Panel1;
    QLabel *Memo1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

// Shows the dialog modally over the active window and answers "S" or "N".
QString MostrarMensagem(const QString &titulo, const QString &texto, const QString &tipo);

} // namespace ui
