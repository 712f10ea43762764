#include "Mensagem.h"

#include "Appearance.h"
#include "Arredondador.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int lineHeight = 21;
constexpr int heightBesidesText = 150;

QStringList textLines(const QString &text)
{
    // A break at the very end starts no further line.
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QWidget *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(w) && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

TFormMensagem::TFormMensagem(const QString &titulo, const QString &texto, const QString &tipo, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_titulo(titulo), m_texto(texto), m_tipo(tipo)
{
    setObjectName(QStringLiteral("TFormMensagem"));
    setModal(true);

    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel4 = new QLabel(Panel3);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel1 = new QFrame(Panel3);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Memo1 = new QLabel(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    BitBtn1 = new QPushButton(Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    QFont titleFont = Panel4->font();
    titleFont.setPointSize(11);
    titleFont.setBold(true);
    Panel4->setFont(titleFont);
    Panel4->setAlignment(Qt::AlignCenter);
    Panel4->setFixedHeight(30);
    QPalette titlePalette = Panel4->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    Panel4->setPalette(titlePalette);

    QFont textFont = Memo1->font();
    textFont.setPointSize(11);
    Memo1->setFont(textFont);
    Memo1->setTextFormat(Qt::PlainText);
    Memo1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Memo1->setWordWrap(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    for (QPushButton *button : {BitBtn1, BitBtn2})
        button->setMinimumSize(90, 30);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormMensagem::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormMensagem::BitBtn2Click);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel3);
    auto *frame = new QVBoxLayout(Panel3);
    frame->setContentsMargins(5, 5, 5, 5);
    frame->setSpacing(0);
    frame->addWidget(Panel4);
    frame->addWidget(Panel1);
    auto *body = new QVBoxLayout(Panel1);
    body->setContentsMargins(15, 15, 15, 12);
    body->addWidget(Memo1);
    body->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    body->addLayout(buttons);
}

void TFormMensagem::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormMensagem::FormShow()
{
    const QString title = m_titulo.trimmed().toUpper();
    Panel4->setText(title);
    setWindowTitle(title);

    const QStringList lines = textLines(m_texto);
    Memo1->setText(lines.join(u'\n'));
    Memo1->setFixedHeight(lineHeight * static_cast<int>(lines.size()));
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, Memo1->fontMetrics().horizontalAdvance(line));
    setFixedSize(std::clamp(widest + 60, 420, 900), Memo1->height() + heightBesidesText);

    const bool okOnly = m_tipo == u"1";
    BitBtn1->setText(okOnly ? QStringLiteral("Ok") : QStringLiteral("Sim"));
    BitBtn1->setIcon(style()->standardIcon(okOnly ? QStyle::SP_DialogOkButton : QStyle::SP_DialogYesButton));
    BitBtn2->setText(QStringLiteral("Não"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    BitBtn2->setVisible(!okOnly);
    for (QPushButton *button : {BitBtn1, BitBtn2})
        button->setAccessibleName(button->text());

    const Appearance &colours = appearance();
    setBackgroundColour(Panel3, colours.CorBorda);
    setBackgroundColour(Panel4, colours.CorTitulo);
    setBackgroundColour(Panel1, colours.CorFundo);
    setBackgroundColour(Memo1, colours.CorFundo);
    ArredondarForm(this, 20, true, 1, 0);

    if (QWidget *main = mainWindow())
        move(main->frameGeometry().center() - rect().center());
}

void TFormMensagem::BitBtn1Click()
{
    m_resposta = QStringLiteral("S");
    accept();
}

void TFormMensagem::BitBtn2Click()
{
    m_resposta = QStringLiteral("N");
    reject();
}

QString MostrarMensagem(const QString &titulo, const QString &texto, const QString &tipo)
{
    const DialogKind kind = tipo == u"1" ? DialogKind::MessageOk : DialogKind::MessageYesNo;
    if (const auto scripted = ScriptedDialogs::intercept(kind, titulo, texto))
        return *scripted;
    TFormMensagem dialog(titulo, texto, tipo, QApplication::activeWindow());
    dialog.exec();
    return dialog.resposta();
}

} // namespace ui
