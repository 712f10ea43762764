#include "Appearance.h"

#include "Biblioteca.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace ui {

Appearance Appearance::defaults()
{
    constexpr int blue = 9726208; // RGB(0,105,148)
    return {blue, ClarearCor(blue, 80), blue, QStringLiteral("rcsaBlue")};
}

Appearance &appearance()
{
    static Appearance values = Appearance::defaults();
    return values;
}

void setBackgroundColour(QWidget *widget, int cor)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(cor));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace ui
