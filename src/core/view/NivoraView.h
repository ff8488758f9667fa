#pragma once
// The diagram view's model: zoom, paging, page layout, navigation and the
// print job. Screen, preview, printer and file export all draw a page through
// DrawPage, so every output shows the same page.
#include <cstdint>
#include <string>
#include <vector>

#include "evaluation/AuswertungsSeiten.h"
#include "platform/DrawingSurface.h"
#include "view/DiagramGeometry.h"
#include "view/PagePlan.h"
#include "view/Paging.h"
#include "view/StripDrawing.h"

namespace nivora {

class CNivoraDoc;
class CTextTabelle;
class IClock;
class ISettingsStore;

enum class PageOrientation { Portrait, Landscape };

// What the platform's print machinery hands to the print hooks.
struct PrintJobInfo {
    int minPage = 1;
    int maxPage = 0;
    int currentPage = 1;  // the page the preview opens on
    // The drawable area of the sheet in 0.01 mm: top 0, bottom minus the height.
    SurfaceRect printRect;
};

class CNivoraView {
  public:
    static constexpr int kMinZoomLevel = diagram::kMinZoomLevel;
    static constexpr int kMaxZoomLevel = diagram::kMaxZoomLevel;

    CNivoraView(CNivoraDoc& doc, const CTextTabelle& texts, const IClock& clock);

    // Reads strips per page ("Sonstiges"/"DiagrammeProSeite", 2 or 3).
    void OnInitialUpdate(const ISettingsStore* store);
    // Writes strips per page back.
    void SaveSettings(ISettingsStore& store) const;

    // Screen drawing: strip length, pages, title, then the current page with
    // its origin kScreenPageTop below the top of the scrollable area.
    void OnDraw(IDrawingSurface& dc);
    // One page with its strips at the given page origin.
    void DrawPage(IDrawingSurface& dc, int page, SurfacePoint origin);
    // What a page shows, from the pages last computed.
    PagePlan PlanPage(int page);
    // Strip length from the stored scale, the pages from the run and the
    // exceedances' page numbers.
    void ComputePages();

    // Commands; the shell redraws after each.
    void PageBack();
    void PageForward();
    void ZoomIn();
    void ZoomOut();
    void ZoomStep();
    void ToggleStripsPerPage();
    void ToggleGrid() { m_grid2m = !m_grid2m; }

    // Print hooks in the order the print machinery calls them.
    void OnPreparePrinting(PrintJobInfo& job);
    void OnBeginPrinting();
    void OnPrint(IDrawingSurface& dc, const PrintJobInfo& job, int page);
    void OnEndPrinting();

    // Diagram print commands clear evaluation mode and ask for landscape; the
    // evaluation commands set it and ask for portrait.
    void SetEvaluationMode(bool on);
    bool EvaluationMode() const { return m_evaluationMode; }
    PageOrientation DefaultOrientation() const { return m_orientation; }
    void SetDefaultOrientation(PageOrientation o) { m_orientation = o; }

    void SetStripsPerPage(int n);
    void SetGrid(bool on) { m_grid2m = on; }
    void SetCurrentPage(int page) { m_currentPage = page; }

    int ZoomLevel() const { return m_zoomLevel; }
    double ZoomFactor() const { return m_zoom; }
    int CurrentPage() const { return m_currentPage; }
    int PageCount() const { return m_paging.pageCount; }
    int StripCount() const { return m_paging.stripCount; }
    int StripsPerPage() const { return m_paging.stripsPerPage; }
    int32_t FirstPageStart() const { return m_paging.firstPageStart; }
    int32_t StripLength() const { return m_paging.stripLength; }
    const Paging& PagingState() const { return m_paging; }
    bool Grid2m() const { return m_grid2m; }
    bool IsPrinting() const { return m_printing; }
    const std::string& Title() const { return m_title; }
    SurfaceSize ScrollTotal() const { return m_scrollTotal; }
    SurfaceSize ScrollPage() const { return {m_scrollTotal.cx / 2, m_scrollTotal.cy / 2}; }
    SurfaceSize ScrollLine() const { return {m_scrollTotal.cx / 20, m_scrollTotal.cy / 20}; }
    const CGetMouseDm& StripRegistry() const { return m_strip.registry; }
    const CTextboxVerwaltung& TextBoxes() const { return m_strip.textBoxes; }
    // The page of every exceedance, in the order of the exceedance list: the
    // first page whose strips draw it (see ExceedancePage).
    const std::vector<int>& ExceedancePages() const { return m_exceedancePages; }
    const CAuswertungsSeiten& EvaluationPages() const { return m_evaluation; }
    CNivoraDoc& Document() { return m_doc; }

  private:
    void ApplyZoom(int level);
    void NumberExceedancePages();

    CNivoraDoc& m_doc;
    const CTextTabelle& m_texts;
    const IClock& m_clock;
    bool m_evaluationMode = false;
    int m_zoomLevel = diagram::kInitialZoomLevel;
    double m_zoom = nivora::ZoomFactor(diagram::kInitialZoomLevel);
    Paging m_paging;
    int m_currentPage = 1;
    bool m_grid2m = false;
    bool m_printing = false;
    PageOrientation m_orientation = PageOrientation::Landscape;
    std::string m_title;
    SurfaceSize m_scrollTotal;
    StripState m_strip;
    SampleIndexes m_sampleIndexes;
    std::vector<int> m_exceedancePages;
    CAuswertungsSeiten m_evaluation;
};

}  // namespace nivora
