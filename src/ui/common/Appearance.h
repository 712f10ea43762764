#pragma once

#include <QString>

class QWidget;

namespace ui {

// The program-wide appearance values (colour numbers, see Biblioteca.h). They hold the
// defaults until start-up loads the stored ones; the appearance screen changes them.
struct Appearance
{
    int CorBorda;
    int CorFundo;
    int CorTitulo;
    QString CorMenu;

    static Appearance defaults();
};

Appearance &appearance();

// Fills the widget's background with a colour number.
void setBackgroundColour(QWidget *widget, int cor);

} // namespace ui
