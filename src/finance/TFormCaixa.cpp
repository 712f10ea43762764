#include "TFormCaixa.h"
#include "ui/common/FormParts.h"

#include "Caixa.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "platform/db/Decimal.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace finance {

namespace {
const QString kFechar = QStringLiteral("Fechar o Caixa ?");
const QString kAbrir = QStringLiteral("Abrir um Caixa ?");

QLabel *newLabel(const QString &name, const QString &text, QWidget *parent, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}
} // namespace

TFormCaixa::TFormCaixa(QWidget *parent)
    : TelaFinanceira(QStringLiteral("Movimento de caixa"), QStringLiteral("Abertura e Fechamento de Caixa"), parent)
{
    setObjectName(QStringLiteral("FormCaixa"));
    setMinimumWidth(420);

    Label2 = newLabel(QStringLiteral("Label2"), QStringLiteral("Estado do caixa"), body());
    Label3 = newLabel(QStringLiteral("Label3"), QStringLiteral("Numero do movimento"), body());
    Label4 = newLabel(QStringLiteral("Label4"), QStringLiteral("Data do movimento"), body());
    Label5 = newLabel(QStringLiteral("Label5"), QStringLiteral("Abertura com R$"), body());
    Label6 = newLabel(QStringLiteral("Label6"), {}, body(), true);
    Label7 = newLabel(QStringLiteral("Label7"), {}, body(), true);
    Label8 = newLabel(QStringLiteral("Label8"), {}, body(), true);
    Label9 = newLabel(QStringLiteral("Label9"), {}, body(), true);

    Edit1 = new QLineEdit(body());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(Label5->text());
    Edit1->setAlignment(Qt::AlignRight);
    Edit1->installEventFilter(this);
    Label5->setBuddy(Edit1);

    BitBtn3 = ui::namedButton(body(), QStringLiteral("BitBtn3"), QStringLiteral("Confirmar"));
    BitBtn2 = ui::namedButton(body(), QStringLiteral("BitBtn2"), QStringLiteral("Voltar"));
    // No default button: a stray Enter must neither open nor close the cash.
    BitBtn3->setAutoDefault(false);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormCaixa::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormCaixa::BitBtn2Click);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(Label6, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Label7, 1, 1);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(Label8, 2, 1);
    grid->addWidget(Label5, 3, 0);
    grid->addWidget(Label9, 3, 1);
    grid->addWidget(Edit1, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void TFormCaixa::showState(int caixa, const QString &data, const QString &valor)
{
    m_shownCash = caixa;
    const bool open = caixa != 0;
    Label6->setText(open ? QStringLiteral("CAIXA ABERTO") : QStringLiteral("CAIXA FECHADO"));
    Label7->setText(QString::number(caixa));
    Label8->setText(data);
    Label9->setText(valor);
    Label9->setVisible(open);
    Edit1->setVisible(!open);
    BitBtn3->setText(open ? kFechar : kAbrir);
    BitBtn3->setAccessibleName(BitBtn3->text());
    BitBtn3->setEnabled(true);
}

void TFormCaixa::FormShow()
{
    Edit1->setText(QStringLiteral("0"));
    try {
        data::TLogon &dm = data::dataModule();
        dm.VerEmpresa();
        const int caixa = dm.Empresa.isEmpty() ? 0 : dm.Empresa.field(QStringLiteral("CAIXA")).asInteger();
        const QDate data = dm.Empresa.isEmpty() ? QDate() : dm.Empresa.field(QStringLiteral("DATA")).asDate();
        const QString dataText = data.isValid() ? ui::dateToText(data) : QString();
        const QString valor = caixa != 0
                                  ? ui::formatNumber(QStringLiteral("0.00"), dm.Empresa.field(QStringLiteral("VALOR")).asFloat())
                                  : QString();
        showState(caixa, dataText, valor);
        if (Edit1->isVisible())
            Edit1->setFocus();
        Edit1->selectAll();
    } catch (const db::DbError &e) {
        // Without the state nothing may be opened or closed.
        m_shownCash = -1;
        BitBtn3->setEnabled(false);
        ui::critical(this, e.message());
    }
}

bool TFormCaixa::Edit1KeyPress(const QString &text, QChar key)
{
    if (key.isDigit() && key.unicode() < 128)
        return true;
    if (key == u'\b' || key == u'\r' || key == u'\n')
        return true;
    return key == u',' && !text.contains(u',');
}

double TFormCaixa::amountOf(const QString &text)
{
    const std::optional<db::Decimal> amount = db::Decimal::parse(text.trimmed());
    return amount ? amount->toDouble() : 0.0;
}

bool TFormCaixa::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        // Only typed characters are filtered: Tab, Delete, Escape, arrows and shortcuts
        // stay the edit's and the window's own.
        if (typed.size() == 1 && typed.at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QString rest = Edit1->text();
            if (Edit1->hasSelectedText())
                rest.remove(Edit1->selectionStart(), Edit1->selectedText().size());
            if (!Edit1KeyPress(rest, typed.at(0)))
                return true;
        }
    }
    return TelaFinanceira::eventFilter(watched, event);
}

void TFormCaixa::BitBtn3Click()
{
    const bool closing = BitBtn3->text() == kFechar;
    const double amount = amountOf(Edit1->text());
    try {
        data::TLogon &dm = data::dataModule();
        // Another terminal may have opened or closed the cash since this window read it:
        // act only on the state the operator is looking at.
        dm.VerEmpresa();
        const int now = dm.Empresa.isEmpty() ? 0 : dm.Empresa.field(QStringLiteral("CAIXA")).asInteger();
        if (now != (closing ? m_shownCash : 0)) {
            const QString text =
                now == 0 ? QStringLiteral("O caixa %1 já foi fechado em outro terminal.").arg(m_shownCash)
                : closing ? QStringLiteral("O caixa %1 já foi fechado em outro terminal e o caixa %2 foi aberto.")
                                .arg(m_shownCash)
                                .arg(now)
                          : QStringLiteral("O caixa %1 acabou de ser aberto em outro terminal.").arg(now);
            ui::MostrarMensagem(QStringLiteral("ATENÇÃO"), text, QStringLiteral("1"));
            FormShow();
            return;
        }
        if (closing) {
            FecharCaixa(dm);
        } else {
            const QString result = AbrirCaixa(dm, amount);
            if (result != QLatin1String("OK"))
                ui::critical(this, QStringLiteral("Não foi possível abrir o caixa.\n\n") + result.mid(6));
        }
        accept();
    } catch (const db::DbError &e) {
        ui::critical(this, e.message());
    }
}

void TFormCaixa::BitBtn2Click() { reject(); }

} // namespace finance
