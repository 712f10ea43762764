#include "TFormMovFinanceiro.h"
#include "ui/common/FormParts.h"

#include "Financeiro.h"
#include "SaidaRelatorio.h"
#include "data/ModuleConnection.h"
#include "ui/common/MessageBoxes.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace finance {

namespace {
QDateEdit *newDatePicker(const QString &name, const QDate &date, QWidget *parent)
{
    auto *picker = new QDateEdit(date, parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return picker;
}
} // namespace

TFormMovFinanceiro::TFormMovFinanceiro(QWidget *parent)
    : TelaFinanceira(QStringLiteral("Movimento financeiro"), QStringLiteral("Movimento Financeiro"), parent),
      FINANCEIRO(data::moduleConnection()), Empresa(data::moduleConnection())
{
    setObjectName(QStringLiteral("FormMovFinanceiro"));
    setMinimumWidth(440);

    const QDate today = QDate::currentDate();
    const QDate first(today.year(), today.month(), 1);
    Label2 = new QLabel(QStringLiteral("Periodo"), body());
    Label2->setObjectName(QStringLiteral("Label2"));
    DateTimePicker1 = newDatePicker(QStringLiteral("DateTimePicker1"), first, body());
    DateTimePicker1->setAccessibleName(QStringLiteral("Data inicial"));
    Label2->setBuddy(DateTimePicker1);
    Label3 = new QLabel(QStringLiteral("a"), body());
    Label3->setObjectName(QStringLiteral("Label3"));
    DateTimePicker2 = newDatePicker(QStringLiteral("DateTimePicker2"), first.addMonths(1).addDays(-1), body());
    DateTimePicker2->setAccessibleName(QStringLiteral("Data final"));
    Label3->setBuddy(DateTimePicker2);

    BitBtn1 = ui::namedButton(body(), QStringLiteral("BitBtn1"), QStringLiteral("Imprimir relatorio"));
    BitBtn2 = ui::namedButton(body(), QStringLiteral("BitBtn2"), QStringLiteral("Voltar"));
    connect(BitBtn1, &QPushButton::clicked, this, &TFormMovFinanceiro::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormMovFinanceiro::BitBtn2Click);

    auto *period = new QHBoxLayout;
    period->addWidget(Label2);
    period->addWidget(DateTimePicker1, 1);
    period->addWidget(Label3);
    period->addWidget(DateTimePicker2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(period);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void TFormMovFinanceiro::BitBtn1Click()
{
    try {
        ListarFinanceiroPeriodo(FINANCEIRO, DateTimePicker1->date(), DateTimePicker2->date());
        const ReportSettings settings = ReadReportSettings(Empresa);
        report::Report report;
        report.setData(QStringLiteral("frxDBFinanceiro"), FINANCEIRO);
        report.setData(QStringLiteral("frxDBEmpresa"), Empresa);
        OutputReport(report, settings, QString::fromLatin1(kFinanceiroTemplate58),
                     QString::fromLatin1(kFinanceiroTemplate80), this);
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
}

void TFormMovFinanceiro::BitBtn2Click() { reject(); }

} // namespace finance
