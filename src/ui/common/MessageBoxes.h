#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <optional>

class QWidget;

namespace ui {

// The standard message boxes. Screens call these instead of QMessageBox so that tests
// can script them. An empty title takes the kind's usual caption.
void showMessage(QWidget *parent, const QString &text); // plain box titled with the program name
void information(QWidget *parent, const QString &text, const QString &title = {});
void warning(QWidget *parent, const QString &text, const QString &title = {});
void critical(QWidget *parent, const QString &text, const QString &title = {});
// "Sim" / "Não"; true for "Sim".
bool question(QWidget *parent, const QString &text, const QString &title = {});

enum class DialogKind {
    MessageOk,    // MostrarMensagem kind "1"
    MessageYesNo, // MostrarMensagem any other kind
    Plain,
    Information,
    Warning,
    Critical,
    Question,
};

struct ShownDialog
{
    DialogKind kind;
    QString title;  // as the caller gave it (a message box's default caption when none)
    QString text;
    QString answer; // "S" or "N"
};

// Test seam: while one exists, MostrarMensagem and the boxes above show no window.
// Each dialog is recorded; a yes/no one takes the next queued answer ("N" when the
// queue is empty), any other answers "S" (its Ok) without using the queue.
class ScriptedDialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    void answer(const QString &sOrN) { m_answers.enqueue(sOrN); }
    const QList<ShownDialog> &shown() const { return m_shown; }
    qsizetype pendingAnswers() const { return m_answers.size(); }

    // The scripted answer, or nullopt when no script is installed and a window must show.
    static std::optional<QString> intercept(DialogKind kind, const QString &title, const QString &text);

private:
    QQueue<QString> m_answers;
    QList<ShownDialog> m_shown;
    ScriptedDialogs *m_previous;
};

} // namespace ui
