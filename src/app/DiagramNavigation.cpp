// Finding one's way in a long run: pages by number, typed stations, the
// exceedances one after the other, the mouse wheel and the overview bar.
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "DiagramView.h"
#include "OverviewBar.h"
#include "QtText.h"
#include "view/Navigation.h"

namespace nivora::app {

namespace {

// Metres with one decimal and a decimal comma, as German text writes them.
QString Metres(int32_t dm) {
    return QString::number(dm / 10.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

constexpr int kWheelStep = 120;  // one notch of a mouse wheel
// The exceedance numbers reach this far below a strip's curve area (0.01 mm).
constexpr int32_t kNumbersBelowStrip = 1500;

}  // namespace

QString DiagramView::PageText() {
    return QStringLiteral("Seite %1 von %2").arg(m_model.CurrentPage()).arg(m_model.PageCount());
}

void DiagramView::NotifyPage() {
    if (m_shownPage == m_model.CurrentPage() && m_shownCount == m_model.PageCount()) return;
    m_shownPage = m_model.CurrentPage();
    m_shownCount = m_model.PageCount();
    m_overview->update();
    emit PageShown();
}

void DiagramView::GoToPage(int page) {
    m_model.ComputePages();
    const int count = m_model.PageCount();
    if (count <= 0) return;
    m_model.SetCurrentPage(std::clamp(page, 1, count));
    viewport()->update();
    NotifyPage();
}

DiagramView::GoToResult DiagramView::GoToStation(const QString& text) {
    const auto station = ParseStationText(qt::ToCp1252(text));
    if (!station) return GoToResult::Invalid;
    const auto& samples = m_document->doc.Run().WorkingSamples();
    m_model.ComputePages();
    if (samples.empty() || m_model.PageCount() <= 0) {
        emit StatusMessage(QStringLiteral("Die Messfahrt hat keine Messwerte."));
        return GoToResult::Outside;
    }
    m_highlight.reset();
    const bool ascending = m_document->doc.Run().IsAscending();
    const int page = PageOfStation(m_model.PagingState(), ascending, *station);
    const auto [lo, hi] = std::minmax(samples.front().station, samples.back().station);
    GoToPage(page);
    if (*station < lo || *station > hi) {
        const int32_t first = samples.front().station, last = samples.back().station;
        emit StatusMessage(
            QStringLiteral("Station außerhalb der Messfahrt, nächste Seite %1").arg(page),
            QStringLiteral("Station %1 m liegt außerhalb der Messfahrt (%2 m bis %3 m); gezeigt "
                           "wird die nächstgelegene Seite %4.")
                .arg(Metres(*station), Metres(first), Metres(last))
                .arg(page));
        return GoToResult::Outside;
    }
    CNivoraDoc& doc = m_document->doc;
    const std::string stationText = std::to_string(*station);
    if (stationText != doc.ClickedStations().Get(0)) {
        doc.ClickedStations().Push(stationText);
        emit StationsChanged();
    }
    ScrollToStation(*station);
    emit StatusMessage(QStringLiteral("Station %1 m, Seite %2").arg(Metres(*station)).arg(page));
    return GoToResult::OnPage;
}

bool DiagramView::HasExceedances() const { return m_document->doc.Exceedances().GetCount() > 0; }

bool DiagramView::StepExceedance(bool forward) {
    const auto& records = m_document->doc.Exceedances().Records();
    m_model.ComputePages();
    const auto next = nivora::StepExceedance(m_model.ExceedancePages(), m_model.CurrentPage(),
                                             m_highlight, forward);
    if (!next) {
        emit StatusMessage(
            records.empty() ? QStringLiteral("Die Messfahrt hat keine Überschreitungen.")
            : forward       ? QStringLiteral("Keine weitere Überschreitung in Fahrtrichtung.")
                            : QStringLiteral("Keine vorige Überschreitung."));
        return false;
    }
    m_highlight = *next;
    const UEBERSCHREITUNG& e = records[*next];
    const int page = m_model.ExceedancePages()[*next];
    GoToPage(page);
    ScrollToStation(e.station);
    const QString where = QStringLiteral("Überschreitung %1 bei %2 m, Seite %3")
                              .arg(e.number)
                              .arg(Metres(e.station))
                              .arg(page);
    emit StatusMessage(where + (e.counted ? QString() : QStringLiteral(" (nicht ber.)")),
                       where + (e.counted ? QString() : QStringLiteral(", nicht berücksichtigt")));
    return true;
}

void DiagramView::ScrollToStation(int32_t station) {
    if (!isVisible()) return;
    viewport()->repaint();  // the strips of the new page, for their places
    const auto& registry = m_model.StripRegistry();
    const double px = PixelsPerUnit();
    for (int i = 0; i < registry.Count(); ++i) {
        const auto& strip = registry.At(i);
        const auto [lo, hi] = std::minmax(strip.leftStation, strip.rightStation);
        if (station < lo || station > hi) continue;
        // The curve area and the exceedance numbers below it.
        const int top = static_cast<int>(-strip.rect.top * px) - 20;
        const int bottom = static_cast<int>(-(strip.rect.bottom - kNumbersBelowStrip) * px);
        QScrollBar* v = verticalScrollBar();
        const int height = viewport()->height();
        if (top < 0)
            v->setValue(v->value() + top);
        else if (bottom > height)
            v->setValue(v->value() + std::min(bottom - height, top));
        const double f = strip.rightStation == strip.leftStation
                             ? 0.0
                             : (static_cast<double>(station) - strip.leftStation) /
                                   (static_cast<double>(strip.rightStation) - strip.leftStation);
        const int x =
            static_cast<int>((strip.rect.left + f * (strip.rect.right - strip.rect.left)) * px);
        QScrollBar* h = horizontalScrollBar();
        if (x < 20 || x > viewport()->width() - 20)
            h->setValue(h->value() + x - viewport()->width() / 2);
        viewport()->update();
        return;
    }
}

void DiagramView::PaintHighlight(QPainter& painter) {
    if (!m_highlight) return;
    const auto& records = m_document->doc.Exceedances().Records();
    if (*m_highlight >= records.size()) return;
    const int32_t station = records[*m_highlight].station;
    const auto& registry = m_model.StripRegistry();
    const double px = PixelsPerUnit();
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < registry.Count(); ++i) {
        const auto& strip = registry.At(i);
        const auto [lo, hi] = std::minmax(strip.leftStation, strip.rightStation);
        if (station < lo || station > hi || strip.rightStation == strip.leftStation) continue;
        const double f = (static_cast<double>(station) - strip.leftStation) /
                         (static_cast<double>(strip.rightStation) - strip.leftStation);
        const double x = (strip.rect.left + f * (strip.rect.right - strip.rect.left)) * px;
        const double top = -strip.rect.top * px,
                     bottom = -(strip.rect.bottom - kNumbersBelowStrip) * px;
        const double half = std::max(6.0, 250 * px);
        const QRectF band(x - half, top - 4, 2 * half, bottom - top + 8);
        painter.setPen(QPen(QColor(230, 120, 0), 2));
        painter.setBrush(QColor(255, 200, 0, 70));
        painter.drawRoundedRect(band, 4, 4);
    }
    painter.restore();
}

void DiagramView::SetOverviewVisible(bool on) {
    m_overview->setVisible(on);
    setViewportMargins(0, on ? OverviewBar::kHeight : 0, 0, 0);
    LayoutOverview();
}

void DiagramView::LayoutOverview() {
    if (!m_overview) return;
    const QRect r = contentsRect();
    m_overview->setGeometry(r.left(), r.top(), r.width(), OverviewBar::kHeight);
}

void DiagramView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        // As plus and minus: away from the user enlarges.
        m_wheelZoom += delta;
        bool zoomed = false;
        for (; m_wheelZoom >= kWheelStep; m_wheelZoom -= kWheelStep, zoomed = true)
            m_model.ZoomIn();
        for (; m_wheelZoom <= -kWheelStep; m_wheelZoom += kWheelStep, zoomed = true)
            m_model.ZoomOut();
        if (zoomed) {
            UpdateScrollSizes();
            viewport()->update();
        }
        event->accept();
        return;
    }
    m_wheelZoom = 0;
    QScrollBar* bar = verticalScrollBar();
    const bool atBottom = bar->value() >= bar->maximum(), atTop = bar->value() <= bar->minimum();
    const bool forward = delta < 0 && atBottom && m_model.CurrentPage() < m_model.PageCount();
    const bool back = delta > 0 && atTop && m_model.CurrentPage() > 1;
    if (!forward && !back) {
        m_wheelTurn = 0;
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // At the end of the scroll range the wheel turns the page: onwards to
    // the top of the next page, back to the bottom of the previous one.
    if ((m_wheelTurn < 0) != (delta < 0)) m_wheelTurn = 0;
    m_wheelTurn += delta;
    event->accept();
    if (std::abs(m_wheelTurn) < kWheelStep) return;
    m_wheelTurn = 0;
    GoToPage(m_model.CurrentPage() + (forward ? 1 : -1));
    bar->setValue(forward ? bar->minimum() : bar->maximum());
}

}  // namespace nivora::app
