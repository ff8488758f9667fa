#include "view/NivoraView.h"

#include <algorithm>
#include <cstdio>

#include "document/NivoraDoc.h"
#include "evaluation/DocumentEvaluation.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "text/Number.h"
#include "view/AuswertungsDruck.h"
#include "view/PlotPageFrame.h"

namespace nivora {

namespace {

constexpr const char* kSettingsSection = "Sonstiges";
constexpr const char* kStripsEntry = "DiagrammeProSeite";
constexpr int kDefaultStripsPerPage = 3;

using diagram::Scaled;
}  // namespace

CNivoraView::CNivoraView(CNivoraDoc& doc, const CTextTabelle& texts, const IClock& clock)
    : m_doc(doc), m_texts(texts), m_clock(clock) {
    ApplyZoom(diagram::kInitialZoomLevel);
}

void CNivoraView::OnInitialUpdate(const ISettingsStore* store) {
    ApplyZoom(m_zoomLevel);
    int n = kDefaultStripsPerPage;
    if (store) n = store->ReadInt(kSettingsSection, kStripsEntry).value_or(kDefaultStripsPerPage);
    SetStripsPerPage(n);
}

void CNivoraView::SaveSettings(ISettingsStore& store) const {
    store.WriteInt(kSettingsSection, kStripsEntry, m_paging.stripsPerPage);
}

void CNivoraView::SetStripsPerPage(int n) {
    m_paging.stripsPerPage = (n == 2 || n == 3) ? n : kDefaultStripsPerPage;
    if (m_paging.pageCount > 0) {
        m_paging.pageCount = PageCountFor(m_paging.stripCount, m_paging.stripsPerPage);
        NumberExceedancePages();
    }
}

void CNivoraView::ComputePages() {
    nivora::ComputePages(m_doc.Run(), m_doc.State().GetLengthScale(), m_paging);
    NumberExceedancePages();
}

void CNivoraView::NumberExceedancePages() {
    m_exceedancePages =
        nivora::ExceedancePages(m_doc.Exceedances().Records(), m_doc.Run().IsAscending(), m_paging);
}

void CNivoraView::ApplyZoom(int level) {
    m_zoomLevel = level;
    m_zoom = nivora::ZoomFactor(level);
    m_scrollTotal = {Scaled(diagram::kScrollWidth, m_zoom), Scaled(diagram::kScrollHeight, m_zoom)};
}

void CNivoraView::PageBack() {
    if (m_currentPage >= 2) --m_currentPage;
}

void CNivoraView::PageForward() {
    if (m_currentPage < m_paging.pageCount) ++m_currentPage;
}

void CNivoraView::ZoomIn() { ApplyZoom(std::max(m_zoomLevel - 1, kMinZoomLevel)); }

void CNivoraView::ZoomOut() { ApplyZoom(std::min(m_zoomLevel + 1, kMaxZoomLevel)); }

void CNivoraView::ZoomStep() {
    const int level = m_zoomLevel - 1;
    ApplyZoom(level < kMinZoomLevel ? kMaxZoomLevel : level);
}

void CNivoraView::ToggleStripsPerPage() {
    m_paging.stripsPerPage = m_paging.stripsPerPage == 3 ? 2 : 3;
    m_paging.pageCount = PageCountFor(m_paging.stripCount, m_paging.stripsPerPage);
    NumberExceedancePages();
}

void CNivoraView::OnDraw(IDrawingSurface& dc) {
    ComputePages();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "   Seite %d von %d", m_currentPage, m_paging.pageCount);
    m_title = m_doc.FilePath() + buffer;
    const SurfacePoint saved = dc.GetWindowOrigin();
    dc.SetWindowOrigin({saved.x, saved.y + diagram::kScreenPageTop});
    DrawPage(dc, m_currentPage, {0, 0});
    dc.SetWindowOrigin(saved);
}

void CNivoraView::DrawPage(IDrawingSurface& dc, int page, SurfacePoint origin) {
    DrawPagePlan(dc, PlanPage(page), origin, m_strip);
}

PagePlan CNivoraView::PlanPage(int page) {
    const PlanInput in{m_doc, m_texts, m_paging, m_zoom, m_zoomLevel, m_printing, m_grid2m};
    return nivora::PlanPage(in, page, m_sampleIndexes);
}

void CNivoraView::SetEvaluationMode(bool on) {
    m_evaluationMode = on;
    m_orientation = on ? PageOrientation::Portrait : PageOrientation::Landscape;
}

void CNivoraView::OnPreparePrinting(PrintJobInfo& job) {
    m_zoomLevel = diagram::kPrintZoomLevel;
    m_zoom = nivora::ZoomFactor(diagram::kPrintZoomLevel);
    if (m_evaluationMode) {
        BuildEvaluation(m_doc, m_evaluation);
        job.maxPage = m_evaluation.GetPageCount();
    } else {
        job.maxPage = m_paging.pageCount;
        m_orientation = PageOrientation::Landscape;
    }
    job.currentPage = m_currentPage;
}

void CNivoraView::OnBeginPrinting() {
    m_printing = true;
    m_title = m_doc.FilePath();
}

void CNivoraView::OnPrint(IDrawingSurface& dc, const PrintJobInfo& job, int page) {
    if (m_evaluationMode) {
        DrawEvaluationPage(dc, m_evaluation, page, job.printRect, m_doc);
        return;
    }
    const SurfaceRect& r = job.printRect;
    DrawPageFrame(dc, page, job.maxPage, r, m_doc, m_texts, m_clock.Today());
    // 270 mm of diagram always fit to the right of the origin.
    const long long x0 =
        std::min<long long>(static_cast<long long>(r.left) + m_doc.State().Settings().linkerRand,
                            static_cast<long long>(r.right) - diagram::kPrintDiagramWidth);
    DrawPage(dc, page, {text::ClampToInt(x0), diagram::kPrintPageTop});
}

void CNivoraView::OnEndPrinting() { m_printing = false; }

}  // namespace nivora
