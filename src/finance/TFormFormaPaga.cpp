#include "TFormFormaPaga.h"

#include "access/CaixaAlta.h"
#include "data/Lookups.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "platform/dataset/DatasetModel.h"
#include "ui/common/EnterAsTab.h"
#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace finance {

namespace {
constexpr int kNomeWidth = 40;

QPushButton *newButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    return button;
}

QToolButton *newNavigatorButton(const QString &name, const QString &arrow, const QString &text, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(arrow);
    button->setAccessibleName(text);
    button->setToolTip(text);
    button->setMinimumSize(34, 28);
    return button;
}
} // namespace

TFormFormaPaga::TFormFormaPaga(QWidget *parent)
    : TelaFinanceira(QStringLiteral("Formas de pagamento"), QStringLiteral("Formas de Pagamento"), parent),
      FormaPaga(data::moduleConnection(), QStringLiteral("FORMAPAGA"))
{
    setObjectName(QStringLiteral("FormFormaPaga"));
    resize(560, 460);

    Label2 = new QLabel(QStringLiteral("Codigo"), body());
    Label2->setObjectName(QStringLiteral("Label2"));
    DBEdit1 = new QLineEdit(body());
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setAccessibleName(Label2->text());
    // The code comes from the generator; typing one could collide with another row.
    DBEdit1->setReadOnly(true);
    DBEdit1->setMaximumWidth(100);
    Label2->setBuddy(DBEdit1);
    Label3 = new QLabel(QStringLiteral("Descrição"), body());
    Label3->setObjectName(QStringLiteral("Label3"));
    DBEdit2 = new QLineEdit(body());
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->setAccessibleName(Label3->text());
    acesso::makeUpperCaseEdit(DBEdit2, kNomeWidth);
    Label3->setBuddy(DBEdit2);

    DBGrid1 = new QTableView(body());
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Formas de Pagamento"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    m_model = new ds::DatasetModel(&FormaPaga, this);
    m_model->setColumns({{QStringLiteral("ID"), QStringLiteral("Codigo"), {}, Qt::AlignRight | Qt::AlignVCenter},
                         {QStringLiteral("NOME"), QStringLiteral("DESCRIÇÂO")}});
    DBGrid1->setModel(m_model);
    DBGrid1->setColumnWidth(0, 80);

    DBNavigator1 = new QWidget(body());
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setAccessibleName(QStringLiteral("Navegador"));
    nbFirst = newNavigatorButton(QStringLiteral("nbFirst"), QStringLiteral("|<"), QStringLiteral("Primeiro"), DBNavigator1);
    nbPrior = newNavigatorButton(QStringLiteral("nbPrior"), QStringLiteral("<"), QStringLiteral("Anterior"), DBNavigator1);
    nbNext = newNavigatorButton(QStringLiteral("nbNext"), QStringLiteral(">"), QStringLiteral("Próximo"), DBNavigator1);
    nbLast = newNavigatorButton(QStringLiteral("nbLast"), QStringLiteral(">|"), QStringLiteral("Último"), DBNavigator1);
    auto *navigator = new QHBoxLayout(DBNavigator1);
    navigator->setContentsMargins(0, 0, 0, 0);
    navigator->setSpacing(2);
    for (QToolButton *b : {nbFirst, nbPrior, nbNext, nbLast})
        navigator->addWidget(b);

    BitBtn1 = newButton(QStringLiteral("BitBtn1"), QStringLiteral("Novo"), body());
    BitBtn2 = newButton(QStringLiteral("BitBtn2"), QStringLiteral("Salvar"), body());
    BitBtn3 = newButton(QStringLiteral("BitBtn3"), QStringLiteral("Excluir"), body());
    BitBtn4 = newButton(QStringLiteral("BitBtn4"), QStringLiteral("Voltar"), body());

    auto *fields = new QGridLayout;
    fields->addWidget(Label2, 0, 0);
    fields->addWidget(DBEdit1, 0, 1, Qt::AlignLeft);
    fields->addWidget(Label3, 1, 0);
    fields->addWidget(DBEdit2, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(DBNavigator1);
    buttons->addStretch();
    for (QPushButton *b : {BitBtn1, BitBtn3, BitBtn4, BitBtn2})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(fields);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TFormFormaPaga::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormFormaPaga::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormFormaPaga::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFormFormaPaga::BitBtn4Click);
    connect(nbFirst, &QToolButton::clicked, this, [this] { moveTo(0); });
    connect(nbPrior, &QToolButton::clicked, this, [this] { moveTo(FormaPaga.currentRow() - 1); });
    connect(nbNext, &QToolButton::clicked, this, [this] { moveTo(FormaPaga.currentRow() + 1); });
    connect(nbLast, &QToolButton::clicked, this, [this] { moveTo(FormaPaga.recordCount() - 1); });
    connect(DBGrid1, &QTableView::clicked, this, [this](const QModelIndex &index) { moveTo(index.row()); });

    connect(DBEdit2, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (FormaPaga.currentRow() < 0)
            return;
        try {
            FormaPaga.setValue(QStringLiteral("NOME"), text.toUpper());
        } catch (const db::DbError &e) {
            ui::critical(this, e.message());
        }
    });
    connect(&FormaPaga, &ds::Dataset::currentChanged, this, &TFormFormaPaga::showCurrent);
    connect(&FormaPaga, &ds::Dataset::reset, this, &TFormFormaPaga::showCurrent);
    connect(&FormaPaga, &ds::Dataset::rowChanged, this, [this](int row) {
        if (row == FormaPaga.currentRow())
            showCurrent();
    });

    new ui::EnterAsTab(this);
}

void TFormFormaPaga::FormShow()
{
    try {
        FormaPaga.open();
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
    showCurrent();
    DBEdit2->setFocus();
}

void TFormFormaPaga::showCurrent()
{
    const int row = FormaPaga.currentRow();
    const QSignalBlocker block(DBEdit2);
    if (row < 0) {
        DBEdit1->clear();
        DBEdit2->clear();
        DBGrid1->clearSelection();
        return;
    }
    DBEdit1->setText(FormaPaga.field(QStringLiteral("ID")).asString());
    const QString nome = FormaPaga.field(QStringLiteral("NOME")).asString();
    if (DBEdit2->text() != nome)
        DBEdit2->setText(nome);
    DBGrid1->selectRow(row);
}

bool TFormFormaPaga::saveCurrent()
{
    const ds::Table::State state = FormaPaga.state();
    if (state != ds::Table::State::Insert && state != ds::Table::State::Edit)
        return true;
    try {
        FormaPaga.post();
        return true;
    } catch (const db::DbError &e) {
        // The row goes back to what is stored, and the operator learns it was not saved.
        FormaPaga.cancel();
        ui::critical(this, QStringLiteral("Não foi possível salvar a forma de pagamento.\n\n") + e.message());
        return false;
    }
}

void TFormFormaPaga::moveTo(int row)
{
    if (row < 0 || row >= FormaPaga.recordCount() || row == FormaPaga.currentRow()) {
        showCurrent();
        return;
    }
    if (!saveCurrent())
        return;
    FormaPaga.moveTo(row);
}

void TFormFormaPaga::BitBtn1Click()
{
    FormaPaga.cancel();
    try {
        const qint64 n = data::NextGeneratorValue(data::dataModule().Pesquisa, QStringLiteral("FORMAPAGA"));
        FormaPaga.insert();
        FormaPaga.setValue(QStringLiteral("ID"), static_cast<int>(n));
    } catch (const db::DbError &e) {
        FormaPaga.cancel();
        ui::critical(this, e.message());
        return;
    }
    DBEdit2->setFocus();
}

void TFormFormaPaga::BitBtn2Click() { saveCurrent(); }

void TFormFormaPaga::BitBtn3Click()
{
    // Discarding a new row puts another one under the cursor: that one was not chosen.
    const bool discardedNew = FormaPaga.state() == ds::Table::State::Insert;
    FormaPaga.cancel();
    if (discardedNew || FormaPaga.currentRow() < 0 || FormaPaga.field(QStringLiteral("ID")).isNull())
        return;
    if (ui::MostrarMensagem(QStringLiteral("ATENÇÃO"), QStringLiteral("Deseja Excluir Esse Registro  ?"),
                            QStringLiteral("2"))
        != QLatin1String("S"))
        return;
    try {
        FormaPaga.remove();
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
}

void TFormFormaPaga::BitBtn4Click() { reject(); }

} // namespace finance
