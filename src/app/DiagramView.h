#pragma once
// The diagram view widget: one page of a run at the zoom factor, scrolled,
// paged and clicked. Each window on a document has its own view model over
// the shared document.
#include <QAbstractScrollArea>
#include <cstddef>
#include <memory>
#include <optional>

#include "document/NivoraDoc.h"
#include "view/NivoraView.h"

class QPainter;

namespace nivora::app {

struct AppContext;
class OverviewBar;

// A document with the windows that show it.
struct OpenDocument {
    CNivoraDoc doc;
    QString path;  // as opened, for comparing with further opens
};

class DiagramView final : public QAbstractScrollArea {
    Q_OBJECT
  public:
    DiagramView(std::shared_ptr<OpenDocument> document, AppContext& context,
                QWidget* parent = nullptr);
    ~DiagramView() override;

    CNivoraView& Model() { return m_model; }
    OpenDocument& Document() { return *m_document; }
    const std::shared_ptr<OpenDocument>& SharedDocument() const { return m_document; }
    AppContext& Context() { return m_context; }

    // The view's commands; false for a command it does not handle.
    bool Execute(int command);
    bool IsChecked(int command) const;
    // Handles a click at a point of the viewport as the left button does;
    // leftCtrl and alt are the keys held at the time.
    void Click(QPoint at, bool leftCtrl, bool alt);
    // Index of the first excluded area under a viewport point, or -1.
    int ExcludedAreaAt(QPoint at) const;
    // Pixels per logical unit of the screen mapping.
    double PixelsPerUnit() const;
    void UpdateScrollSizes();

    // Finding one's way: a page (held within the run), a typed station, the
    // exceedances one after the other.
    void GoToPage(int page);
    enum class GoToResult { Invalid, OnPage, Outside };
    // Shows the page holding the station and marks it as the newest clicked
    // station; a station outside the run shows the nearest page instead.
    GoToResult GoToStation(const QString& text);
    bool HasExceedances() const;
    // Shows the next (or previous) exceedance and highlights it on screen;
    // false when there is none in that direction.
    bool StepExceedance(bool forward);
    // The exceedance highlighted on screen (an index in station order).
    std::optional<std::size_t> HighlightedExceedance() const { return m_highlight; }
    OverviewBar* Overview() const { return m_overview; }
    void SetOverviewVisible(bool on);
    // "Seite n von m".
    QString PageText();

  signals:
    void TitleChanged(const QString& title);
    // The clicked stations changed; every window of the document redraws.
    void StationsChanged();
    void PrintRequested(int command);
    void ExcludedAreaClicked(int index);
    // The page shown or the page count changed.
    void PageShown();
    // A short note for the status bar, and the whole of it for its tooltip.
    void StatusMessage(const QString& text, const QString& details = {});
    // Right click (or the menu key) at a viewport point.
    void ContextMenuRequested(QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void PaintHighlight(QPainter& painter);
    // Scrolls so that the strip holding the station is in sight.
    void ScrollToStation(int32_t station);
    void LayoutOverview();
    void NotifyPage();
    std::optional<int32_t> StationAt(QPoint at) const;

    std::shared_ptr<OpenDocument> m_document;
    AppContext& m_context;
    CNivoraView m_model;
    bool m_rightCtrlOnly = false;
    OverviewBar* m_overview = nullptr;
    std::optional<std::size_t> m_highlight;
    int m_wheelZoom = 0, m_wheelTurn = 0;  // wheel angle not yet used
    int m_shownPage = -1, m_shownCount = -1;
};

}  // namespace nivora::app
