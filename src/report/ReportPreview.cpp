#include "ReportPreview.h"

#include "Render.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

namespace report {

ReportPreview::ReportPreview(Document document, const QString &title, QWidget *parent)
    : QDialog(parent), m_document(std::move(document)), m_title(title)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Visualizar relatório") : title);
    resize(820, 900);

    auto *toolBar = new QToolBar(this);
    toolBar->addAction(newAction(QStringLiteral("actionPrint"), QStringLiteral("Imprimir"), QKeySequence::Print,
                                 [this] { printReport(); }));
    toolBar->addAction(newAction(QStringLiteral("actionExportPdf"), QStringLiteral("Exportar PDF"), QKeySequence::Save,
                                 [this] { exportPdf(); }));
    toolBar->addSeparator();
    m_first = newAction(QStringLiteral("actionFirstPage"), QStringLiteral("Primeira"),
                        QKeySequence::MoveToStartOfDocument, [this] { showPage(0); });
    m_prior = newAction(QStringLiteral("actionPriorPage"), QStringLiteral("Anterior"),
                        QKeySequence::MoveToPreviousPage, [this] { showPage(m_page - 1); });
    m_next = newAction(QStringLiteral("actionNextPage"), QStringLiteral("Próxima"),
                       QKeySequence::MoveToNextPage, [this] { showPage(m_page + 1); });
    m_last = newAction(QStringLiteral("actionLastPage"), QStringLiteral("Última"),
                       QKeySequence::MoveToEndOfDocument, [this] { showPage(int(m_document.pages.size()) - 1); });
    toolBar->addActions({m_first, m_prior, m_next, m_last});
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    toolBar->addWidget(m_pageLabel);
    toolBar->addSeparator();
    toolBar->addAction(newAction(QStringLiteral("actionZoomOut"), QStringLiteral("Diminuir"), QKeySequence::ZoomOut,
                                 [this] { setZoom(m_zoom / 1.25); }));
    toolBar->addAction(newAction(QStringLiteral("actionZoomIn"), QStringLiteral("Aumentar"), QKeySequence::ZoomIn,
                                 [this] { setZoom(m_zoom * 1.25); }));
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("zoomLabel"));
    toolBar->addWidget(m_zoomLabel);

    m_canvas = new QLabel;
    m_canvas->setObjectName(QStringLiteral("pageCanvas"));
    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_canvas);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_scroll);

    showPage(0);
}

QAction *ReportPreview::newAction(const QString &name, const QString &text, QKeySequence::StandardKey key,
                                  std::function<void()> slot)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, std::move(slot));
    QWidget::addAction(action);
    return action;
}

void ReportPreview::showPage(int index)
{
    const int count = static_cast<int>(m_document.pages.size());
    m_page = std::clamp(index, 0, std::max(0, count - 1));
    m_first->setEnabled(m_page > 0);
    m_prior->setEnabled(m_page > 0);
    m_next->setEnabled(m_page < count - 1);
    m_last->setEnabled(m_page < count - 1);
    m_pageLabel->setText(QStringLiteral(" Página %1 de %2 ").arg(count == 0 ? 0 : m_page + 1).arg(count));
    render();
}

void ReportPreview::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.25, 8.0);
    render();
}

void ReportPreview::render()
{
    m_zoomLabel->setText(QStringLiteral(" %1% ").arg(qRound(m_zoom * 100)));
    if (m_document.pages.isEmpty()) {
        m_canvas->clear();
        m_canvas->resize(0, 0);
        return;
    }
    const Page &page = m_document.pages[m_page];
    const double dpi = logicalDpiX() * m_zoom;
    QImage image(qCeil(page.size.width() / 25.4 * dpi), qCeil(page.size.height() / 25.4 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page);
    painter.end();
    m_canvas->setPixmap(QPixmap::fromImage(image));
    m_canvas->resize(image.size());
}

void ReportPreview::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(m_title);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!paintDocument(printer, m_document))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Não foi possível imprimir o relatório."));
}

void ReportPreview::exportPdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar PDF"),
                                                      QFileInfo(m_title).completeBaseName() + QStringLiteral(".pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writePdf(m_document, &file, m_title) || !file.commit())
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path));
}

} // namespace report
