// What every cash and finance screen shares: the window caption and title, and an
// accessible name on every control a person uses.

#include "FinanceFixture.h"
#include "finance/TFormCaixa.h"
#include "finance/TFormFormaPaga.h"
#include "finance/TFormImpCaixa.h"
#include "finance/TFormMovFinanceiro.h"

#include <QLabel>
#include <memory>

namespace {

class ScreensTest : public test::FinanceTest
{
};

} // namespace

TEST_F(ScreensTest, EachScreenHasItsCaptionTitleAndNamedControls)
{
    struct Screen
    {
        std::unique_ptr<QDialog> form;
        const char *caption;
        const char *title;
    } screens[] = {
        {std::make_unique<finance::TFormCaixa>(), "Movimento de caixa", "Abertura e Fechamento de Caixa"},
        {std::make_unique<finance::TFormImpCaixa>(), "Impressao de caixa", "Imprimir Caixa"},
        {std::make_unique<finance::TFormMovFinanceiro>(), "Movimento financeiro", "Movimento Financeiro"},
        {std::make_unique<finance::TFormFormaPaga>(), "Formas de pagamento", "Formas de Pagamento"},
    };
    for (Screen &s : screens) {
        SCOPED_TRACE(s.caption);
        s.form->show();
        EXPECT_EQ(s.form->windowTitle(), QString::fromUtf8(s.caption));
        EXPECT_EQ(s.form->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QString::fromUtf8(s.title));
        for (QWidget *w : s.form->findChildren<QWidget *>()) {
            // The screen's own components; a control's inner parts answer for themselves.
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))
                || w->focusPolicy() == Qt::NoFocus || !w->isVisible())
                continue;
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
        s.form->close();
    }
}
