// "render": the pages of a print job, drawn by the view's print hooks exactly
// as the desktop program prints them, into a PDF or one PNG or SVG per page.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>

#include "Commands.h"
#include "OpenDocument.h"
#include "QtClock.h"
#include "QtPainterSurface.h"
#include "Usage.h"
#include "platform/TextTable.h"
#include "platform/Units.h"
#include "view/NivoraView.h"
#include "view/PrintJob.h"

namespace nivora::cli {
namespace {

constexpr int kPdfDpi = 1200;
// SVG is vector output; at 0.1 mm per pixel the sheet sizes are whole pixels,
// so the file states the sheet in exact millimetres.
constexpr int kSvgDpi = 254;
const char* const kCreator = "Nivora " NIVORA_VERSION_TEXT;

// The sheet in 0.01 mm.
struct Sheet {
    int32_t width = 0;
    int32_t height = 0;
};
constexpr Sheet kA4{210 * kUnitsPerMm, 297 * kUnitsPerMm};
constexpr Sheet kA3{297 * kUnitsPerMm, 420 * kUnitsPerMm};
constexpr double kMetresPerInch = 0.0254;

Sheet SheetFor(RenderOptions::Paper paper, PageOrientation orientation) {
    Sheet s = paper == RenderOptions::Paper::A3 ? kA3 : kA4;
    if (orientation == PageOrientation::Landscape) std::swap(s.width, s.height);
    return s;
}

int Pixels(int32_t hundredthsMm, int dpi) {
    return static_cast<int>(std::lround(hundredthsMm / kUnitsPerInch * dpi));
}

QString LocalPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

// OUT with "-N" before its extension.
std::string PagePath(const std::string& out, int page) {
    std::filesystem::path p(out);
    const std::string ext = p.extension().string();
    p.replace_extension();
    return p.string() + "-" + std::to_string(page) + ext;
}

bool CannotWrite(const std::string& path) {
    std::cerr << "nivora-cli render: " << path << " kann nicht geschrieben werden\n";
    return false;
}

// Where the pages go. Begin gives a painter on a fresh page, End finishes it;
// both print the reason and return false when the output cannot be written.
class PageOutput : public IPageSink {
  public:
    bool Page(int page, const std::function<void(IDrawingSurface&)>& draw) override {
        if (!Begin(page)) return false;
        {
            qt::QtPainterSurface surface(m_painter, Dpi(), Dpi());
            draw(surface);
        }
        return End();
    }
    bool Close() override { return Finish(); }

  protected:
    virtual bool Begin(int page) = 0;
    virtual bool End() = 0;
    virtual bool Finish() { return true; }
    virtual double Dpi() const = 0;

    QPainter m_painter;
};

class PdfOutput final : public PageOutput {
  public:
    PdfOutput(const std::string& path, const QPageSize& size, PageOrientation orientation,
              const QString& title)
        : m_path(path), m_writer(LocalPath(path)) {
        m_writer.setPageSize(size);
        m_writer.setPageOrientation(orientation == PageOrientation::Landscape
                                        ? QPageLayout::Landscape
                                        : QPageLayout::Portrait);
        m_writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        m_writer.setResolution(kPdfDpi);
        m_writer.setTitle(title);
        m_writer.setCreator(kCreator);
    }
    bool Begin(int) override {
        if (m_painter.isActive()) return m_writer.newPage();
        // Checked first so that a bad path gives our message, not the painter's.
        if (QFile f(LocalPath(m_path)); !f.open(QIODevice::WriteOnly)) return CannotWrite(m_path);
        return m_painter.begin(&m_writer) || CannotWrite(m_path);
    }
    bool End() override { return true; }
    bool Finish() override { return !m_painter.isActive() || m_painter.end(); }
    double Dpi() const override { return kPdfDpi; }

  private:
    std::string m_path;
    QPdfWriter m_writer;
};

class PngOutput final : public PageOutput {
  public:
    PngOutput(const std::string& out, Sheet sheet, int dpi)
        : m_out(out), m_sheet(sheet), m_dpi(dpi) {}
    bool Begin(int page) override {
        m_path = PagePath(m_out, page);
        m_image = QImage(Pixels(m_sheet.width, m_dpi), Pixels(m_sheet.height, m_dpi),
                         QImage::Format_RGB32);
        if (m_image.isNull()) {
            std::cerr << "nivora-cli render: kein Speicher für ein Bild mit " << m_dpi << " dpi\n";
            return false;
        }
        const int dotsPerMeter = static_cast<int>(std::lround(m_dpi / kMetresPerInch));
        m_image.setDotsPerMeterX(dotsPerMeter);
        m_image.setDotsPerMeterY(dotsPerMeter);
        m_image.fill(Qt::white);
        return m_painter.begin(&m_image);
    }
    bool End() override {
        m_painter.end();
        return m_image.save(LocalPath(m_path), "PNG") || CannotWrite(m_path);
    }
    double Dpi() const override { return m_dpi; }

  private:
    std::string m_out, m_path;
    Sheet m_sheet;
    int m_dpi;
    QImage m_image;
};

class SvgOutput final : public PageOutput {
  public:
    SvgOutput(const std::string& out, Sheet sheet, const QString& title)
        : m_out(out), m_sheet(sheet), m_title(title) {}
    bool Begin(int page) override {
        m_path = PagePath(m_out, page);
        if (QFile f(LocalPath(m_path)); !f.open(QIODevice::WriteOnly)) return CannotWrite(m_path);
        m_generator = std::make_unique<QSvgGenerator>();
        const QSize size(Pixels(m_sheet.width, kSvgDpi), Pixels(m_sheet.height, kSvgDpi));
        m_generator->setFileName(LocalPath(m_path));
        m_generator->setResolution(kSvgDpi);
        m_generator->setSize(size);
        m_generator->setViewBox(QRect(QPoint(0, 0), size));
        m_generator->setTitle(m_title);
        m_generator->setDescription(kCreator);
        return m_painter.begin(m_generator.get()) || CannotWrite(m_path);
    }
    bool End() override { return m_painter.end() || CannotWrite(m_path); }
    double Dpi() const override { return kSvgDpi; }

  private:
    std::string m_out, m_path;
    Sheet m_sheet;
    QString m_title;
    std::unique_ptr<QSvgGenerator> m_generator;
};

std::unique_ptr<PageOutput> MakeOutput(const RenderOptions& o, PageOrientation orientation,
                                       const QString& title) {
    const Sheet sheet = SheetFor(o.paper, orientation);
    switch (o.format) {
        case RenderOptions::Format::Pdf:
            return std::make_unique<PdfOutput>(
                o.out,
                QPageSize(o.paper == RenderOptions::Paper::A3 ? QPageSize::A3 : QPageSize::A4),
                orientation, title);
        case RenderOptions::Format::Png:
            return std::make_unique<PngOutput>(o.out, sheet, o.dpi);
        case RenderOptions::Format::Svg:
            return std::make_unique<SvgOutput>(o.out, sheet, title);
    }
    return nullptr;
}

QtMessageHandler g_qtMessages = nullptr;

// Standard error carries the program's own lines; Qt's warnings about its
// environment (a missing XDG_RUNTIME_DIR, say) stay off it, its errors not.
void QtErrorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_qtMessages)
        g_qtMessages(type, context, message);
}

}  // namespace

int RunRender(const std::vector<std::string>& args) {
    RenderOptions options;
    if (const int status = ParseRenderOptions(args, options); status >= 0) return status;

    // Fonts and painters need the GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtMessages = qInstallMessageHandler(QtErrorsOnly);
    int argc = 1;
    char name[] = "nivora-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);

    Opened o;
    if (const int status = OpenDocument(options, o); status != 0) return status;

    const CTextTabelle texts;
    const qt::QtClock clock;
    CNivoraView view(o.doc, texts, clock);
    view.OnInitialUpdate(o.settings.get());
    if (options.strips != 0) view.SetStripsPerPage(options.strips);
    if (options.grid) view.SetGrid(true);
    view.SetEvaluationMode(options.evaluation);
    view.ComputePages();

    PrintJobInfo job;
    view.OnPreparePrinting(job);
    const int first = std::max(options.firstPage, job.minPage);
    const int last = options.lastPage == 0 ? job.maxPage : std::min(options.lastPage, job.maxPage);
    if (job.maxPage < job.minPage) {
        std::cout << "0\n";
        return 0;
    }
    if (first > job.maxPage) {
        std::cerr << "nivora-cli render: Seite " << first << " gibt es nicht, der Druck hat "
                  << job.maxPage << (job.maxPage == 1 ? " Seite\n" : " Seiten\n");
        return 2;
    }
    const PageOrientation orientation = view.DefaultOrientation();
    const Sheet sheet = SheetFor(options.paper, orientation);
    job.printRect = {0, 0, sheet.width, -sheet.height};

    const QString title =
        QFile::decodeName(std::filesystem::path(options.path).filename().string().c_str());
    const std::unique_ptr<PageOutput> out = MakeOutput(options, orientation, title);
    const PrintedPages written = RunPrintJob(view, job, first, last, *out);
    if (!written.ok) return 1;
    std::cout << written.count << "\n";
    return 0;
}

}  // namespace nivora::cli
