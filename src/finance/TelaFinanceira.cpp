#include "TelaFinanceira.h"

#include "ui/common/FormParts.h"

#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Biblioteca.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace finance {

TelaFinanceira::TelaFinanceira(const QString &caption, const QString &title, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(caption);
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->installEventFilter(this);
    Label1 = ui::titleLabel(Panel1, QStringLiteral("Label1"), title);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    SpeedButton3 = ui::titleCloseButton(Panel1, QStringLiteral("SpeedButton3"));
    connect(SpeedButton3, &QPushButton::clicked, this, &TelaFinanceira::SpeedButton3Click);

    auto *titleLayout = new QHBoxLayout(Panel1);
    titleLayout->setContentsMargins(12, 4, 6, 4);
    titleLayout->addWidget(Label1, 1);
    titleLayout->addWidget(SpeedButton3);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(0);
    outer->addWidget(Panel1);
    outer->addWidget(Panel2, 1);
}

void TelaFinanceira::SpeedButton3Click() { reject(); }

void TelaFinanceira::showEvent(QShowEvent *event)
{
    const ui::Appearance &colours = ui::appearance();
    ui::setBackgroundColour(this, colours.CorBorda);
    ui::setBackgroundColour(Panel1, colours.CorTitulo);
    ui::setBackgroundColour(Panel2, colours.CorFundo);
    ui::ArredondarForm(this, 20, true, 1, 0);
    if (!parentWidget()) {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    FormShow();
    QDialog::showEvent(event);
}

bool TelaFinanceira::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel1) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                m_dragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        } else if (event->type() == QEvent::MouseMove) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->buttons() & Qt::LeftButton)
                move(mouse->globalPosition().toPoint() - m_dragOffset);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace finance
