#include "DiagramView.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>
#include <algorithm>

#include "AppContext.h"
#include "Commands.h"
#include "OverviewBar.h"
#include "QtPainterSurface.h"
#include "QtText.h"
#include "document/NivoraDoc.h"
#include "platform/Units.h"

namespace nivora::app {

namespace {
// X11 key symbols of the two Ctrl keys: only the left one suppresses a click.
constexpr quint32 kControlR = 0xffe4;
}  // namespace

DiagramView::DiagramView(std::shared_ptr<OpenDocument> document, AppContext& context,
                         QWidget* parent)
    : QAbstractScrollArea(parent),
      m_document(std::move(document)),
      m_context(context),
      m_model(m_document->doc, context.texts, *context.clock) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(p);
    m_model.OnInitialUpdate(m_context.store);
    m_model.ComputePages();  // the page count is known before the first drawing
    m_overview = new OverviewBar(m_document->doc, m_model, this);
    m_overview->pageClicked = [this](int page) { GoToPage(page); };
    SetOverviewVisible(true);
    UpdateScrollSizes();
}

DiagramView::~DiagramView() {
    if (m_context.store) m_model.SaveSettings(*m_context.store);
}

double DiagramView::PixelsPerUnit() const { return logicalDpiX() / kUnitsPerInch; }

void DiagramView::UpdateScrollSizes() {
    const double px = PixelsPerUnit();
    const SurfaceSize total = m_model.ScrollTotal();
    const int w = static_cast<int>(total.cx * px), h = static_cast<int>(total.cy * px);
    horizontalScrollBar()->setRange(0, std::max(0, w - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, h - viewport()->height()));
    horizontalScrollBar()->setPageStep(std::max(1, static_cast<int>(m_model.ScrollPage().cx * px)));
    verticalScrollBar()->setPageStep(std::max(1, static_cast<int>(m_model.ScrollPage().cy * px)));
    horizontalScrollBar()->setSingleStep(
        std::max(1, static_cast<int>(m_model.ScrollLine().cx * px)));
    verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(m_model.ScrollLine().cy * px)));
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool printing = m_context.printing;
    {
        qt::QtPainterSurface surface(painter, logicalDpiX(), logicalDpiY());
        const double px = PixelsPerUnit();
        // The scroll position as the window origin: the logical point at the top left.
        surface.SetWindowOrigin({static_cast<int32_t>(horizontalScrollBar()->value() / px),
                                 static_cast<int32_t>(-verticalScrollBar()->value() / px)});
        if (!printing) m_model.OnDraw(surface);
    }
    if (!printing) PaintHighlight(painter);
    emit TitleChanged(qt::FromCp1252(m_model.Title()));
    NotifyPage();
}

void DiagramView::scrollContentsBy(int, int) { viewport()->update(); }

void DiagramView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    LayoutOverview();
    UpdateScrollSizes();
}

std::optional<int32_t> DiagramView::StationAt(QPoint at) const {
    const double px = PixelsPerUnit();
    const SurfacePoint p{static_cast<int32_t>(at.x() / px), static_cast<int32_t>(-at.y() / px)};
    return m_model.StripRegistry().HitTest(p);
}

int DiagramView::ExcludedAreaAt(QPoint at) const {
    const auto station = StationAt(at);
    if (!station) return -1;
    const auto& areas = m_document->doc.Texts().ExcludedAreas();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const auto [lo, hi] = std::minmax(areas[i].from, areas[i].to);
        if (lo <= *station && *station <= hi) return static_cast<int>(i);
    }
    return -1;
}

void DiagramView::Click(QPoint at, bool leftCtrl, bool alt) {
    const auto station = StationAt(at);
    if (!station || leftCtrl) return;
    CNivoraDoc& doc = m_document->doc;
    if (alt) {
        if (const int area = ExcludedAreaAt(at); area >= 0) emit ExcludedAreaClicked(area);
        return;
    }
    const std::string text = std::to_string(*station);
    if (text == doc.ClickedStations().Get(0)) return;
    doc.ClickedStations().Push(text);
    emit StationsChanged();
}

void DiagramView::contextMenuEvent(QContextMenuEvent* event) {
    // Window managers often take Alt+click; the menu offers the same.
    // The scroll area hands on the viewport's event: the point is in viewport coordinates.
    emit ContextMenuRequested(event->pos());
    event->accept();
}

void DiagramView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        Click(event->position().toPoint(), ctrl && !m_rightCtrlOnly,
              event->modifiers() & Qt::AltModifier);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void DiagramView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) m_rightCtrlOnly = event->nativeVirtualKey() == kControlR;
    if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus) {
        if (event->key() == Qt::Key_Plus)
            m_model.ZoomIn();
        else
            m_model.ZoomOut();
        UpdateScrollSizes();
        viewport()->update();
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void DiagramView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) m_rightCtrlOnly = false;
    QAbstractScrollArea::keyReleaseEvent(event);
}

bool DiagramView::Execute(int command) {
    switch (command) {
        case kPageBack:
        case kPageBackKey:
            m_model.PageBack();
            break;
        case kPageForward:
        case kPageForwardKey:
            m_model.PageForward();
            break;
        case kZoomStep:
            m_model.ZoomStep();
            UpdateScrollSizes();
            break;
        case kToggleStrips:
            m_model.ToggleStripsPerPage();
            break;
        case kToggleGrid:
            m_model.ToggleGrid();
            break;
        case kFirstPage:
            GoToPage(1);
            return true;
        case kLastPage:
            m_model.ComputePages();
            GoToPage(m_model.PageCount());
            return true;
        case kNextExceedance:
        case kPreviousExceedance:
            StepExceedance(command == kNextExceedance);
            return true;
        case kStateFileInEditor: {
            const QString path =
                qt::FromCp1252(CNivoraDoc::StatePathFor(m_document->doc.FilePath())).left(259);
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
            return true;
        }
        case kPrintDiagram:
        case kPreviewDiagram:
        case kPrintEvaluation:
        case kPreviewEvaluation:
        case kPrint:
        case kPreview:
            emit PrintRequested(command);
            return true;
        default:
            return false;
    }
    viewport()->update();
    NotifyPage();
    return true;
}

bool DiagramView::IsChecked(int command) const {
    return command == kToggleGrid && m_model.Grid2m();
}

}  // namespace nivora::app
