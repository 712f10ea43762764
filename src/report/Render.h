#pragma once

#include "Document.h"

#include <QByteArray>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace report {

// Paints one page with the painter's device resolution; the painter's origin is the
// page's top left corner.
void paintPage(QPainter &painter, const Page &page);

// Every page on its own sheet of its own size; the device must have no margins of its own.
bool paintDocument(QPagedPaintDevice &device, const Document &document);

bool writePdf(const Document &document, QIODevice *out, const QString &title);
QByteArray pdfBytes(const Document &document, const QString &title = {});

} // namespace report
