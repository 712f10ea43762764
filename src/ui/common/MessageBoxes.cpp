#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {

ScriptedDialogs *script = nullptr;

QString answerOf(QMessageBox::StandardButton button)
{
    return button == QMessageBox::Yes || button == QMessageBox::Ok ? QStringLiteral("S") : QStringLiteral("N");
}

QString box(DialogKind kind, QWidget *parent, const QString &text, const QString &title)
{
    struct Look
    {
        QMessageBox::Icon icon;
        QString caption;
    };
    const Look look = [&]() -> Look {
        switch (kind) {
        case DialogKind::Information: return {QMessageBox::Information, QStringLiteral("Informação")};
        case DialogKind::Warning: return {QMessageBox::Warning, QStringLiteral("Aviso")};
        case DialogKind::Critical: return {QMessageBox::Critical, QStringLiteral("Erro")};
        case DialogKind::Question: return {QMessageBox::Question, QStringLiteral("Confirmação")};
        default: return {QMessageBox::NoIcon, QApplication::applicationDisplayName()};
        }
    }();
    const QString shownTitle = title.isEmpty() ? look.caption : title;
    if (const auto scripted = ScriptedDialogs::intercept(kind, shownTitle, text))
        return *scripted;

    const bool yesNo = kind == DialogKind::Question;
    QMessageBox dialog(look.icon, shownTitle, text,
                       yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (yesNo) {
        dialog.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
        dialog.button(QMessageBox::No)->setText(QStringLiteral("Não"));
        dialog.setDefaultButton(QMessageBox::Yes);
    } else {
        dialog.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    return answerOf(static_cast<QMessageBox::StandardButton>(dialog.exec()));
}

} // namespace

void showMessage(QWidget *parent, const QString &text)
{
    box(DialogKind::Plain, parent, text, {});
}

void information(QWidget *parent, const QString &text, const QString &title)
{
    box(DialogKind::Information, parent, text, title);
}

void warning(QWidget *parent, const QString &text, const QString &title)
{
    box(DialogKind::Warning, parent, text, title);
}

void critical(QWidget *parent, const QString &text, const QString &title)
{
    box(DialogKind::Critical, parent, text, title);
}

bool question(QWidget *parent, const QString &text, const QString &title)
{
    return box(DialogKind::Question, parent, text, title) == u"S";
}

ScriptedDialogs::ScriptedDialogs() : m_previous(script)
{
    script = this;
}

ScriptedDialogs::~ScriptedDialogs()
{
    script = m_previous;
}

std::optional<QString> ScriptedDialogs::intercept(DialogKind kind, const QString &title, const QString &text)
{
    if (!script)
        return std::nullopt;
    const bool yesNo = kind == DialogKind::MessageYesNo || kind == DialogKind::Question;
    QString answer = QStringLiteral("S");
    if (yesNo)
        answer = script->m_answers.isEmpty() ? QStringLiteral("N") : script->m_answers.dequeue();
    script->m_shown.append({kind, title, text, answer});
    return answer;
}

} // namespace ui
