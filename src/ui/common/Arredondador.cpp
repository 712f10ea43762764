#include "Arredondador.h"

#include "Biblioteca.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

// The corner ellipses are radius × radius, so Qt's corner radius is half of it.
QPainterPath roundedPath(const QRectF &rect, int raio)
{
    QPainterPath path;
    path.addRoundedRect(rect, raio / 2.0, raio / 2.0);
    return path;
}

void arredondar(QWidget *control, int raio, bool comBorda, int espessuraBorda, int corBorda)
{
    if (!control)
        return;
    auto *rounding = control->findChild<TArredondadorControle *>(QString(), Qt::FindDirectChildrenOnly);
    if (!rounding)
        rounding = new TArredondadorControle(control);
    rounding->Configurar(raio, comBorda, espessuraBorda, corBorda);
}

} // namespace

TArredondadorControle::TArredondadorControle(QWidget *aControle) : QWidget(aControle), FControle(aControle)
{
    setObjectName(QStringLiteral("TArredondadorControle"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    FControle->installEventFilter(this);
}

TArredondadorControle::~TArredondadorControle()
{
    FControle->removeEventFilter(this);
}

void TArredondadorControle::Configurar(int aRaio, bool aComBorda, int aEspessuraBorda, int aCorBorda)
{
    FRaio = std::max(1, aRaio);
    FComBorda = aComBorda;
    FEspessuraBorda = std::max(1, aEspessuraBorda);
    FCorBorda = aCorBorda;

    if (FControle->isWindow()) {
        if (!FControle->windowFlags().testFlag(Qt::FramelessWindowHint)) {
            // Changing window flags hides a shown window.
            const bool shown = FControle->isVisible();
            FControle->setWindowFlag(Qt::FramelessWindowHint);
            if (shown)
                FControle->show();
        }
    } else if (auto *frame = qobject_cast<QFrame *>(FControle)) {
        frame->setFrameShape(QFrame::NoFrame);
    }
    AplicarForma();
    FControle->update();
}

void TArredondadorControle::AplicarForma()
{
    const QRect area = FControle->rect();
    FControle->setMask(QRegion(roundedPath(area, FRaio).toFillPolygon().toPolygon()));
    setGeometry(area);
    setVisible(FComBorda);
    raise();
    update();
}

bool TArredondadorControle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FControle) {
        switch (event->type()) {
        case QEvent::Resize:
            AplicarForma();
            break;
        case QEvent::ChildAdded:
        case QEvent::Show:
            // Children added later would otherwise cover the border line.
            raise();
            break;
        default:
            break;
        }
    }
    return false;
}

void TArredondadorControle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toQColor(FCorBorda), FEspessuraBorda));
    // The line runs just inside the shape's edge.
    const qreal inset = FEspessuraBorda / 2.0;
    painter.drawPath(roundedPath(QRectF(rect()).adjusted(inset, inset, -inset, -inset), FRaio));
}

void ArredondarPainel(QWidget *painel, int raio, bool comBorda, int espessuraBorda, int corBorda)
{
    arredondar(painel, raio, comBorda, espessuraBorda, corBorda);
}

void ArredondarForm(QWidget *form, int raio, bool comBorda, int espessuraBorda, int corBorda)
{
    arredondar(form, raio, comBorda, espessuraBorda, corBorda);
}

} // namespace ui
