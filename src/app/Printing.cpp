#include "Printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <algorithm>

#include "AppContext.h"
#include "AppInfo.h"
#include "Commands.h"
#include "DiagramView.h"
#include "MessageBoxSink.h"
#include "QtPainterSurface.h"
#include "QtText.h"
#include "document/NivoraDoc.h"
#include "platform/Units.h"
#include "view/PrintJob.h"

namespace nivora::app {

namespace {

void ApplyOrientation(QPrinter& printer, PageOrientation o) {
    printer.setPageOrientation(o == PageOrientation::Landscape ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
}

// The drawable area of the sheet in 0.01 mm, top 0 and bottom minus its height.
SurfaceRect PrintRect(const QPrinter& printer) {
    const QRectF mm = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    return {0, 0, static_cast<int32_t>(mm.width() * kUnitsPerMm),
            -static_cast<int32_t>(mm.height() * kUnitsPerMm)};
}

// The pages on a printer (or the preview's), one sheet after the other.
class PrinterPages final : public IPageSink {
  public:
    explicit PrinterPages(QPrinter& printer) : m_printer(printer) {}
    bool Open() override {
        if (!m_painter.begin(&m_printer)) return false;
        m_painter.setRenderHint(QPainter::Antialiasing);
        return true;
    }
    bool Page(int, const std::function<void(IDrawingSurface&)>& draw) override {
        if (m_sheets++ > 0) m_printer.newPage();
        qt::QtPainterSurface surface(m_painter, m_printer.resolution(), m_printer.resolution());
        draw(surface);
        return true;
    }
    bool Close() override { return m_painter.end(); }

  private:
    QPrinter& m_printer;
    QPainter m_painter;
    int m_sheets = 0;
};

PrintJobInfo Prepare(CNivoraView& model, QPrinter& printer) {
    PrintJobInfo job;
    // PDFs and print queues carry the run's file name as the document's title.
    printer.setDocName(qt::FromCp1252(model.Document().FileName()));
    printer.setCreator(QString::fromLatin1(program::kTitle));
    model.OnPreparePrinting(job);
    if (!model.EvaluationMode()) ApplyOrientation(printer, PageOrientation::Landscape);
    job.printRect = PrintRect(printer);
    return job;
}

}  // namespace

int PrintPages(CNivoraView& model, AppContext& context, QPrinter& printer, PrintJobInfo& job,
               int from, int to) {
    job.printRect = PrintRect(printer);
    PrinterPages pages(printer);
    context.printing = true;
    const PrintedPages printed = RunPrintJob(model, job, from, to, pages);
    context.printing = false;
    return printed.count;
}

int PrintAll(CNivoraView& model, AppContext& context, QPrinter& printer) {
    PrintJobInfo job = Prepare(model, printer);
    return PrintPages(model, context, printer, job, 1, job.maxPage);
}

int RunPrintCommand(DiagramView& view, int command, QWidget* parent) {
    CNivoraView& model = view.Model();
    AppContext& context = view.Context();
    QPrinter& printer = *context.printer;
    const bool diagram = command == kPrintDiagram || command == kPreviewDiagram;
    const bool evaluation = command == kPrintEvaluation || command == kPreviewEvaluation;
    if (diagram || evaluation) {
        model.SetEvaluationMode(evaluation);
        ApplyOrientation(printer, model.DefaultOrientation());
    }
    const bool preview =
        command == kPreviewDiagram || command == kPreviewEvaluation || command == kPreview;
    PrintJobInfo job = Prepare(model, printer);
    int printed = 0;
    if (job.maxPage < 1) {
        MessageBoxSink(parent).Show(kNoPageText, MessageIcon::Information);
        return 0;
    }
    if (preview) {
        // A printer of its own: the preview starts empty and never shows the
        // pages of an earlier job.
        QPrinter previewPrinter(QPrinter::HighResolution);
        previewPrinter.setPrinterName(printer.printerName());
        previewPrinter.setPageLayout(printer.pageLayout());
        previewPrinter.setDocName(printer.docName());
        previewPrinter.setColorMode(printer.colorMode());
        QPrintPreviewDialog dialog(&previewPrinter, parent);
        dialog.setWindowTitle(QStringLiteral("Seitenansicht"));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                         [&](QPrinter* p) { PrintPages(model, context, *p, job, 1, job.maxPage); });
        if (auto* widget = dialog.findChild<QPrintPreviewWidget*>()) {
            QObject::connect(widget, &QPrintPreviewWidget::previewChanged, widget,
                             [widget, page = job.currentPage]() mutable {
                                 if (page > 0) widget->setCurrentPage(page);
                                 page = 0;  // only when it opens
                             });
        }
        dialog.exec();
        printer.setPageLayout(previewPrinter.pageLayout());
    } else {
        printer.setFromTo(0, 0);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Drucken"));
        dialog.setMinMax(1, std::max(1, job.maxPage));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        if (dialog.exec() == QDialog::Accepted) {
            int from = 1, to = job.maxPage;
            if (printer.printRange() == QPrinter::PageRange) {
                from = printer.fromPage();
                to = printer.toPage();
            } else if (printer.printRange() == QPrinter::CurrentPage) {
                from = to = job.currentPage;
            }
            printed = PrintPages(model, context, printer, job, from, to);
        }
    }
    view.UpdateScrollSizes();
    view.viewport()->update();
    return printed;
}

}  // namespace nivora::app
