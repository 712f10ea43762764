#include "TFormAcessos.h"

#include "ui/common/FormParts.h"

#include "CaixaAlta.h"
#include "Sessao.h"
#include "Usuarios.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace acesso {

namespace {
QString comparable(const QString &text) { return text.toUpper().trimmed(); }
} // namespace

TFormAcessos::TFormAcessos(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_logon(data::dataModule())
{
    setObjectName(QStringLiteral("TFormAcessos"));
    setWindowTitle(QStringLiteral("Acesso Restrito"));
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label1 = ui::titleLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Acesso Restrito"), 14);
    Label1->setAlignment(Qt::AlignCenter);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Label2 = new QLabel(QStringLiteral("Informe um usúario com permissão para esse procedimento"), Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    EditNome = ui::captionedEdit(Panel2, Label3, QStringLiteral("Label3"), QStringLiteral("USUÁRIO"),
                                 QStringLiteral("EditNome"));
    EditSenha = ui::captionedEdit(Panel2, Label4, QStringLiteral("Label4"), QStringLiteral("SENHA"),
                                  QStringLiteral("EditSenha"));
    EditSenha->setEchoMode(QLineEdit::Password);
    makeUpperCaseEdit(EditNome, 15);
    makeUpperCaseEdit(EditSenha, 10);
    for (QLineEdit *edit : {EditNome, EditSenha})
        edit->setFixedWidth(220);

    SpeedButton1 = new QPushButton(QStringLiteral("&Confirma"), Panel2);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setAccessibleName(QStringLiteral("Confirma"));
    SpeedButton2 = new QPushButton(QStringLiteral("Cancela"), Panel2);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setAccessibleName(QStringLiteral("Cancela"));
    for (QPushButton *b : {SpeedButton1, SpeedButton2}) {
        b->setAutoDefault(false);
        b->setMinimumSize(110, 32);
    }
    connect(SpeedButton1, &QPushButton::clicked, this, &TFormAcessos::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TFormAcessos::SpeedButton2Click);

    auto *title = new QHBoxLayout(Panel1);
    title->setContentsMargins(10, 8, 10, 8);
    title->addWidget(Label1);

    auto *grid = new QGridLayout;
    grid->addWidget(Label3, 0, 0);
    grid->addWidget(EditNome, 0, 1);
    grid->addWidget(Label4, 1, 0);
    grid->addWidget(EditSenha, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addStretch();
    auto *body = new QVBoxLayout(Panel2);
    body->addStretch();
    body->addWidget(Label2);
    body->addSpacing(15);
    auto *centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(grid);
    centred->addStretch();
    body->addLayout(centred);
    body->addSpacing(15);
    body->addLayout(buttons);
    body->addStretch();

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(0);
    outer->addWidget(Panel1);
    outer->addWidget(Panel2, 1);

    EditNome->installEventFilter(this);
    EditSenha->installEventFilter(this);
}

void TFormAcessos::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormAcessos::FormShow()
{
    QScreen *onScreen = screen() ? screen() : QGuiApplication::primaryScreen();
    if (onScreen)
        setGeometry(onScreen->availableGeometry());
    const ui::Appearance &colours = ui::appearance();
    ui::setBackgroundColour(this, colours.CorBorda);
    ui::setBackgroundColour(Panel1, colours.CorTitulo);
    ui::setBackgroundColour(Panel2, colours.CorFundo);
    ui::ArredondarForm(this, 20, true, 1, 0);
    EditNome->setFocus();
}

bool TFormAcessos::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == EditNome) {
                EditSenha->setFocus();
                return true;
            }
            if (watched == EditSenha) {
                SpeedButton1->click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAcessos::SpeedButton1Click()
{
    setAuthorisationResult(QStringLiteral("N"));
    const QString nome = comparable(EditNome->text());
    const QString senha = comparable(EditSenha->text());
    ds::Query &sorquil = m_logon.Sorquil;
    bool found = false;
    int sistema = kFullAccess;
    try {
        OpenUsersByName(sorquil);
        // Compared here rather than in the statement, so a stored name or password with
        // blanks around it or in lower case still matches.
        for (; !sorquil.eof(); sorquil.next()) {
            if (comparable(sorquil.field(QStringLiteral("SENHA")).asString()) == senha
                && comparable(sorquil.field(QStringLiteral("NOME")).asString()) == nome && !nome.isEmpty()) {
                found = true;
                sistema = sorquil.field(QStringLiteral("SISTEMA")).asInteger(); // empty reads 0
                break;
            }
        }
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
        return;
    }
    if (!found) {
        ui::MostrarMensagem(QStringLiteral("ATENÇÃO"), QStringLiteral("Usuário ou Senha -> Está Incorreta"),
                            QStringLiteral("1"));
        EditNome->setFocus();
        return;
    }
    setAuthorisationResult(sistema == kFullAccess ? QStringLiteral("S") : QStringLiteral("N"));
    accept();
}

void TFormAcessos::SpeedButton2Click() { reject(); }

void TFormAcessos::done(int result)
{
    QDialog::done(result);
    m_logon.Sorquil.close();
}

bool AskAuthorisation(QWidget *parent)
{
    setAuthorisationResult(QStringLiteral("N"));
    try {
        TFormAcessos form(parent);
        form.exec();
    } catch (const db::DbError &e) {
        ui::critical(parent, e.message());
    }
    return authorisationResult() == u"S";
}

} // namespace acesso
