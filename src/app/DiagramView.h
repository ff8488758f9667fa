#pragma once
// The diagram view widget: one page of a run at the zoom factor, scrolled,
// paged and clicked. Each window on a document has its own view model over
// the shared document.
#include <QAbstractScrollArea>
#include <memory>
#include <optional>

#include "document/NivoraDoc.h"
#include "view/NivoraView.h"

namespace nivora::app {

struct AppContext;

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

  signals:
    void TitleChanged(const QString& title);
    // The clicked stations changed; every window of the document redraws.
    void StationsChanged();
    void PrintRequested(int command);
    void ExcludedAreaClicked(int index);
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

  private:
    std::optional<int32_t> StationAt(QPoint at) const;

    std::shared_ptr<OpenDocument> m_document;
    AppContext& m_context;
    CNivoraView m_model;
    bool m_rightCtrlOnly = false;
};

}  // namespace nivora::app
