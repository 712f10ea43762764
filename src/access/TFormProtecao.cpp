#include "TFormProtecao.h"

#include "ui/common/FormParts.h"

#include "CaixaAlta.h"
#include "Sessao.h"
#include "Usuarios.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "site/Home.h"
#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>
#include <QVBoxLayout>

namespace acesso {

namespace {
const QString kAtencao = QStringLiteral("ATENÇÃO");

bool isEnter(const QKeyEvent *key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }
} // namespace

TFormProtecao::TFormProtecao(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), qUsuario(data::moduleConnection())
{
    setObjectName(QStringLiteral("TFormProtecao"));
    setWindowTitle(QStringLiteral("Acesso ao sistema"));
    setModal(true);
    resize(640, 360);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setMinimumSize(220, 220);
    Image2->setAccessibleName(QStringLiteral("Logotipo"));

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Label5 = new QLabel(QStringLiteral("Acesso sistema"), Panel2);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont heading = Label5->font();
    heading.setPointSize(16);
    heading.setBold(true);
    Label5->setFont(heading);
    Label2 = new QLabel(QStringLiteral("Escolha o usuario e digite a senha Trevandoria"), Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    EditNome = ui::captionedEdit(Panel2, Label3, QStringLiteral("Label3"), QStringLiteral("👤 Usuário"),
                                 QStringLiteral("EditNome"));
    EditSenha = ui::captionedEdit(Panel2, Label4, QStringLiteral("Label4"), QStringLiteral("🔒 Senha"),
                                  QStringLiteral("EditSenha"));
    EditSenha->setEchoMode(QLineEdit::Password);
    // The widths of SORQUIL's columns: a longer text could never match.
    makeUpperCaseEdit(EditNome, 15);
    makeUpperCaseEdit(EditSenha, 10);

    SpeedButton2 = new QPushButton(QStringLiteral("Entrar"), Panel2);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton1 = new QPushButton(QStringLiteral("Sair"), Panel2);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    for (QPushButton *b : {SpeedButton2, SpeedButton1}) {
        b->setAutoDefault(false);
        b->setAccessibleName(b->text());
        b->setMinimumHeight(32);
    }
    connect(SpeedButton2, &QPushButton::clicked, this, &TFormProtecao::SpeedButton2Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFormProtecao::SpeedButton1Click);

    auto *logo = new QVBoxLayout(Panel1);
    logo->setContentsMargins(15, 15, 15, 15);
    logo->addWidget(Image2);
    auto *fields = new QVBoxLayout(Panel2);
    fields->setContentsMargins(20, 15, 20, 15);
    fields->addWidget(Label5);
    fields->addWidget(Label2);
    fields->addSpacing(10);
    fields->addWidget(Label3);
    fields->addWidget(EditNome);
    fields->addWidget(Label4);
    fields->addWidget(EditSenha);
    fields->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addStretch();
    buttons->addWidget(SpeedButton2);
    fields->addLayout(buttons);
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->setSpacing(10);
    outer->addWidget(Panel1, 1);
    outer->addWidget(Panel2, 1);

    // The screen sees every key first, whichever control has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    FormCreate();
}

void TFormProtecao::FormCreate()
{
    m_tentativas = 0;
    setLoggedIn(QStringLiteral("N"));
    setLoginUserName({});
    m_processando = false;
    SetLoginStatement(qUsuario);
    m_logo = CarregarLogo(data::dataModule().home());
    mostrarLogo();
}

QPixmap TFormProtecao::CarregarLogo(const QString &home)
{
    QFile file(home + u'/' + QLatin1String(site::kLogoFileName));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    const QString path = in.readLine().trimmed();
    if (path.isEmpty())
        return {};
    return QPixmap(path); // null when the picture is missing or unreadable
}

void TFormProtecao::mostrarLogo()
{
    if (m_logo.isNull()) {
        Image2->clear();
        return;
    }
    Image2->setPixmap(m_logo.scaled(Image2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFormProtecao::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormProtecao::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    mostrarLogo();
}

void TFormProtecao::FormShow()
{
    const ui::Appearance &colours = ui::appearance();
    ui::setBackgroundColour(this, colours.CorBorda);
    for (QFrame *panel : {Panel1, Panel2}) {
        ui::setBackgroundColour(panel, colours.CorFundo);
        ui::ArredondarPainel(panel, 25, true, 1, 0);
    }
    ui::ArredondarForm(this, 20, true, 1, 0);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    EditNome->selectAll();
    EditNome->setFocus();
}

bool TFormProtecao::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape) {
        SpeedButton1->click();
        return true;
    }
    if (watched == EditNome && isEnter(key)) {
        EditSenha->setFocus();
        return true;
    }
    if (watched == EditSenha && isEnter(key)) {
        SpeedButton2->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormProtecao::SpeedButton2Click()
{
    if (m_processando)
        return;
    if (EditNome->text().trimmed().isEmpty()) {
        ui::MostrarMensagem(kAtencao, QStringLiteral("Informe o nome do usuário. "), QStringLiteral("1"));
        EditNome->setFocus();
        return;
    }
    if (EditSenha->text().trimmed().isEmpty()) {
        ui::MostrarMensagem(kAtencao, QStringLiteral("nforme a senha. "), QStringLiteral("1"));
        EditSenha->setFocus();
        return;
    }

    m_processando = true;
    SpeedButton2->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool cursorRestored = false;
    auto restoreCursor = [&] {
        if (!cursorRestored)
            QApplication::restoreOverrideCursor();
        cursorRestored = true;
    };
    try {
        const bool ok = Autenticar();
        // The operator reads the messages that follow with the normal pointer.
        restoreCursor();
        if (ok) {
            m_tentativas = 0;
            accept();
        } else {
            TentativaErrada();
        }
    } catch (const std::exception &) {
        restoreCursor();
        ui::MostrarMensagem(kAtencao, QStringLiteral("Erro ao entrar no sistema: "), QStringLiteral("1"));
    }
    restoreCursor();
    SpeedButton2->setEnabled(true);
    m_processando = false;
}

bool TFormProtecao::Autenticar()
{
    if (!OpenLoginUser(qUsuario, EditNome->text(), EditSenha->text()))
        return false;
    setLoggedIn(QStringLiteral("S"));
    setLoginUserName(qUsuario.field(QStringLiteral("NOME")).asString());
    setAccessType(qUsuario.field(QStringLiteral("SISTEMA")).asInteger());
    qUsuario.close();
    return true;
}

void TFormProtecao::TentativaErrada()
{
    ++m_tentativas;
    setLoggedIn(QStringLiteral("N"));
    EditSenha->clear();
    ui::warning(this, QStringLiteral("Usuário ou senha incorretos."));
    if (m_tentativas < kMaxAttempts) {
        EditNome->setFocus();
        EditNome->selectAll();
        return;
    }
    QApplication::beep();
    ui::critical(this, QStringLiteral("Número de tentativas esgotado."));
    done(QDialog::Rejected);
}

void TFormProtecao::SpeedButton1Click()
{
    setLoggedIn(QStringLiteral("N"));
    done(QDialog::Rejected);
}

void TFormProtecao::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TFormProtecao::FormClose()
{
    qUsuario.close();
    if (loggedIn() != u"S" && result() != QDialog::Accepted)
        m_encerrar = true;
}

bool RunLogin(QWidget *parent)
{
    std::unique_ptr<TFormProtecao> form;
    try {
        form = std::make_unique<TFormProtecao>(parent);
    } catch (const db::DbError &e) {
        ui::critical(parent, e.message());
        return false;
    }
    form->exec();
    return !form->endRequested() && form->result() == QDialog::Accepted && loggedIn() == u"S";
}

} // namespace acesso
