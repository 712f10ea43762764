#pragma once

#include <QWidget>

namespace ui {

// Rounds a panel's or a window's corners and draws an optional border line along them.
// It is a transparent child of the control, stacked on top so the line shows over the
// control's own children, and it watches the control to follow every resize.
// A control owns at most one: the attach functions below reconfigure it.
class TArredondadorControle : public QWidget
{
    Q_OBJECT
public:
    explicit TArredondadorControle(QWidget *aControle);
    ~TArredondadorControle() override;

    // Radius and thickness below 1 count as 1. Takes a panel's frame or a window's
    // title bar away, then shapes and repaints.
    void Configurar(int aRaio, bool aComBorda, int aEspessuraBorda, int aCorBorda);

    int raio() const { return FRaio; }
    bool comBorda() const { return FComBorda; }
    int espessuraBorda() const { return FEspessuraBorda; }
    int corBorda() const { return FCorBorda; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void AplicarForma();

    QWidget *FControle;
    int FRaio = 1;
    bool FComBorda = false;
    int FEspessuraBorda = 1;
    int FCorBorda = 0;
};

// A missing control is ignored. Colours are colour numbers (0x00BBGGRR).
void ArredondarPainel(QWidget *painel, int raio = 20, bool comBorda = true, int espessuraBorda = 1, int corBorda = 0);
void ArredondarForm(QWidget *form, int raio = 20, bool comBorda = true, int espessuraBorda = 1, int corBorda = 0);

} // namespace ui
