#pragma once
// A thin strip above the diagram with the whole evaluated range of the run:
// route sections, excluded areas, exceedances as ticks (counted ones long
// and in the limit colour, the others short and grey) and the span of the
// page shown. A click shows the page at that place. Drawn on the screen
// only; pages and printouts never show it.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

namespace nivora {
class CNivoraDoc;
class CNivoraView;
}  // namespace nivora

namespace nivora::app {

class OverviewBar final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 22;

    OverviewBar(const CNivoraDoc& doc, CNivoraView& model, QWidget* parent);
    // Called with the page under a click.
    std::function<void(int page)> pageClicked;
    // The station under an x coordinate of the bar; empty without samples.
    std::optional<int32_t> StationAt(int x) const;
    // The x coordinate of a station (the run's first sample at the left).
    double XOf(int32_t station) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    bool Range(int32_t& first, int32_t& last) const;
    QRectF Track() const;
    void ClickAt(int x);

    const CNivoraDoc& m_doc;
    CNivoraView& m_model;
};

}  // namespace nivora::app
