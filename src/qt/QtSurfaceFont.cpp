#include "QtSurfaceFont.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "QtText.h"

namespace nivora::qt {

namespace {
constexpr double kPointsPerInch = 72.0;
// Font weights run from 1 to 1000.
constexpr int kMaxWeight = 1000;
// The pixel size at which a face's cell height per em is measured.
constexpr int kReferencePixels = 1000;
// Escapements in tenths of a degree.
constexpr int kFullTurn = 3600, kHalfTurn = 1800, kOneDegree = 10;
}  // namespace

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
    q.setWeight(static_cast<QFont::Weight>(
        std::clamp(f.weight <= 0 ? FontSpec{}.weight : f.weight, 1, kMaxWeight)));
    // Advances that scale with the size and add up, as the page layout expects.
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferNoHinting);

    // A positive height is the cell height (ascent + descent), a negative one
    // the character height (em); 0 is the default size.
    const int32_t height = f.height == 0 ? FontSpec{}.height : f.height;
    double emPx = std::abs(static_cast<double>(height)) * pixelsPerUnit;
    if (height > 0) {
        QFont reference = q;
        reference.setPixelSize(kReferencePixels);
        const QFontMetricsF m(reference);
        const double cellPerEm = (m.ascent() + m.descent()) / kReferencePixels;
        if (cellPerEm > 0) emPx /= cellPerEm;
    }
    q.setPointSizeF(
        std::max(emPx * kPointsPerInch / (deviceDpi > 0 ? deviceDpi : kFallbackDpi), 0.01));
    return q;
}

double SurfaceTextAngle(const FontSpec& font) {
    int tenths = font.escapement % kFullTurn;
    if (tenths > kHalfTurn) tenths -= kFullTurn;
    if (tenths <= -kHalfTurn) tenths += kFullTurn;
    if (std::abs(tenths) < kOneDegree) return 0.0;
    return static_cast<double>(tenths) / kOneDegree;
}

}  // namespace nivora::qt
