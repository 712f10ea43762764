#include "TFormManSen.h"

#include "ui/common/FormParts.h"

#include "CaixaAlta.h"
#include "Usuarios.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "platform/dataset/DatasetModel.h"
#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/EnterAsTab.h"
#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace acesso {

namespace {

const QString kId = QStringLiteral("ID");

} // namespace

TFormManSen::TFormManSen(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_logon(data::dataModule())
{
    setObjectName(QStringLiteral("TFormManSen"));
    setWindowTitle(QStringLiteral("Cadastro de Usúarios Acesso ao Sistema"));
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label1 = ui::titleLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Cadastro Usuario do Sistema"));
    SpeedButton3 = ui::titleCloseButton(Panel1, QStringLiteral("SpeedButton3"));

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    DBGrid1 = new QTableView(Panel2);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Usuários"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->hide();

    Label2 = new QLabel(QStringLiteral("Nome"), Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    DBEdit1 = new QLineEdit(Panel2);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    Label3 = new QLabel(QStringLiteral("Senha"), Panel2);
    Label3->setObjectName(QStringLiteral("Label3"));
    DBEdit2 = new QLineEdit(Panel2);
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->setEchoMode(QLineEdit::Password);
    makeUpperCaseEdit(DBEdit1, 15);
    makeUpperCaseEdit(DBEdit2, 10);
    Label2->setBuddy(DBEdit1);
    Label3->setBuddy(DBEdit2);
    DBEdit1->setAccessibleName(Label2->text());
    DBEdit2->setAccessibleName(Label3->text());
    DBEdit1->setEnabled(false);

    RadioGroup1 = new QGroupBox(QStringLiteral("Tipo de Acesso"), Panel2);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    m_tipos = new QButtonGroup(RadioGroup1);
    auto *tipos = new QVBoxLayout(RadioGroup1);
    const QString choices[] = {QStringLiteral("Acesso total ao sistema"), QStringLiteral("Somente funções de caixa")};
    for (int i = 0; i < 2; ++i) {
        auto *choice = new QRadioButton(choices[i], RadioGroup1);
        choice->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        choice->setAccessibleName(choices[i]);
        m_tipos->addButton(choice, i);
        tipos->addWidget(choice);
    }

    connect(m_tipos, &QButtonGroup::idClicked, this, [this] { m_tipoEscolhido = true; });

    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    BitBtn3 = new QPushButton(QStringLiteral("&Novo"), Panel3);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn2 = new QPushButton(QStringLiteral("&Excluir"), Panel3);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn5 = new QPushButton(QStringLiteral("&Confirmar"), Panel3);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn1 = new QPushButton(QStringLiteral("&Retornar"), Panel3);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton *b : {BitBtn3, BitBtn2, BitBtn5, BitBtn1}) {
        b->setAccessibleName(b->text().remove(u'&'));
        b->setMinimumSize(110, 32);
    }

    connect(SpeedButton3, &QPushButton::clicked, this, &TFormManSen::SpeedButton3Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormManSen::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormManSen::BitBtn2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TFormManSen::BitBtn5Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormManSen::BitBtn1Click);

    auto *title = new QHBoxLayout(Panel1);
    title->setContentsMargins(10, 4, 6, 4);
    title->addWidget(Label1, 1);
    title->addWidget(SpeedButton3);

    auto *fields = new QGridLayout;
    fields->addWidget(Label2, 0, 0);
    fields->addWidget(DBEdit1, 1, 0);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(DBEdit2, 3, 0);
    fields->addWidget(RadioGroup1, 4, 0);
    fields->setRowStretch(5, 1);
    auto *body = new QHBoxLayout(Panel2);
    body->addWidget(DBGrid1, 3);
    body->addLayout(fields, 2);

    auto *buttons = new QHBoxLayout(Panel3);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn5);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    outer->addWidget(Panel1);
    outer->addWidget(Panel2, 1);
    outer->addWidget(Panel3);

    QWidget::setTabOrder(DBGrid1, DBEdit1);
    QWidget::setTabOrder(DBEdit1, DBEdit2);
    QWidget::setTabOrder(DBEdit2, BitBtn3);

    new ui::EnterAsTab(this);
    DBEdit1->installEventFilter(this);
    BitBtn3->installEventFilter(this);

    m_model = new ds::DatasetModel(&m_logon.Sorquil, this);
    m_model->setColumns({{QStringLiteral("NOME"), QStringLiteral("NOME"), {}, Qt::AlignLeft | Qt::AlignVCenter},
                         {QStringLiteral("SISTEMA"), QStringLiteral("CRIPTY"), {}, Qt::AlignRight | Qt::AlignVCenter}});
    DBGrid1->setModel(m_model);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_sincronizando && current.isValid())
                    linhaDaGradeMudou(current.row());
            });
    connect(&m_logon.Sorquil, &ds::Dataset::currentChanged, this, [this](int row) {
        selecionarLinhaNaGrade(row);
        carregarLinhaAtual();
    });

    FormCreate();
}

int TFormManSen::exec()
{
    return m_failed ? QDialog::Rejected : QDialog::exec();
}

void TFormManSen::FormCreate()
{
    try {
        OpenUserList(m_logon.Sorquil);
    } catch (const db::DbError &e) {
        ui::critical(parentWidget(), e.message());
        m_failed = true;
    }
    MostrarTipoAcesso();
}

void TFormManSen::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormManSen::FormShow()
{
    QScreen *onScreen = screen() ? screen() : QGuiApplication::primaryScreen();
    if (onScreen) {
        const QRect area = onScreen->availableGeometry();
        QRect frame(0, 0, std::min(1000, area.width()), std::min(600, area.height()));
        frame.moveCenter(area.center());
        setGeometry(frame);
    }
    const ui::Appearance &colours = ui::appearance();
    ui::setBackgroundColour(this, colours.CorBorda);
    ui::setBackgroundColour(Panel1, colours.CorTitulo);
    ui::setBackgroundColour(Panel2, colours.CorFundo);
    ui::setBackgroundColour(Panel3, colours.CorFundo);
    ui::ArredondarForm(this, 20, true, 1, 0);
    // The grid's columns are fitted to its final width.
    layout()->activate();
    ui::AjustarColunasGrid(DBGrid1);
}

bool TFormManSen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBEdit1 && event->type() == QEvent::FocusOut) {
        // Only a move inside this screen counts as leaving the box, not another window.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            DBEdit1Exit();
    } else if (watched == BitBtn3 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Right after "&Novo" the name box is open and typing goes there; otherwise it
        // stays closed, so an existing user is never renamed by a stray key.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab
            && DBEdit1->isEnabled()) {
            DBEdit1->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TFormManSen::temLinhaAtual() const
{
    return m_logon.Sorquil.isOpen() && m_logon.Sorquil.currentRow() >= 0;
}

int TFormManSen::idAtual() const { return m_logon.Sorquil.field(kId).asInteger(); }

void TFormManSen::MostrarTipoAcesso()
{
    const bool somenteCaixa = temLinhaAtual() && !m_logon.Sorquil.field(QStringLiteral("SISTEMA")).isNull()
                              && m_logon.Sorquil.field(QStringLiteral("SISTEMA")).asInteger() == 1;
    m_tipos->button(somenteCaixa ? 1 : 0)->setChecked(true);
    m_tipoEscolhido = false;
}

void TFormManSen::carregarLinhaAtual()
{
    const bool linha = temLinhaAtual();
    DBEdit1->setText(linha ? m_logon.Sorquil.field(QStringLiteral("NOME")).asString() : QString());
    DBEdit2->setText(linha ? m_logon.Sorquil.field(QStringLiteral("SENHA")).asString() : QString());
}

void TFormManSen::selecionarLinhaNaGrade(int row)
{
    const bool before = m_sincronizando;
    m_sincronizando = true;
    if (row >= 0 && row < m_model->rowCount())
        DBGrid1->selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        DBGrid1->selectionModel()->clearCurrentIndex();
    m_sincronizando = before;
}

void TFormManSen::linhaDaGradeMudou(int row)
{
    ds::Query &sorquil = m_logon.Sorquil;
    if (row == sorquil.currentRow())
        return;
    const bool pendente = DBEdit1->isModified() || DBEdit2->isModified();
    if (pendente && temLinhaAtual()) {
        // As a bound list does: what was typed into the boxes is saved before the row changes.
        try {
            SaveNameAndPassword(m_logon.Atualiza, idAtual(), DBEdit1->text(), DBEdit2->text());
            m_sincronizando = true;
            sorquil.refresh();
            m_sincronizando = false;
        } catch (const db::DbError &e) {
            m_sincronizando = false;
            ui::critical(this, e.message());
            selecionarLinhaNaGrade(sorquil.currentRow());
            return;
        }
    }
    sorquil.moveTo(row);
    MostrarTipoAcesso();
}

void TFormManSen::reabrirEm(int id)
{
    OpenUserList(m_logon.Sorquil);
    m_logon.Sorquil.locate(kId, id);
}

void TFormManSen::DBEdit1Exit()
{
    DBEdit1->setEnabled(false);
    // Showing the stored type again would silently undo a choice made before the name
    // was typed, and "&Confirmar" would then save the wrong access type.
    if (!m_tipoEscolhido)
        MostrarTipoAcesso();
}

void TFormManSen::BitBtn3Click()
{
    DBEdit1->setEnabled(true);
    try {
        const int id = InsertBlankUser(m_logon.Atualiza);
        reabrirEm(id);
        m_logon.Atualiza.close();
        MostrarTipoAcesso();
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
    DBEdit1->setFocus();
}

void TFormManSen::BitBtn5Click()
{
    if (!temLinhaAtual())
        return;
    try {
        const int id = idAtual();
        SaveUser(m_logon.Atualiza, id, DBEdit1->text(), DBEdit2->text(), m_tipos->checkedId());
        reabrirEm(id);
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
    MostrarTipoAcesso();
}

void TFormManSen::BitBtn2Click()
{
    const QString resposta =
        ui::MostrarMensagem(QStringLiteral("ATENÇÃO"), QStringLiteral("Excluir Usuario?"), QStringLiteral("2"));
    try {
        if (resposta == u"S" && temLinhaAtual())
            DeleteUser(m_logon.Atualiza, idAtual());
        OpenUserList(m_logon.Sorquil);
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
    MostrarTipoAcesso();
}

void TFormManSen::BitBtn1Click() { close(); }

void TFormManSen::SpeedButton3Click() { BitBtn1Click(); }

void TFormManSen::done(int result)
{
    QDialog::done(result);
    m_logon.Sorquil.close();
}

} // namespace acesso
