// The test seam of the operator dialogs, and the standard boxes shown for real.

#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace ui;

TEST(ScriptedDialogs, YesNoDialogsTakeQueuedAnswersOthersAnswerOk)
{
    ScriptedDialogs script;
    script.answer("S");
    script.answer("N");

    EXPECT_EQ(MostrarMensagem("ATENÇÃO", "Deseja Excluir Esse Registro ?", "2"), "S");
    EXPECT_EQ(MostrarMensagem("ATENÇÃO", "Datas Conflitante", "1"), "S"); // leaves the queue alone
    EXPECT_FALSE(question(nullptr, "Deseja excluir este registro?"));
    EXPECT_FALSE(question(nullptr, "Nada na fila")); // an unscripted question answers no
    warning(nullptr, "Informe o endereço IPv4 do computador servidor.");
    critical(nullptr, "Número de tentativas esgotado.");
    information(nullptr, "Dados da empresa salvos com sucesso.", "Empresa");
    showMessage(nullptr, "Erro ao gravar configuracao: x");

    struct Expected
    {
        DialogKind kind;
        QString title;
        QString text;
        QString answer;
    };
    const Expected expected[] = {
        {DialogKind::MessageYesNo, "ATENÇÃO", "Deseja Excluir Esse Registro ?", "S"},
        {DialogKind::MessageOk, "ATENÇÃO", "Datas Conflitante", "S"},
        {DialogKind::Question, "Confirmação", "Deseja excluir este registro?", "N"},
        {DialogKind::Question, "Confirmação", "Nada na fila", "N"},
        {DialogKind::Warning, "Aviso", "Informe o endereço IPv4 do computador servidor.", "S"},
        {DialogKind::Critical, "Erro", "Número de tentativas esgotado.", "S"},
        {DialogKind::Information, "Empresa", "Dados da empresa salvos com sucesso.", "S"},
        {DialogKind::Plain, QApplication::applicationDisplayName(), "Erro ao gravar configuracao: x", "S"},
    };
    ASSERT_EQ(script.shown().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const ShownDialog &shown = script.shown()[static_cast<qsizetype>(i)];
        EXPECT_EQ(shown.kind, expected[i].kind);
        EXPECT_EQ(shown.title, expected[i].title);
        EXPECT_EQ(shown.text, expected[i].text);
        EXPECT_EQ(shown.answer, expected[i].answer);
    }
    EXPECT_EQ(script.pendingAnswers(), 0);
}

TEST(ScriptedDialogs, AnInnerScriptHandsBackToTheOuterOne)
{
    ScriptedDialogs outer;
    {
        ScriptedDialogs inner;
        inner.answer("S");
        EXPECT_TRUE(question(nullptr, "a"));
    }
    outer.answer("S");
    EXPECT_TRUE(question(nullptr, "b"));
    ASSERT_EQ(outer.shown().size(), 1);
    EXPECT_EQ(outer.shown()[0].text, "b");
}

TEST(MessageBoxes, QuestionShowsSimAndNao)
{
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Deseja excluir este registro?");
        for (QAbstractButton *b : box->buttons())
            captions << b->text();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(question(nullptr, "Deseja excluir este registro?"));
    captions.sort();
    EXPECT_EQ(captions, QStringList({"Não", "Sim"}));
}
