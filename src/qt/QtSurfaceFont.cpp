#include "QtSurfaceFont.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "QtText.h"

namespace nivora::qt {

QString SurfaceFontFamily(const std::string& face) {
    const QString f = FromCp1252(face).trimmed().toLower();
    if (f == QLatin1String("arial")) return QStringLiteral("Liberation Sans");
    if (f == QLatin1String("times new roman")) return QStringLiteral("Liberation Serif");
    if (f == QLatin1String("courier new")) return QStringLiteral("Liberation Mono");
    return FromCp1252(face);
}

QFont SurfaceQFont(const FontSpec& f, double pixelsPerUnit, double deviceDpi) {
    QFont q(SurfaceFontFamily(f.face));
    q.setItalic(f.italic);
    q.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight <= 0 ? 400 : f.weight, 1, 1000)));
    // Advances that scale with the size and add up, as the page layout expects.
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferNoHinting);

    // A positive height is the cell height (ascent + descent), a negative one
    // the character height (em); 0 is the default size.
    const int32_t height = f.height == 0 ? FontSpec{}.height : f.height;
    double emPx = std::abs(static_cast<double>(height)) * pixelsPerUnit;
    if (height > 0) {
        QFont reference = q;
        reference.setPixelSize(1000);
        const QFontMetricsF m(reference);
        const double cellPerEm = (m.ascent() + m.descent()) / 1000.0;
        if (cellPerEm > 0) emPx /= cellPerEm;
    }
    q.setPointSizeF(std::max(emPx * 72.0 / (deviceDpi > 0 ? deviceDpi : 96.0), 0.01));
    return q;
}

double SurfaceTextAngle(const FontSpec& font) {
    int tenths = font.escapement % 3600;
    if (tenths > 1800) tenths -= 3600;
    if (tenths <= -1800) tenths += 3600;
    if (std::abs(tenths) < 10) return 0.0;
    return tenths / 10.0;
}

}  // namespace nivora::qt
