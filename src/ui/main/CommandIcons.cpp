#include "CommandIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

struct Glyph
{
    QColor colour;
    QString text;
};

Glyph glyphFor(const QString &name)
{
    static const QHash<QString, Glyph> glyphs = {
        {QStringLiteral("dxBarLargeButton4"), {QColor(0, 105, 148), QStringLiteral("▤")}},
        {QStringLiteral("dxBarLargeButton1"), {QColor(30, 150, 104), QStringLiteral("$")}},
        {QStringLiteral("dxBarLargeButton30"), {QColor(43, 125, 204), QStringLiteral("↕")}},
        {QStringLiteral("dxBarLargeButton36"), {QColor(106, 27, 154), QStringLiteral("▦")}},
        {QStringLiteral("dxBarLargeButton29"), {QColor(30, 150, 104), QStringLiteral("▣")}},
        {QStringLiteral("dxBarLargeButton31"), {QColor(232, 148, 35), QStringLiteral("%")}},
        {QStringLiteral("dxBarLargeButton6"), {QColor(0, 105, 148), QStringLiteral("Q")}},
        {QStringLiteral("dxBarLargeButton7"), {QColor(43, 125, 204), QStringLiteral("T")}},
        {QStringLiteral("dxBarLargeButton16"), {QColor(30, 150, 104), QStringLiteral("☺")}},
        {QStringLiteral("dxBarLargeButton10"), {QColor(232, 148, 35), QStringLiteral("F")}},
        {QStringLiteral("dxBarLargeButton20"), {QColor(106, 27, 154), QStringLiteral("U")}},
        {QStringLiteral("dxBarLargeButton9"), {QColor(20, 33, 61), QStringLiteral("E")}},
        {QStringLiteral("dxBarLargeButton14"), {QColor(30, 150, 104), QStringLiteral("¤")}},
        {QStringLiteral("dxBarLargeButton8"), {QColor(232, 148, 35), QStringLiteral("C")}},
        {QStringLiteral("dxBarLargeButton11"), {QColor(0, 105, 148), QStringLiteral("P")}},
        {QStringLiteral("dxBarLargeButton15"), {QColor(43, 125, 204), QStringLiteral("⇅")}},
        {QStringLiteral("dxBarLargeButton12"), {QColor(106, 27, 154), QStringLiteral("G")}},
        {QStringLiteral("dxBarLargeButton23"), {QColor(30, 150, 104), QStringLiteral("≡")}},
        {QStringLiteral("dxBarLargeButton24"), {QColor(232, 148, 35), QStringLiteral("¶")}},
        {QStringLiteral("dxBarLargeButton28"), {QColor(0, 105, 148), QStringLiteral("◷")}},
        {QStringLiteral("dxBarLargeButton37"), {QColor(106, 27, 154), QStringLiteral("◐")}},
        {QStringLiteral("dxBarLargeButton26"), {QColor(43, 125, 204), QStringLiteral("⇄")}},
        {QStringLiteral("dxBarLargeButton33"), {QColor(20, 33, 61), QStringLiteral("L")}},
    };
    // Every "Sair do Sistema" shares one picture.
    return glyphs.value(name, Glyph{QColor(213, 63, 73), QStringLiteral("×")});
}

QPixmap badge(int size, const QColor &colour, const QString &text, qreal radius)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), radius, radius);
    QFont f;
    f.setBold(true);
    f.setPixelSize(size * 5 / 8);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
    return pm;
}

} // namespace

QIcon commandIcon(const QString &commandName)
{
    const Glyph g = glyphFor(commandName);
    return QIcon(badge(32, g.colour, g.text, 6));
}

QPixmap logoPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A three-leaf clover, the program's mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 150, 104));
    const qreal r = size * 0.22;
    const QPointF c(size / 2.0, size / 2.0 - r * 0.2);
    p.drawEllipse(QPointF(c.x(), c.y() - r * 0.9), r, r);
    p.drawEllipse(QPointF(c.x() - r * 0.85, c.y() + r * 0.5), r, r);
    p.drawEllipse(QPointF(c.x() + r * 0.85, c.y() + r * 0.5), r, r);
    p.setPen(QPen(QColor(30, 150, 104), size * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() + r), QPointF(c.x() + r * 0.4, size * 0.95));
    return pm;
}

QPixmap closePicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, size * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QRectF(size * 0.08, size * 0.08, size * 0.84, size * 0.84));
    p.drawLine(QPointF(size * 0.33, size * 0.33), QPointF(size * 0.67, size * 0.67));
    p.drawLine(QPointF(size * 0.67, size * 0.33), QPointF(size * 0.33, size * 0.67));
    return pm;
}

QPixmap roomStatePicture(int index, int size)
{
    // Accent colours of the four states, and a sign for each.
    static const QColor colours[] = {QColor(30, 150, 104), QColor(213, 63, 73), QColor(43, 125, 204),
                                     QColor(232, 148, 35)};
    static const char *signs[] = {"✓", "●", "~", "!"};
    const int i = (index >= 0 && index <= 3) ? index : 0;
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A bed seen from the side, under the state's sign.
    p.setPen(Qt::NoPen);
    p.setBrush(colours[i]);
    p.drawRoundedRect(QRectF(size * 0.1, size * 0.55, size * 0.8, size * 0.18), 3, 3);
    p.drawRoundedRect(QRectF(size * 0.1, size * 0.4, size * 0.08, size * 0.45), 2, 2);
    p.drawRoundedRect(QRectF(size * 0.82, size * 0.5, size * 0.08, size * 0.35), 2, 2);
    p.setBrush(colours[i].lighter(150));
    p.drawRoundedRect(QRectF(size * 0.2, size * 0.45, size * 0.22, size * 0.1), 3, 3);
    QFont f;
    f.setBold(true);
    f.setPixelSize(size * 0.32);
    p.setFont(f);
    p.setPen(colours[i]);
    p.drawText(QRectF(0, 0, size, size * 0.42), Qt::AlignCenter, QString::fromUtf8(signs[i]));
    return pm;
}

} // namespace ui
