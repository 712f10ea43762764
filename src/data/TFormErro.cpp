#include "TFormErro.h"
#include "ui/common/FormParts.h"

#include "ui/common/Arredondador.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace data {

namespace {
QLabel *addLabel(QVBoxLayout *layout, QWidget *parent, const char *name, const QString &text, int pointSize = 0,
                 bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    if (pointSize > 0 || bold) {
        QFont f = label->font();
        if (pointSize > 0)
            f.setPointSize(pointSize);
        f.setBold(bold);
        label->setFont(f);
    }
    layout->addWidget(label);
    return label;
}
} // namespace

TFormErro::TFormErro(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormErro"));
    setWindowTitle(QStringLiteral(".: Problema da Conexão :."));
    setModal(true);
    setMinimumWidth(480);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    addLabel(layout, this, "lblBanco", QStringLiteral("Banco de Dados"), 14, true);
    addLabel(layout, this, "lblTitulo", QStringLiteral("Erro ao Conectar com o servidor"), 11, true);
    addLabel(layout, this, "lblIP", QStringLiteral("IP do servidor : ") + GetServerIP());
    addLabel(layout, this, "lblDica1", QStringLiteral("Verificar se o computador esta conectado a rede local "));
    addLabel(layout, this, "lblDica2", QStringLiteral("Se esse computador for o servidor click em Conectar"));
    addLabel(layout, this, "lblDica3",
             QStringLiteral("Se for um terminal aborte e verifique as conexão /hub e tente novamente"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *abortar = ui::namedButton(this, QStringLiteral("Button1"), QStringLiteral("Abortar"));
    auto *conectar = ui::namedButton(this, QStringLiteral("Button2"), QStringLiteral("Conectar"));
    conectar->setDefault(true);
    buttons->addWidget(abortar);
    buttons->addWidget(conectar);
    layout->addLayout(buttons);

    connect(abortar, &QPushButton::clicked, this, &TFormErro::Button1Click);
    connect(conectar, &QPushButton::clicked, this, &TFormErro::Button2Click);
    ui::ArredondarForm(this);
}

void TFormErro::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormErro::Button1Click()
{
    m_choice = TLogon::ProblemChoice::Abort;
    reject();
}

void TFormErro::Button2Click()
{
    m_choice = TLogon::ProblemChoice::Connect;
    accept();
}

TLogon::ProblemChoice TFormErro::ask(QWidget *parent)
{
    TFormErro form(parent);
    form.exec();
    return form.choice();
}

} // namespace data
