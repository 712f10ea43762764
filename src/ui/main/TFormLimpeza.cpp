#include "TFormLimpeza.h"
#include "ui/common/FormParts.h"

#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "stays/ReservaHotel.h"
#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TFormLimpeza::TFormLimpeza(const QString &roomCode, const QString &roomName, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormLimpeza"));
    setWindowTitle(QStringLiteral("Liberar quarto"));
    setModal(true);
    setFixedSize(380, 230);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    outer->addWidget(Panel2);
    auto *frame = new QVBoxLayout(Panel2);
    frame->setContentsMargins(3, 3, 3, 3);
    frame->setSpacing(0);

    auto *titleRow = new QHBoxLayout;
    Panel3 = titleLabel(Panel2, QStringLiteral("Panel3"), QStringLiteral("Limpeza efetuada"), 11);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setMinimumHeight(32);
    SpeedButton3 = titleCloseButton(Panel2, QStringLiteral("SpeedButton3"));
    titleRow->addWidget(Panel3, 1);
    titleRow->addWidget(SpeedButton3);
    frame->addLayout(titleRow);

    Panel4 = new QFrame(Panel2);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    frame->addWidget(Panel4, 1);
    auto *body = new QVBoxLayout(Panel4);
    body->setContentsMargins(18, 12, 18, 12);
    auto *codeRow = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("Quarto"), Panel4);
    Label11 = new QLabel(roomCode, Panel4);
    Label11->setObjectName(QStringLiteral("Label11"));
    QFont big = Label11->font();
    big.setPointSize(16);
    big.setBold(true);
    Label11->setFont(big);
    codeRow->addWidget(caption);
    codeRow->addWidget(Label11);
    codeRow->addStretch();
    body->addLayout(codeRow);
    Label4 = new QLabel(roomName, Panel4);
    Label4->setObjectName(QStringLiteral("Label4"));
    body->addWidget(Label4);
    body->addStretch();

    auto *buttons = new QHBoxLayout;
    SpeedButton4 = ui::namedButton(Panel4, QStringLiteral("SpeedButton4"), QStringLiteral("Voltar"));
    SpeedButton4->setAutoDefault(false);
    BitBtn3 = ui::namedButton(Panel4, QStringLiteral("BitBtn3"), QStringLiteral("Liberar quarto"));
    BitBtn3->setDefault(true);
    buttons->addWidget(SpeedButton4);
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    body->addLayout(buttons);

    connect(BitBtn3, &QPushButton::clicked, this, &TFormLimpeza::BitBtn3Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &TFormLimpeza::SpeedButton4Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TFormLimpeza::SpeedButton3Click);
}

void TFormLimpeza::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormLimpeza::FormShow()
{
    const Appearance &a = appearance();
    setBackgroundColour(Panel2, a.CorBorda);
    Panel3->setAutoFillBackground(true);
    setBackgroundColour(Panel3, a.CorTitulo);
    setBackgroundColour(Panel4, a.CorFundo);
    ArredondarForm(this, 20, true, 1, 0);
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
}

void TFormLimpeza::BitBtn3Click()
{
    try {
        stays::FreeRoom(data::dataModule().Atualiza, Label11->text());
    } catch (const db::DbError &e) {
        critical(this, QStringLiteral("Não foi possível liberar o quarto.\n\n") + e.message());
        return;
    }
    accept();
}

void TFormLimpeza::SpeedButton4Click() { reject(); }
void TFormLimpeza::SpeedButton3Click() { reject(); }

} // namespace ui
