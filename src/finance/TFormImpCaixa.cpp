#include "TFormImpCaixa.h"
#include "ui/common/FormParts.h"

#include "Caixa.h"
#include "SaidaRelatorio.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/MessageBoxes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace finance {

TFormImpCaixa::TFormImpCaixa(QWidget *parent)
    : TelaFinanceira(QStringLiteral("Impressao de caixa"), QStringLiteral("Imprimir Caixa"), parent)
{
    setObjectName(QStringLiteral("FormImpCaixa"));
    setMinimumWidth(420);

    Label2 = new QLabel(QStringLiteral("Selecione um movimento de caixa"), body());
    Label2->setObjectName(QStringLiteral("Label2"));
    ComboBox1 = new QComboBox(body());
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(Label2->text());
    Label2->setBuddy(ComboBox1);

    BitBtn3 = ui::namedButton(body(), QStringLiteral("BitBtn3"), QStringLiteral("Imprimir caixa"));
    BitBtn2 = ui::namedButton(body(), QStringLiteral("BitBtn2"), QStringLiteral("Voltar"));
    connect(BitBtn3, &QPushButton::clicked, this, &TFormImpCaixa::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormImpCaixa::BitBtn2Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addWidget(Label2);
    layout->addWidget(ComboBox1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void TFormImpCaixa::FormShow()
{
    ComboBox1->clear();
    try {
        data::TLogon &dm = data::dataModule();
        ListarCaixa(dm);
        ds::Query &caixa = dm.Caixa;
        for (caixa.first(); !caixa.eof(); caixa.next()) {
            const int id = caixa.field(QStringLiteral("ID")).asInteger();
            const QDate data = caixa.field(QStringLiteral("DATA")).asDate();
            // The number travels with the entry, so sessions past 99999 are chosen right.
            ComboBox1->addItem(ui::formatNumber(QStringLiteral("00000"), id) + u' '
                                   + (data.isValid() ? ui::dateToText(data) : QString()) + u' '
                                   + caixa.field(QStringLiteral("ATEND")).asString(),
                               id);
        }
        if (ComboBox1->count() > 0)
            ComboBox1->setCurrentIndex(0);
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
}

int TFormImpCaixa::chosenSession() const
{
    return ComboBox1->currentIndex() < 0 ? 0 : ComboBox1->currentData().toInt();
}

void TFormImpCaixa::BitBtn3Click()
{
    try {
        data::TLogon &dm = data::dataModule();
        report::Report report;
        report.setData(QStringLiteral("frxDBCaixa"), MontarCDSCaixa(dm, chosenSession()));
        const ReportSettings settings = ReadReportSettings(dm.Empresa);
        report.setData(QStringLiteral("frxDBEmpresa"), dm.Empresa);
        report.setData(QStringLiteral("frxDBReceber"), dm.FINANCEIRO);
        report.setData(QStringLiteral("frxDBFicha"), dm.ESTFIC);
        OutputReport(report, settings, QString::fromLatin1(kCaixaTemplate58), QString::fromLatin1(kCaixaTemplate80),
                     this);
        ListarCaixa(dm);
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
}

void TFormImpCaixa::BitBtn2Click() { reject(); }

} // namespace finance
