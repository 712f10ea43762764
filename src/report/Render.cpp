#include "Render.h"

#include <QBuffer>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace report {

namespace {

QPageSize pageSizeOf(const Page &page)
{
    if (page.size == QSizeF(210, 297))
        return QPageSize(QPageSize::A4);
    return QPageSize(page.size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

Qt::Alignment alignmentOf(const Item &item)
{
    const Qt::Alignment h = item.align == Align::Right ? Qt::AlignRight
                            : item.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    return h | (item.wrap ? Qt::AlignTop : Qt::AlignVCenter);
}

} // namespace

void paintPage(QPainter &painter, const Page &page)
{
    const double k = painter.device()->logicalDpiX() / 25.4;
    const auto px = [k](const QRectF &mm) { return QRectF(mm.topLeft() * k, mm.size() * k); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(Qt::black, 0.2 * k));
    for (const Item &item : page.items) {
        const QRectF r = px(item.rect);
        if (item.kind == ReportObject::Kind::Line) {
            painter.drawLine(r.topLeft(), r.bottomRight());
            continue;
        }
        if (item.frame)
            painter.drawRect(r);
        painter.setFont(item.font);
        const double pad = item.frame ? kFramePadding * k : 0;
        const int flags = static_cast<int>(alignmentOf(item)) | (item.wrap ? Qt::TextWordWrap : 0);
        painter.drawText(r.adjusted(pad, 0, -pad, 0), flags, item.text);
    }
    painter.restore();
}

bool paintDocument(QPagedPaintDevice &device, const Document &document)
{
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (!document.pages.isEmpty())
        device.setPageSize(pageSizeOf(document.pages.first()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < document.pages.size(); ++i) {
        if (i > 0) {
            device.setPageSize(pageSizeOf(document.pages[i]));
            device.newPage();
        }
        paintPage(painter, document.pages[i]);
    }
    return painter.end();
}

bool writePdf(const Document &document, QIODevice *out, const QString &title)
{
    QPdfWriter writer(out);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Trevandoria"));
    writer.setTitle(title);
    return paintDocument(writer, document);
}

QByteArray pdfBytes(const Document &document, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writePdf(document, &buffer, title);
    return bytes;
}

} // namespace report
