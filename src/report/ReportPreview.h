#pragma once

#include "Document.h"

#include <QDialog>
#include <QKeySequence>
#include <functional>

class QAction;
class QLabel;
class QScrollArea;

namespace report {

// Shows a laid-out report: page navigation, zoom, print and export to PDF. Nothing
// in it edits the report.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    ReportPreview(Document document, const QString &title, QWidget *parent = nullptr);

    int pageIndex() const { return m_page; }
    double zoom() const { return m_zoom; }
    void showPage(int index);
    void setZoom(double zoom);

private:
    void render();
    void printReport();
    void exportPdf();
    QAction *newAction(const QString &name, const QString &text, QKeySequence::StandardKey key,
                       std::function<void()> slot);

    Document m_document;
    QString m_title;
    int m_page = 0;
    double m_zoom = 1.0;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_canvas = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QAction *m_first = nullptr, *m_prior = nullptr, *m_next = nullptr, *m_last = nullptr;
};

} // namespace report
