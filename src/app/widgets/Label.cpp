#include "widgets/Label.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace nivora::app {

QColor FromColorRef(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

CLabel::CLabel(QWidget* parent) : CLabel(QString(), parent) {}

CLabel::CLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    // The whole area is filled by paintEvent, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CLabel& CLabel::SetBackgroundColour(const QColor& colour) {
    m_background = colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    update();
    return *this;
}

CLabel& CLabel::SetTextColour(const QColor& colour) {
    m_textColour = colour;
    update();
    return *this;
}

CLabel& CLabel::SetUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
    update();
    return *this;
}

CLabel& CLabel::EnableWebLink(bool on) {
    m_link = on ? LinkKind::Web : LinkKind::None;
    update();
    return *this;
}

CLabel& CLabel::EnableMailLink(bool on) {
    m_link = on ? LinkKind::Mail : LinkKind::None;
    update();
    return *this;
}

CLabel& CLabel::SetHoverCursor(const QCursor& cursor) {
    setCursor(cursor);
    update();
    return *this;
}

CLabel& CLabel::SetPlacement(Placement placement) {
    m_placement = placement;
    update();
    return *this;
}

QColor CLabel::EffectiveBackground() const {
    // Without an own colour the button face of the current palette shows, so
    // a change of the system colours is followed at the next paint.
    return m_background.value_or(palette().color(QPalette::Button));
}

QUrl CLabel::LinkTarget() const {
    switch (m_link) {
        case LinkKind::Web:
            return QUrl::fromUserInput(text());
        case LinkKind::Mail:
            return QUrl(QStringLiteral("mailto:") + text());
        case LinkKind::None:
            break;
    }
    return {};
}

int CLabel::TextFlags(Placement placement, const QString& text) {
    int flags = 0;
    switch (placement) {
        case Placement::Centre:
            flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
            break;
        case Placement::Right:
            flags = Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap;
            break;
        case Placement::LeftNoWrap:
            flags = Qt::AlignLeft | Qt::AlignTop;
            break;
        case Placement::Left:
            flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
            break;
        case Placement::CentreImage:
            // A single line is centred both ways; several lines only across.
            flags = text.contains(QLatin1Char('\n'))
                        ? Qt::AlignHCenter | Qt::AlignTop
                        : Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
            break;
    }
    if (text.contains(QLatin1Char('\t'))) flags |= Qt::TextExpandTabs;
    return flags;
}

void CLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), EffectiveBackground());
    painter.setFont(font());
    painter.setPen(TextColour());
    painter.setBackgroundMode(Qt::TransparentMode);
    QString shown = text();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    painter.drawText(rect(), TextFlags(m_placement, shown), shown);
}

void CLabel::mousePressEvent(QMouseEvent* event) {
    // A failure of the desktop's handler is not reported.
    if (event->button() == Qt::LeftButton && m_link != LinkKind::None && m_opener)
        m_opener(LinkTarget());
    QLabel::mousePressEvent(event);
}

void CLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) update();
    QLabel::changeEvent(event);
}

}  // namespace nivora::app
