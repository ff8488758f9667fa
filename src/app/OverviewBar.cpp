#include "OverviewBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "QtPainterSurface.h"
#include "document/NivoraDoc.h"
#include "view/Navigation.h"
#include "view/NivoraView.h"

namespace nivora::app {

namespace {
const QColor kSectionShades[2] = {QColor(214, 228, 242), QColor(228, 238, 214)};
const QColor kNotEvaluated(242, 242, 242);
const QColor kFrame(120, 120, 120);
const QColor kPage(30, 60, 160);
const QColor kNotCounted(128, 128, 128);
}  // namespace

OverviewBar::OverviewBar(const CNivoraDoc& doc, CNivoraView& model, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_model(model) {
    setObjectName(QStringLiteral("overviewBar"));
    setFixedHeight(kHeight);
    setCursor(Qt::PointingHandCursor);
    setToolTip(
        QStringLiteral("Übersicht der ganzen Messfahrt: Abschnitte, Überschreitungen, Bereiche "
                       "ohne Auswertung und die gezeigte Seite. Ein Klick zeigt die Seite an "
                       "dieser Stelle."));
}

bool OverviewBar::Range(int32_t& first, int32_t& last) const {
    const auto& samples = m_doc.Run().WorkingSamples();
    if (samples.empty()) return false;
    first = samples.front().station;
    last = samples.back().station;
    return true;
}

QRectF OverviewBar::Track() const { return QRectF(4, 3, std::max(1, width() - 8), kHeight - 6); }

double OverviewBar::XOf(int32_t station) const {
    int32_t first = 0, last = 0;
    const QRectF t = Track();
    if (!Range(first, last) || first == last) return t.left();
    const double f = (static_cast<double>(station) - first) / (static_cast<double>(last) - first);
    return t.left() + std::clamp(f, 0.0, 1.0) * t.width();
}

std::optional<int32_t> OverviewBar::StationAt(int x) const {
    int32_t first = 0, last = 0;
    if (!Range(first, last)) return std::nullopt;
    const QRectF t = Track();
    const double f = std::clamp((x - t.left()) / t.width(), 0.0, 1.0);
    return static_cast<int32_t>(first + f * (static_cast<double>(last) - first));
}

void OverviewBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRectF t = Track();
    int32_t first = 0, last = 0;
    if (!Range(first, last)) {
        p.setPen(kFrame);
        p.drawRect(t);
        return;
    }
    const auto span = [this](int32_t a, int32_t b) {
        const double x0 = XOf(a), x1 = XOf(b);
        return std::pair(std::min(x0, x1), std::max(std::max(x0, x1), std::min(x0, x1) + 1.0));
    };
    p.fillRect(t, kNotEvaluated);
    // Route sections in alternating shades; a section without evaluation stays pale.
    const auto& sections = m_doc.State().SectionCache();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const auto [x0, x1] = span(sections[i].from, sections[i].to);
        const QColor shade = sections[i].evaluate ? kSectionShades[i % 2] : kNotEvaluated;
        p.fillRect(QRectF(x0, t.top(), x1 - x0, t.height()), shade);
        p.setPen(QPen(kFrame, 1));
        p.drawLine(QPointF(XOf(sections[i].from), t.top()),
                   QPointF(XOf(sections[i].from), t.bottom()));
    }
    for (const auto& area : m_doc.Texts().ExcludedAreas()) {
        const auto [x0, x1] = span(area.from, area.to);
        p.fillRect(QRectF(x0, t.top(), x1 - x0, t.height()), QBrush(kFrame, Qt::BDiagPattern));
    }
    // Exceedances as ticks, one per pixel column however many fall into it:
    // the counted ones from the top in the limit colour, the others from the
    // bottom in grey, so that both stay apart even on a long run.
    const int columns = static_cast<int>(t.width()) + 1;
    std::vector<unsigned char> ticks(static_cast<std::size_t>(columns), 0);
    for (const UEBERSCHREITUNG& e : m_doc.Exceedances().Records()) {
        const int c = std::clamp(static_cast<int>(XOf(e.station) - t.left()), 0, columns - 1);
        ticks[static_cast<std::size_t>(c)] |= e.counted ? 1 : 2;
    }
    const QColor counted = qt::QtPainterSurface::Colour(m_doc.State().Settings().Colour(2));
    const double tick = t.height() * 0.5;
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int c = 0; c < columns; ++c) {
        const double x = t.left() + c;
        if (ticks[static_cast<std::size_t>(c)] & 1) {
            p.setPen(counted);
            p.drawLine(QPointF(x, t.top()), QPointF(x, t.top() + tick));
        }
        if (ticks[static_cast<std::size_t>(c)] & 2) {
            p.setPen(kNotCounted);
            p.drawLine(QPointF(x, t.bottom() - tick * 0.6), QPointF(x, t.bottom()));
        }
    }
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(t);

    m_model.ComputePages();
    if (m_model.PageCount() <= 0) return;
    const Paging& paging = m_model.PagingState();
    const PageSpan page = SpanOfPage(paging, m_doc.Run().IsAscending(), m_model.CurrentPage());
    const auto [x0, x1] = span(page.first, page.last);
    // At least a few pixels wide, so that one page of hundreds stays visible.
    const double w = std::max(5.0, x1 - x0 + 2);
    const QRectF shown((x0 + x1) / 2 - w / 2, 1, w, kHeight - 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kPage, 2));
    p.setBrush(QColor(kPage.red(), kPage.green(), kPage.blue(), 50));
    p.drawRect(shown);
}

void OverviewBar::ClickAt(int x) {
    const auto station = StationAt(x);
    if (!station || !pageClicked) return;
    m_model.ComputePages();
    const Paging& paging = m_model.PagingState();
    const int page = PageOfStation(paging, m_doc.Run().IsAscending(), *station);
    if (page > 0) pageClicked(page);
}

void OverviewBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ClickAt(event->position().toPoint().x());
}

void OverviewBar::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) ClickAt(event->position().toPoint().x());
}

}  // namespace nivora::app
