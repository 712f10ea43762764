#include "TFormPrincipal.h"

#include "CommandIcons.h"
#include "RoomBoard.h"
#include "access/Sessao.h"
#include "access/TFormAcessos.h"
#include "access/TFormManSen.h"
#include "access/TFormProtecao.h"
#include "data/Empresa.h"
#include "data/HandOver.h"
#include "data/Historico.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "finance/TFormCaixa.h"
#include "finance/TFormFormaPaga.h"
#include "finance/TFormImpCaixa.h"
#include "finance/TFormMovFinanceiro.h"
#include "platform/ribbon/KeyboardState.h"
#include "ui/common/Appearance.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"
#include "ui/setup/TFormSetupRede.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

using platform::Ribbon;

namespace {

constexpr int kNavy = 4006164;       // RGB(20,33,61)
constexpr int kBoardColour = 16118253; // RGB(237,241,245)

struct CommandSpec
{
    const char *tab;
    const char *group;
    const char *name;
    const char *caption;
};

// The tabs, groups and commands in their order. The last three commands of the
// original command set had no group; they are placed where an operator looks for them.
const CommandSpec kCommands[] = {
    {"Principal", "Relatórios", "dxBarLargeButton4", "Imprimir Caixa"},
    {"Principal", "Relatórios", "dxBarLargeButton1", "Abrir Fechar Caixa"},
    {"Principal", "Relatórios", "dxBarLargeButton30", "Movimento Financeiro"},
    {"Principal", "Relatórios", "dxBarLargeButton36", "Mapa de Reserva"},
    {"Principal", "Relatórios", "dxBarLargeButton29", "Mapa de Ocupação"},
    {"Principal", "Relatórios", "dxBarLargeButton31", "Reserva por convênio"},
    {"Principal", "Saida", "dxBarLargeButton2", "Sair do Sistema"},
    {"Cadastro", "Dependências", "dxBarLargeButton6", "Cadastro Quarto"},
    {"Cadastro", "Dependências", "dxBarLargeButton7", "Tipos de Quartos"},
    {"Cadastro", "Cadastros", "dxBarLargeButton16", "Cadastro Clientes"},
    {"Cadastro", "Cadastros", "dxBarLargeButton10", "Cadastro Fornecedor"},
    {"Cadastro", "Cadastros", "dxBarLargeButton20", "Cadastro Usúario"},
    {"Cadastro", "Cadastros", "dxBarLargeButton9", "Cadastro Empresa"},
    {"Cadastro", "Cadastros", "dxBarLargeButton14", "Tipos de Pagamentos"},
    {"Cadastro", "Cadastros", "dxBarLargeButton8", "Tipo Convenios "},
    {"Cadastro", "Cadastros", "dxBarLargeButton13", "Sair do Sistema"},
    {"Estoque", "Controle do Estoque", "dxBarLargeButton11", "Cadastro Produto"},
    {"Estoque", "Controle do Estoque", "dxBarLargeButton15", "Movimenta Estoque"},
    {"Estoque", "Controle do Estoque", "dxBarLargeButton12", "Grupo Produtos"},
    {"Estoque", "Relatórios do Estoque", "dxBarLargeButton23", "Relatório Estoque Atual"},
    {"Estoque", "Relatórios do Estoque", "dxBarLargeButton24", "Ficha do Produto"},
    {"Estoque", "Relatórios do Estoque", "dxBarLargeButton25", "Sair do Sistema"},
    {"Configuração", "Configuração", "dxBarLargeButton28", "Configuração de Tempo e Cobrança"},
    {"Configuração", "Configuração", "dxBarLargeButton37", "Aparencia do sistema"},
    {"Configuração", "Configuração", "dxBarLargeButton26", "Configura Rede (IP Servidor)"},
    {"Configuração", "Configuração", "dxBarLargeButton33", "Logs do Sistema"},
    {"Configuração", "Configuração", "dxBarLargeButton17", "Sair do Sistema"},
};

QString qss(int cor) { return toQColor(cor).name(); }

// A picture that acts on a click.
class ClickableLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
            onClick();
        QLabel::mouseReleaseEvent(event);
    }
};

} // namespace

TFormPrincipal::TFormPrincipal(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrincipal"));
    buildRibbon();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildStatus();
    layout->addWidget(Status);

    ScrollBox1 = new QScrollArea(central);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAccessibleName(QStringLiteral("Quartos"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    auto *board = new QWidget;
    board->setObjectName(QStringLiteral("board"));
    ScrollBox1->setWidget(board);
    layout->addWidget(ScrollBox1, 1);

    Aguarde = new QLabel(QStringLiteral("AGUARDE... Atualizando mapa"), central);
    Aguarde->setObjectName(QStringLiteral("Aguarde"));
    Aguarde->hide();
    setCentralWidget(central);
    m_board = new RoomBoard(ScrollBox1, Aguarde, [this] { return cashClosed(); }, this);

    dxStatusBar1 = new QStatusBar(this);
    dxStatusBar1->setObjectName(QStringLiteral("dxStatusBar1"));
    dxStatusBar1->setSizeGripEnabled(false);
    keyboardPanel = new platform::KeyboardStatePanel(dxStatusBar1);
    keyboardPanel->setFixedWidth(130);
    operatorPanel = new QLabel(QStringLiteral("Usuário:"), dxStatusBar1);
    operatorPanel->setObjectName(QStringLiteral("operatorPanel"));
    operatorPanel->setAccessibleName(QStringLiteral("Operador"));
    operatorPanel->setFixedWidth(250);
    dxStatusBar1->addWidget(keyboardPanel);
    dxStatusBar1->addWidget(operatorPanel);
    setStatusBar(dxStatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TFormPrincipal::Timer1Timer);
}

void TFormPrincipal::buildRibbon()
{
    dxRibbon = new Ribbon(this);
    setMenuWidget(dxRibbon);
    Ribbon::Tab *tab = nullptr;
    Ribbon::Group *group = nullptr;
    for (const CommandSpec &c : kCommands) {
        const QString tabCaption = QString::fromUtf8(c.tab);
        const QString groupCaption = QString::fromUtf8(c.group);
        if (!tab || tab->caption() != tabCaption) {
            tab = dxRibbon->addTab(tabCaption);
            group = nullptr;
        }
        if (!group || group->caption() != groupCaption)
            group = tab->addGroup(groupCaption);
        QAction *action = dxRibbon->addCommand(QString::fromLatin1(c.name), QString::fromUtf8(c.caption),
                                               commandIcon(QString::fromLatin1(c.name)));
        action->setEnabled(false);
        group->addCommand(action);
    }
    handle("dxBarLargeButton4", &TFormPrincipal::dxBarLargeButton4Click);
    handle("dxBarLargeButton1", &TFormPrincipal::dxBarLargeButton1Click);
    handle("dxBarLargeButton30", &TFormPrincipal::dxBarLargeButton30Click);
    handle("dxBarLargeButton14", &TFormPrincipal::dxBarLargeButton14Click);
    handle("dxBarLargeButton2", &TFormPrincipal::dxBarLargeButton2Click);
    handle("dxBarLargeButton13", &TFormPrincipal::dxBarLargeButton13Click);
    handle("dxBarLargeButton25", &TFormPrincipal::dxBarLargeButton25Click);
    handle("dxBarLargeButton17", &TFormPrincipal::dxBarLargeButton17Click);
    handle("dxBarLargeButton20", &TFormPrincipal::dxBarLargeButton20Click);
    handle("dxBarLargeButton26", &TFormPrincipal::dxBarLargeButton26Click);
    handle("dxBarLargeButton29", &TFormPrincipal::dxBarLargeButton29Click);
    handle("dxBarLargeButton33", &TFormPrincipal::dxBarLargeButton33Click);
}

void TFormPrincipal::handle(const char *name, void (TFormPrincipal::*handler)())
{
    QAction *action = dxRibbon->command(QString::fromLatin1(name));
    if (!action)
        return;
    action->setEnabled(true);
    action->setProperty("hasScreen", true);
    connect(action, &QAction::triggered, this, handler);
}

void TFormPrincipal::buildStatus()
{
    Status = new QLabel;
    Status->setObjectName(QStringLiteral("Status"));
    Status->setAccessibleName(QStringLiteral("Situação do caixa"));
    Status->setFixedHeight(83);
    Status->setAlignment(Qt::AlignCenter);
    auto *row = new QHBoxLayout(Status);
    row->setContentsMargins(8, 4, 8, 4);
    Image1 = new QLabel(Status);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logoPicture(75));
    auto *close = new ClickableLabel(Status);
    close->setObjectName(QStringLiteral("Image3"));
    close->setAccessibleName(QStringLiteral("Fechar"));
    close->setToolTip(QStringLiteral("Fechar"));
    close->setPixmap(closePicture(40));
    close->setCursor(Qt::PointingHandCursor);
    close->onClick = [this] { Image3Click(); };
    Image3 = close;
    row->addWidget(Image1);
    row->addStretch();
    row->addWidget(Image3);
}

bool TFormPrincipal::FormCreate()
{
    EnsureCompanyColumns();
    dxRibbon->setCurrentTab(0);
    setWindowTitle(QStringLiteral("Trevandoria"));
    ApplyBaseLook();
    // The short date format "dd/MM/yy" is fixed program-wide (shortDateFormat).
    LoadAppearance();
    setBackgroundColour(this, appearance().CorFundo);
    dxRibbon->setAccent(accentForStartup(appearance().CorMenu));

    acesso::RunLogin(this);
    acesso::SetOperatorName(acesso::loginUserName());
    return acesso::HasOperator();
}

void TFormPrincipal::EnsureCompanyColumns()
{
    const QString table = QStringLiteral("EMPRESA");
    try {
        data::TLogon &dm = data::dataModule();
        for (const QString &column : {QStringLiteral("CORBORDA"), QStringLiteral("CORFUNDO"),
                                      QStringLiteral("CORTITULO"), QStringLiteral("CORMENU")})
            if (!data::CompanyColumnExists(dm.Atualiza, table, column))
                data::AddCompanyColumn(dm.Atualiza2, table, column, QStringLiteral("VARCHAR(12)"));
    } catch (const db::DbError &) {
        // No database yet: the login reports it in its own words.
    }
}

void TFormPrincipal::ApplyBaseLook()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    setBackgroundColour(this, kBoardColour);
    dxRibbon->setAccent(Ribbon::Accent::Blue);
    ScrollBox1->setStyleSheet(QStringLiteral("QScrollArea#ScrollBox1, QWidget#board { background: %1; border: none; }")
                                  .arg(qss(kBoardColour)));
    QFont statusFont = font;
    statusFont.setPointSize(11);
    statusFont.setBold(true);
    Status->setFont(statusFont);
    Status->setAutoFillBackground(true);
    dxStatusBar1->setStyleSheet(
        QStringLiteral("QStatusBar, QStatusBar QLabel { background: %1; color: white; }").arg(qss(kNavy)));
    QFont waitFont = font;
    waitFont.setBold(true);
    Aguarde->setFont(waitFont);
    Aguarde->setStyleSheet(QStringLiteral("color: %1;").arg(qss(kNavy)));
}

void TFormPrincipal::LoadAppearance()
{
    Appearance values = Appearance::defaults();
    try {
        ds::Query &q = data::dataModule().Atualiza;
        data::OpenFirstCompanyRow(q);
        const QString borda = q.field(QStringLiteral("CorBorda")).asString().trimmed();
        if (!borda.isEmpty()) {
            bool ok1 = false, ok2 = false, ok3 = false;
            const int b = borda.toInt(&ok1);
            const int f = q.field(QStringLiteral("CorFundo")).asString().trimmed().toInt(&ok2);
            const int t = q.field(QStringLiteral("CorTitulo")).asString().trimmed().toInt(&ok3);
            // A value that is not a whole number leaves the defaults in place.
            if (ok1 && ok2 && ok3)
                values = {b, f, t, q.field(QStringLiteral("CorMenu")).asString()};
        }
    } catch (const db::DbError &) {
    }
    appearance() = values;
}

Ribbon::Accent TFormPrincipal::accentForStartup(const QString &corMenu)
{
    static const QHash<QString, Ribbon::Accent> accents = {
        {QStringLiteral("0"), Ribbon::Accent::Blue},   {QStringLiteral("1"), Ribbon::Accent::Green},
        {QStringLiteral("2"), Ribbon::Accent::Orange}, {QStringLiteral("3"), Ribbon::Accent::Purple},
        {QStringLiteral("4"), Ribbon::Accent::Yellow},
    };
    return accents.value(corMenu, Ribbon::Accent::Blue);
}

Ribbon::Accent TFormPrincipal::accentForNumber(const QString &corMenu)
{
    switch (corMenu.trimmed().toInt()) {
    case 1:
        return Ribbon::Accent::Green;
    case 2:
        return Ribbon::Accent::Orange;
    case 3:
        return Ribbon::Accent::Purple;
    case 4:
        return Ribbon::Accent::Yellow;
    default:
        return Ribbon::Accent::Blue;
    }
}

void TFormPrincipal::ApplyRibbonAccent() { dxRibbon->setAccent(accentForNumber(appearance().CorMenu)); }

void TFormPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TFormPrincipal::FormShow()
{
    if (acesso::accessType() == 1)
        EnableOnlyCommands(QStringLiteral("dxBarLargeButton2"), QStringLiteral("dxBarLargeButton1"));
    operatorPanel->setText(QStringLiteral("| ") + QStringLiteral("  Operador: ") + acesso::GetOperatorName()
                           + QStringLiteral("  ") + QStringLiteral(" | "));
    ShowCashState();
    Timer1->start();
}

void TFormPrincipal::Timer1Timer()
{
    Timer1->stop();
    BuildRoomBoard();
}

QString TFormPrincipal::cashStateText(int cashNumber, const QString &operatorName)
{
    if (cashNumber != 0)
        return QStringLiteral(" CAIXA ABERTO         NUMERO: ") + QStringLiteral("%1").arg(cashNumber, 4, 10, QLatin1Char('0'))
               + QStringLiteral("     OPERADOR: ") + operatorName;
    return QStringLiteral(" CAIXA FECHADO         NUMERO: ") + QStringLiteral("0000") + QStringLiteral("     OPERADOR: ");
}

void TFormPrincipal::ShowCashState()
{
    int cash = 0;
    try {
        data::TLogon &dm = data::dataModule();
        dm.VerEmpresa();
        cash = dm.Empresa.field(QStringLiteral("CAIXA")).asInteger();
    } catch (const db::DbError &) {
        // Unknown counts as closed: the board refuses its actions.
    }
    Status->setText(cashStateText(cash, acesso::GetOperatorName()));
    const QColor text = cash != 0 ? palette().color(QPalette::Base) : QColor(255, 0, 0);
    Status->setStyleSheet(QStringLiteral("QLabel#Status { background: %1; color: %2; }").arg(qss(kNavy), text.name()));
}

bool TFormPrincipal::cashClosed() const
{
    return Status->text().trimmed().left(13) == QLatin1String("CAIXA FECHADO");
}

void TFormPrincipal::EnableOnlyCommands(const QString &a, const QString &b)
{
    dxRibbon->enableOnly({a, b});
    // A command whose screen the program does not have yet stays off.
    for (QAction *action : dxRibbon->commands())
        if (!action->property("hasScreen").toBool())
            action->setEnabled(false);
}

void TFormPrincipal::Image3Click() { close(); }

// Each screen reports its own database errors; one that cannot even start says so here.
template <typename Form, typename After>
static void openScreen(QWidget *parent, After after)
{
    try {
        Form form(parent);
        form.exec();
    } catch (const db::DbError &e) {
        critical(parent, e.message());
    }
    after();
}

void TFormPrincipal::dxBarLargeButton4Click()
{
    data::handOverText.clear();
    openScreen<finance::TFormImpCaixa>(this, [] {});
}

void TFormPrincipal::dxBarLargeButton1Click()
{
    data::checkInRequested = false;
    data::handOverText.clear();
    openScreen<finance::TFormCaixa>(this, [this] { ShowCashState(); });
}

void TFormPrincipal::dxBarLargeButton30Click()
{
    data::handOverText.clear();
    openScreen<finance::TFormMovFinanceiro>(this, [] {});
}

void TFormPrincipal::dxBarLargeButton14Click() { openScreen<finance::TFormFormaPaga>(this, [] {}); }

void TFormPrincipal::dxBarLargeButton2Click() { close(); }
void TFormPrincipal::dxBarLargeButton13Click() { close(); }
void TFormPrincipal::dxBarLargeButton25Click() { close(); }
void TFormPrincipal::dxBarLargeButton17Click() { close(); }

void TFormPrincipal::dxBarLargeButton20Click() { openScreen<acesso::TFormManSen>(this, [] {}); }

void TFormPrincipal::dxBarLargeButton33Click() { openScreen<data::TFormHistorico>(this, [] {}); }

void TFormPrincipal::dxBarLargeButton29Click() { BuildRoomBoard(); }

void TFormPrincipal::dxBarLargeButton26Click()
{
    if (!acesso::AskAuthorisation(this)) {
        MostrarMensagem(QStringLiteral("ATENÇÃO"), QStringLiteral("     Usuario não autorizado      "), QStringLiteral("1"));
        return;
    }
    try {
        TFormSetupRede form(data::dataModule().home(), this);
        if (form.exec() == QDialog::Accepted)
            close();
    } catch (const db::DbError &e) {
        critical(this, e.message());
    }
}

void TFormPrincipal::BuildRoomBoard() { m_board->BuildRoomBoard(); }
void TFormPrincipal::RefreshRoomStates() { m_board->RefreshRoomStates(); }

} // namespace ui
