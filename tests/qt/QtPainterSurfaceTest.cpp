#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <functional>

#include "QtPainterSurface.h"
#include "support/TempDir.h"

namespace nivora::qt {
namespace {

void EnsureApp() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nivora_qt_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// At 254 dpi one pixel is exactly 10 logical units (0.1 mm).
QImage Sheet(int width, int height, int dpi = 254, QColor fill = Qt::white) {
    EnsureApp();
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(fill);
    return image;
}

void Paint(QImage& image, const std::function<void(QtPainterSurface&)>& draw) {
    QPainter painter(&image);
    QtPainterSurface surface(painter);
    draw(surface);
}

bool Dark(QRgb c) { return qGray(c) < 128; }

// The bounding box of the pixels that pass; empty when none does.
QRect Ink(const QImage& image, const std::function<bool(QRgb)>& ink = Dark) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image.pixel(x, y))) box = box.united(QRect(x, y, 1, 1));
    return box;
}

int CountInRows(const QImage& image, int fromRow, int toRow) {
    int n = 0;
    for (int y = fromRow; y <= toRow; ++y)
        for (int x = 0; x < image.width(); ++x) n += Dark(image.pixel(x, y));
    return n;
}

const PenSpec kNoPen{true, 0, 0};
const BrushSpec kRed{BrushSpec::Style::Solid, 0x000000FF};

TEST(QtPainterSurface, RectanglesLandOnTheirPixelsWithYUpwardAndTheWindowOrigin) {
    struct Case {
        const char* name;
        SurfacePoint origin;
        SurfacePoint offset;
        SurfaceRect rect;
        QRect pixels;
    };
    const Case cases[] = {
        {"origin at zero", {0, 0}, {0, 0}, {100, -200, 400, -500}, QRect(10, 20, 30, 30)},
        {"corners swapped", {0, 0}, {0, 0}, {400, -500, 100, -200}, QRect(10, 20, 30, 30)},
        {"origin set", {-500, 300}, {0, 0}, {100, -200, 400, -500}, QRect(60, 50, 30, 30)},
        {"origin offset", {0, 0}, {200, -100}, {300, -300, 500, -400}, QRect(10, 20, 20, 10)},
        {"above the origin is higher", {0, 1000}, {0, 0}, {0, 500, 100, 0}, QRect(0, 50, 10, 50)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = Sheet(200, 150);
        Paint(image, [&](QtPainterSurface& s) {
            s.SetWindowOrigin(c.origin);
            s.OffsetWindowOrigin(c.offset.x, c.offset.y);
            EXPECT_EQ(s.GetWindowOrigin(),
                      (SurfacePoint{c.origin.x + c.offset.x, c.origin.y + c.offset.y}));
            s.SelectPen(kNoPen);
            s.SelectBrush(kRed);
            s.Rectangle(c.rect);
        });
        EXPECT_EQ(Ink(image, [](QRgb p) { return p != qRgb(255, 255, 255); }), c.pixels);
        EXPECT_EQ(image.pixel(c.pixels.center()), qRgb(255, 0, 0));
    }
}

TEST(QtPainterSurface, PenWidthIsInHundredthsOfAMillimetreWithOnePixelAtLeast) {
    struct Case {
        int32_t width;
        double pixels;
    };
    for (const Case c : {Case{0, 1.0}, Case{4, 1.0}, Case{100, 10.0}, Case{250, 25.0}}) {
        SCOPED_TRACE(c.width);
        QImage image = Sheet(200, 100);
        Paint(image, [&](QtPainterSurface& s) {
            s.SelectPen({false, c.width, 0});
            s.MoveTo({300, -500});
            s.LineTo({1500, -500});
        });
        double coverage = 0;  // black pixels across the line, partial ones counted in part
        for (int y = 0; y < image.height(); ++y)
            coverage += (255 - qGray(image.pixel(80, y))) / 255.0;
        EXPECT_NEAR(coverage, c.pixels, 0.6);
        EXPECT_EQ(image.pixel(10, 50), qRgb(255, 255, 255)) << "the line starts at x 30";
    }
}

// Reference point at device (300, 200); "HHH" in a font whose cell is 100 px.
TEST(QtPainterSurface, TextAlignsItsBoxToTheReferencePoint) {
    const HAlign hs[] = {HAlign::Left, HAlign::Centre, HAlign::Right};
    const VAlign vs[] = {VAlign::Top, VAlign::Baseline, VAlign::Bottom};
    for (HAlign h : hs) {
        for (VAlign v : vs) {
            SCOPED_TRACE(testing::Message() << "h " << int(h) << " v " << int(v));
            QImage image = Sheet(600, 400);
            Paint(image, [&](QtPainterSurface& s) {
                s.SetBackgroundMode(BackgroundMode::Transparent);
                s.SelectFont({"Arial", 1000, 400, false, 0, 0});
                s.SetTextAlign(h, v);
                s.TextOut({3000, -2000}, "HHH");
            });
            const QRect ink = Ink(image);
            ASSERT_FALSE(ink.isEmpty());
            EXPECT_GT(ink.width(), 150);
            switch (h) {
                case HAlign::Left:
                    EXPECT_GE(ink.left(), 300);
                    EXPECT_LE(ink.left(), 312);
                    break;
                case HAlign::Centre:
                    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 300, 3);
                    break;
                case HAlign::Right:
                    EXPECT_LE(ink.right(), 299);
                    EXPECT_GE(ink.right(), 287);
                    break;
            }
            // Cell: ascent about 81 px above the baseline, descent about 19 below;
            // capitals reach about 64 px above the baseline.
            switch (v) {
                case VAlign::Top:
                    EXPECT_GT(ink.top(), 205);
                    EXPECT_LT(ink.top(), 230);
                    break;
                case VAlign::Baseline:
                    EXPECT_NEAR(ink.bottom(), 199, 2);
                    break;
                case VAlign::Bottom:
                    EXPECT_GT(ink.bottom(), 170);
                    EXPECT_LT(ink.bottom(), 190);
                    break;
            }
        }
    }
}

TEST(QtPainterSurface, CentredTextSitsInTheMiddleOfItsRectangle) {
    QImage image = Sheet(600, 400);
    Paint(image, [](QtPainterSurface& s) {
        s.SetBackgroundMode(BackgroundMode::Transparent);
        s.SelectFont({"Arial", 800, 400, false, 0, 0});
        s.SetTextAlign(HAlign::Right, VAlign::Bottom);  // not used by centred text
        s.DrawTextCentred({1000, -500, 5000, -3500}, "HHHH");
    });
    const QRect ink = Ink(image);
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 300, 3);
    EXPECT_NEAR((ink.top() + ink.bottom() + 1) / 2.0, 200, 3);
}

// "LLLL": the feet make the rows at the foot of the letters heavier than the
// rows at their heads, which tells upright text from mirrored text.
TEST(QtPainterSurface, EscapementTurnsTextCounterClockwiseAboutItsReferencePoint) {
    struct Case {
        int escapement;
        bool tall;
        bool heavyBottom;
    };
    for (const Case c : {Case{0, false, true}, Case{900, true, true}, Case{2700, true, false}}) {
        SCOPED_TRACE(c.escapement);
        QImage image = Sheet(600, 600);
        Paint(image, [&](QtPainterSurface& s) {
            s.SetBackgroundMode(BackgroundMode::Transparent);
            s.SelectFont({"Arial", 1000, 400, false, c.escapement, c.escapement});
            s.SetTextAlign(HAlign::Left, VAlign::Baseline);
            s.TextOut({3000, -3000}, "LLLL");
        });
        const QRect ink = Ink(image);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_EQ(ink.height() > 2 * ink.width(), c.tall);
        const int top = CountInRows(image, ink.top(), ink.top() + 2);
        const int bottom = CountInRows(image, ink.bottom() - 2, ink.bottom());
        EXPECT_EQ(bottom > 3 * top, c.heavyBottom) << "top " << top << " bottom " << bottom;
        EXPECT_EQ(top > 3 * bottom, !c.heavyBottom) << "top " << top << " bottom " << bottom;
        // The baseline runs through the reference point (300, 300) in the
        // text's direction, the letters stand on its left side.
        switch (c.escapement) {
            case 0:
                EXPECT_NEAR(ink.bottom(), 299, 2);
                EXPECT_GE(ink.left(), 300);
                break;
            case 900:  // reading upward
                EXPECT_NEAR(ink.right(), 299, 2);
                EXPECT_LE(ink.bottom(), 299);
                EXPECT_GE(ink.bottom(), 285);
                break;
            case 2700:  // reading downward
                EXPECT_NEAR(ink.left(), 300, 2);
                EXPECT_GE(ink.top(), 300);
                EXPECT_LE(ink.top(), 315);
                break;
        }
    }
}

// The page fonts carry a turn of a tenth of a degree; drawn turned, a long
// word steps by a pixel in the middle. Below one degree the text stays level.
TEST(QtPainterSurface, TurnsBelowOneDegreeAreDrawnLevel) {
    auto draw = [](int escapement) {
        QImage image = Sheet(1200, 100);
        Paint(image, [&](QtPainterSurface& s) {
            s.SetBackgroundMode(BackgroundMode::Transparent);
            s.SelectFont({"Arial", 350, 400, false, escapement, escapement});
            s.TextOut({200, -200}, "Teilabschnitt Teilabschnitt Teilabschnitt");
        });
        return image;
    };
    const QImage level = draw(0);
    EXPECT_EQ(draw(1), level);
    EXPECT_EQ(draw(-9), level);
    EXPECT_EQ(draw(3599), level);
    EXPECT_NE(draw(10), level);
}

TEST(QtPainterSurface, BackDiagonalHatchRisesToTheRightAndLeavesItsGaps) {
    QImage image = Sheet(300, 300, 254, QColor(255, 255, 0));
    Paint(image, [](QtPainterSurface& s) {
        s.SelectPen(kNoPen);
        s.SelectBrush({BrushSpec::Style::BackDiagonalHatch, 0x00000000});
        s.Rectangle({500, -500, 2500, -2500});
    });
    const QRgb yellow = qRgb(255, 255, 0);
    EXPECT_EQ(Ink(image, [&](QRgb p) { return p != yellow; }).adjusted(2, 2, -2, -2),
              QRect(50, 50, 200, 200).adjusted(2, 2, -2, -2))
        << "only the rectangle is touched";
    int rising = 0, falling = 0, dark = 0, gaps = 0;
    for (int y = 100; y < 200; ++y) {
        for (int x = 100; x < 200; ++x) {
            if (image.pixel(x, y) == yellow) ++gaps;
            if (!Dark(image.pixel(x, y))) continue;
            ++dark;
            for (int d = 3; d <= 12; ++d) {
                rising += Dark(image.pixel(x + d, y - d));
                falling += Dark(image.pixel(x + d, y + d));
            }
        }
    }
    ASSERT_GT(dark, 500);
    EXPECT_GT(rising, 8 * dark) << "lines from lower left to upper right";
    EXPECT_LT(falling, 4 * dark);
    EXPECT_GT(gaps, 5000) << "the gaps keep what was below";
}

TEST(QtPainterSurface, OpaqueBackgroundFillsTheTextBoxTransparentDoesNot) {
    const QRgb green = qRgb(0, 255, 0);
    for (const BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
        SCOPED_TRACE(int(mode));
        QImage image = Sheet(600, 400);
        SurfaceSize size;
        Paint(image, [&](QtPainterSurface& s) {
            s.SetBackgroundMode(mode);
            s.SetBackgroundColour(0x0000FF00);
            s.SetTextColour(0x00000000);
            s.SelectFont({"Arial", 1000, 400, false, 0, 0});
            s.SetTextAlign(HAlign::Left, VAlign::Top);
            s.TextOut({1000, -1000}, "Hm");
            size = s.MeasureText("Hm");
        });
        const QRect box = Ink(image, [&](QRgb p) { return p == green; });
        if (mode == BackgroundMode::Transparent) {
            EXPECT_TRUE(box.isEmpty());
        } else {
            EXPECT_NEAR(box.left(), 100, 1);
            EXPECT_NEAR(box.top(), 100, 1);
            EXPECT_NEAR(box.width(), size.cx / 10.0, 1.5);
            EXPECT_NEAR(box.height(), size.cy / 10.0, 1.5);
            EXPECT_FALSE(Ink(image).isEmpty()) << "the text is written over its box";
        }
    }
}

TEST(QtPainterSurface, RestoreBringsBackToolsColoursAlignmentAndOrigin) {
    QImage image = Sheet(400, 300);
    Paint(image, [](QtPainterSurface& s) {
        s.SelectPen(kNoPen);
        s.SelectBrush({BrushSpec::Style::Solid, 0x00FF0000});  // blue
        s.SetWindowOrigin({-500, 0});
        s.SetTextColour(0x00FF0000);
        s.SetTextAlign(HAlign::Right, VAlign::Top);
        s.SetBackgroundMode(BackgroundMode::Transparent);
        s.SelectFont({"Arial", 600, 400, false, 0, 0});
        s.SaveState();
        s.SelectBrush(kRed);
        s.SelectPen({false, 100, 0x0000FF00});
        s.SetWindowOrigin({0, 0});
        s.SetTextColour(0x000000FF);
        s.SetTextAlign(HAlign::Left, VAlign::Bottom);
        s.SetBackgroundMode(BackgroundMode::Opaque);
        s.SelectFont({"Arial", 2000, 700, true, 900, 900});
        s.SaveState();
        s.OffsetWindowOrigin(7, 7);
        s.RestoreState();
        EXPECT_EQ(s.GetWindowOrigin(), (SurfacePoint{0, 0}));
        s.RestoreState();
        s.RestoreState();  // one too many: nothing changes
        EXPECT_EQ(s.GetWindowOrigin(), (SurfacePoint{-500, 0}));
        s.Rectangle({0, 0, 1000, -1000});
        s.TextOut({3000, -1500}, "HH");
    });
    const QRect square =
        Ink(image.copy(0, 0, 160, 300), [](QRgb p) { return p == qRgb(0, 0, 255); });
    EXPECT_EQ(square, QRect(50, 0, 100, 100));
    const QRect text = Ink(image.copy(160, 0, 240, 300), [](QRgb p) {
                           return qBlue(p) > 200 && qRed(p) < 100;
                       }).translated(160, 0);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LE(text.right(), 350) << "right-aligned at x 350";
    EXPECT_GE(text.right(), 340);
    EXPECT_GE(text.top(), 150) << "top-aligned at y 150";
    EXPECT_LE(text.top(), 170);
    EXPECT_LT(text.height(), 60) << "the 6 mm font";
    EXPECT_TRUE(Ink(image, [](QRgb p) { return qGreen(p) > 200 && qRed(p) < 100; }).isEmpty())
        << "no green pen, no opaque background";
}

TEST(QtPainterSurface, MeasureTextGrowsWithLengthAndHeightAlikeOnEveryResolution) {
    EnsureApp();
    struct Case {
        int dpi;
        int32_t height;
    };
    const Case cases[] = {{96, 350}, {254, 350}, {1200, 350}, {254, 700}};
    std::vector<SurfaceSize> one, four;
    for (const Case& c : cases) {
        QImage image = Sheet(10, 10, c.dpi);
        Paint(image, [&](QtPainterSurface& s) {
            s.SelectFont({"Arial", c.height, 400, false, 0, 0});
            one.push_back(s.MeasureText("W"));
            four.push_back(s.MeasureText("WWWW"));
        });
    }
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].dpi);
        EXPECT_NEAR(one[i].cy, cases[i].height, 5) << "the cell height";
        EXPECT_EQ(four[i].cy, one[i].cy);
        EXPECT_NEAR(four[i].cx, 4 * one[i].cx, 4);
        EXPECT_NEAR(one[i].cx, one[0].cx * cases[i].height / 350.0, 8);
    }
    EXPECT_GT(one[0].cx, 250) << "Arial's W is about as wide as the cell is high";
}

TEST(QtPainterSurface, WindowsFaceNamesAndWeightsMapToInstalledFonts) {
    EnsureApp();
    struct Case {
        const char* face;
        const char* family;
    };
    for (const Case c :
         {Case{"Arial", "Liberation Sans"}, Case{"Times New Roman", "Liberation Serif"},
          Case{"Courier New", "Liberation Mono"}}) {
        EXPECT_EQ(QtPainterSurface::FontFamily(c.face), c.family);
        EXPECT_EQ(QFontInfo(QFont(QtPainterSurface::FontFamily(c.face))).family(), c.family);
    }
    int ink[2] = {};
    for (int i = 0; i < 2; ++i) {
        QImage image = Sheet(600, 200);
        Paint(image, [&](QtPainterSurface& s) {
            s.SelectFont({"Arial", 1000, i == 0 ? 300 : 700, false, 0, 0});
            s.TextOut({500, -500}, "Ebenheit");
        });
        ink[i] = CountInRows(image, 0, image.height() - 1);
    }
    EXPECT_GT(ink[1], ink[0] * 13 / 10) << "weight 700 is bold";
}

TEST(QtPainterSurface, PdfTextStaysText) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EnsureApp();
    const test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("page.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        QtPainterSurface s(painter);
        s.SelectFont({"Arial", 500, 400, false, 0, 0});
        s.TextOut({2000, -2000}, "Ebenheitsmessung");
        s.SelectFont({"Courier New", 300, 400, true, 900, 900});
        s.TextOut({2000, -20000}, "L\xE4ngsprofil");
        s.SelectFont({"Arial", 400, 400, false, 0, 0});
        s.DrawTextCentred({2000, -8000, 12000, -9000}, "Station [km]");
        s.TextOutWide({2000, -12000}, u"\u00DCberh\u00F6hung \u20AC");
    }
    QProcess p;
    p.start(pdftotext, {path, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Ebenheitsmessung")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Längsprofil"))) << text.toStdString();
    EXPECT_TRUE(text.contains("Station [km]")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Überhöhung €"))) << text.toStdString();
}

}  // namespace
}  // namespace nivora::qt
