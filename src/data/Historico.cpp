#include "Historico.h"

#include "ui/common/FormParts.h"

#include "ModuleConnection.h"
#include "platform/dataset/DatasetModel.h"
#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/MessageBoxes.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace data {

QString historyTimeText(const QDateTime &when)
{
    const QString date = when.date().toString(ui::shortDateFormat);
    if (when.time().msecsSinceStartOfDay() == 0)
        return date;
    return date + u' ' + when.time().toString(QStringLiteral("HH:mm:ss"));
}

void GravarHistorico(ds::Query &q, const QString &operador, const QString &acao)
{
    q.clearSql();
    q.addSql(QStringLiteral("insert into HISTORICO (ID, HORA, OPERADOR, ACAO)"));
    q.addSql(QStringLiteral("values (GEN_ID(HISTORICO,1), :HORA, :OPERADOR, :ACAO)"));
    q.param(QStringLiteral("HORA")).setString(historyTimeText(QDateTime::currentDateTime()));
    q.param(QStringLiteral("OPERADOR")).setString(operador);
    q.param(QStringLiteral("ACAO")).setString(acao);
    q.execSql();
}

TFormHistorico::TFormHistorico(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), Historico(moduleConnection())
{
    setObjectName(QStringLiteral("TFormHistorico"));
    setWindowTitle(QStringLiteral("LOG DO SISTEMA"));
    setModal(true);
    resize(820, 520);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label1 = ui::titleLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("LOG DO SISTEMA"));
    SpeedButton3 = ui::titleCloseButton(Panel1, QStringLiteral("SpeedButton3"));
    connect(SpeedButton3, &QPushButton::clicked, this, &TFormHistorico::SpeedButton3Click);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    DBGrid1 = new QTableView(Panel2);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("LOG DO SISTEMA"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    auto *title = new QHBoxLayout(Panel1);
    title->setContentsMargins(10, 4, 6, 4);
    title->addWidget(Label1, 1);
    title->addWidget(SpeedButton3);
    auto *body = new QVBoxLayout(Panel2);
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(DBGrid1);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    outer->addWidget(Panel1);
    outer->addWidget(Panel2, 1);

    // The viewer shows what the database returns first; it asks for no order.
    Historico.addSql(QStringLiteral("SELECT first 200 * FROM Historico "));
    m_model = new ds::DatasetModel(&Historico, this);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    m_model->setColumns({{QStringLiteral("ID"), QStringLiteral("REG_N."), {}, Qt::AlignRight | Qt::AlignVCenter},
                         {QStringLiteral("HORA"), QStringLiteral("HORA"), {}, left},
                         {QStringLiteral("OPERADOR"), QStringLiteral("OPERADOR"), {}, left},
                         {QStringLiteral("ACAO"), QStringLiteral("ACAO"), {}, left}});
    DBGrid1->setModel(m_model);
    try {
        Historico.open();
    } catch (const db::DbError &e) {
        ui::critical(parent, e.message());
        m_failed = true;
    }
    DBGrid1->setColumnWidth(0, 70);
    DBGrid1->setColumnWidth(1, 150);
    DBGrid1->setColumnWidth(2, 130);
}

int TFormHistorico::exec()
{
    return m_failed ? QDialog::Rejected : QDialog::exec();
}

void TFormHistorico::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormHistorico::FormShow()
{
    const ui::Appearance &colours = ui::appearance();
    ui::setBackgroundColour(this, colours.CorBorda);
    ui::setBackgroundColour(Panel1, colours.CorTitulo);
    ui::ArredondarForm(this, 20, true, 1, 0);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormHistorico::SpeedButton3Click() { close(); }

} // namespace data
