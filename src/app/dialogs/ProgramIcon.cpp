#include "dialogs/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace nivora::app {

QPixmap ProgramPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 64, 160));
    p.drawRoundedRect(QRectF(0, 0, s, s), s / 6, s / 6);
    // The road profile.
    QPainterPath profile;
    profile.moveTo(s * 0.08, s * 0.68);
    profile.cubicTo(s * 0.3, s * 0.52, s * 0.4, s * 0.86, s * 0.6, s * 0.7);
    profile.cubicTo(s * 0.75, s * 0.58, s * 0.85, s * 0.74, s * 0.92, s * 0.66);
    p.setPen(QPen(QColor(255, 255, 255), s / 16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(profile);
    // The straightedge above it.
    p.setPen(QPen(QColor(255, 200, 0), s / 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(s * 0.12, s * 0.4), QPointF(s * 0.88, s * 0.4));
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(ProgramPixmap(size));
    return icon;
}

}  // namespace nivora::app
