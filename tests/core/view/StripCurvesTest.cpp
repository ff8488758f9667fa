#include <gtest/gtest.h>

#include <random>

#include "core/view/DrawQueries.h"
#include "core/view/ViewFixture.h"
#include "view/StationIndex.h"
#include "view/StripDrawing.h"

namespace nivora {
namespace {

using namespace test;

constexpr int32_t W = 25000;

// The polylines drawn in a strip with a pen of the given width: MoveTo starts one.
std::vector<std::vector<SurfacePoint>> Polylines(const RecordingSurface& s, int strip,
                                                 int32_t width) {
    std::vector<std::vector<SurfacePoint>> out;
    bool open = false;
    for (const auto& r : s.Records()) {
        if (r.state.origin != StripOrigin(strip)) continue;
        if (r.op == Op::MoveTo) {
            open = r.state.pen.width == width;
            if (open) out.push_back({r.points[0]});
        } else if (r.op == Op::LineTo && open) {
            out.back().push_back(r.points[1]);
        } else if (r.op == Op::Pen) {
            open = false;
        }
    }
    return out;
}

TEST(StationIndex, FindsWhatAScanFromTheFirstSampleFinds) {
    std::mt19937 rng(7);
    for (bool ascending : {true, false}) {
        for (int round = 0; round < 50; ++round) {
            std::vector<MESSUNG> samples(1 + rng() % 40);
            // Mostly in one direction, now and then back; every third run
            // never goes back (equal stations included).
            const int32_t back = round % 3 == 0 ? 0 : 8;
            int32_t s = 0;
            for (auto& m : samples) {
                s += (ascending ? 1 : -1) * (static_cast<int32_t>(rng() % 30) - back);
                m.station = s;
            }
            StationIndex index;
            index.Build(samples, ascending);
            ASSERT_TRUE(index.Matches(samples, ascending));
            for (long long target = -400; target <= 400; target += 7) {
                std::size_t scan = 0;
                while (scan < samples.size() && (ascending ? samples[scan].station < target
                                                           : samples[scan].station > target))
                    ++scan;
                ASSERT_EQ(index.FirstAtOrBeyond(target), scan) << target;
            }
        }
    }
    StationIndex empty;
    empty.Build({}, true);
    EXPECT_EQ(empty.FirstAtOrBeyond(0), 0u);
}

TEST(StripCurves, MeasuredCurvePerStrip) {
    ViewFixture f;
    f.State({"Dicken_Dicke3=33"});
    std::vector<SampleSpec> samples;
    // Stations that go back once: 120 m is followed by 90 m.
    for (int32_t st : {0, 500, 300, 1200, 900, 2100, 2500}) samples.push_back({st, 20, -1.0});
    f.Samples(samples);
    auto& s = f.Draw();
    // -Y(2.0) = -746; samples up to the strip end, the first beyond it ends the line.
    using Lines = std::vector<std::vector<SurfacePoint>>;
    EXPECT_EQ(Polylines(s, 0, 33), (Lines{{{0, -746}, {12500, -746}, {7500, -746}}}));
    EXPECT_EQ(Polylines(s, 1, 33), (Lines{{{5000, -746}, {-2500, -746}}}));
    EXPECT_EQ(Polylines(s, 2, 33), (Lines{{{2500, -746}, {12500, -746}}}));
}

TEST(StripCurves, NegativeValuesAsZeroWhenSet) {
    for (const char* setting : {"0", "1"}) {
        ViewFixture f;
        f.State({std::string("NEGWERTENULL=") + setting, "Dicken_Dicke3=33"});
        f.Samples({{0, -20}, {500, 10}, {1000, -20}});
        auto& s = f.Draw();
        const auto lines = Polylines(s, 0, 33);
        ASSERT_EQ(lines.size(), 1u);
        // -Y(-2.0) = -320, -Y(0) = -533
        EXPECT_EQ(lines[0][0].y, setting[0] == '1' ? -533 : -320) << setting;
        EXPECT_EQ(lines[0][1].y, -640);
    }
}

TEST(StripCurves, ComparisonRunsWithTheirOffsetAndPens) {
    ViewFixture f;
    f.State({"Dicken_Dicke3=33", "Dicken_Dicke5=55", "Farben_Farbe5=4321"});
    f.Stretch(0, 3000, 100);
    CMessFahrtDaten& cmp = f.doc.ComparisonRun(2);
    std::string list = "14.03.2026 09:30:15 Messung\r\nB 14\r\n";
    for (int m = 0; m <= 300; m += 10) list += std::to_string(m) + ";2,0;0;\r\n";
    cmp.Load(list, "vgl.csv");
    ASSERT_TRUE(cmp.IsLoaded());
    cmp.ResetRange();
    cmp.SetRange(cmp.RangeStart(), cmp.RangeEnd());
    cmp.comparisonOffset = 5.0;  // metres
    auto& s = f.Draw();
    const auto lines = Polylines(s, 0, 55);
    ASSERT_EQ(lines.size(), 1u);
    // Shifted by 50 dm: from 5 m to 95 m in the first strip, 1250 units apart.
    ASSERT_EQ(lines[0].size(), 10u);
    EXPECT_EQ(lines[0].front(), (SurfacePoint{1250, -746}));
    EXPECT_EQ(lines[0].back(), (SurfacePoint{23750, -746}));
    for (const auto& r : s.Records()) {
        if (r.op == Op::LineTo && r.state.pen.width == 55) {
            EXPECT_EQ(r.state.pen.colour, 4321u);
        }
    }
}

TEST(StripCurves, SpeedCurve) {
    struct Case {
        double firstSpeed;
        bool drawn;
    };
    for (const Case c : {Case{6.0, true}, Case{-1.0, false}}) {
        ViewFixture f;
        f.State({"Dicken_Dicke8=88"});
        std::vector<SampleSpec> samples;
        for (int i = 0; i <= 10; ++i) samples.push_back({i * 100, 10, i == 0 ? c.firstSpeed : 6.0});
        samples[5].speed = -1.0;
        f.Samples(samples);
        auto& s = f.Draw();
        const auto lines = Polylines(s, 0, 88);
        ASSERT_EQ(lines.size(), c.drawn ? 1u : 0u);
        if (!c.drawn) continue;
        ASSERT_EQ(lines[0].size(), 11u);
        EXPECT_EQ(lines[0][0], (SurfacePoint{0, -1600}));      // 6 km/h halfway up
        EXPECT_EQ(lines[0][5], (SurfacePoint{12500, -3250}));  // no speed: just below the edge
    }
}

TEST(StripCurves, ExceedanceMarksLabelsAndPens) {
    ViewFixture f;
    f.Stretch(0, 3000, 100);
    f.State({"Farben_Farbe2=255", "Dicken_Dicke2=22"});
    f.Exceedances(
        "[200;52;2;1;1;1;;0.0;;][400;52;2;2;1;0;;0.0;;][600;62;3;3;1;1;;0.0;;]"
        "[800;62;3;4;1;0;;0.0;;][1000;62;3;5;1;1;;0.0;;]",
        "[600\xBFRiss{{CRLF}}l\xE4ngs\xBF"
        "1][800\xBF"
        "Flick\xBF"
        "1][200\xBFStumm\xBF"
        "0]");
    auto& s = f.Draw();
    const auto texts = InStrip(s, Op::Text, 0);
    // Labels are written from their left edge: a number centred on its mark
    // (180 per character on this surface), a remark from 80 left of it.
    struct Mark {
        const char* label;
        int32_t left;
        uint32_t colour;
    };
    const Mark marks[] = {{"1", 5000 - 90, 255},
                          {"(2)", 10000 - 270, diagram::kGrey},
                          {"3: Riss", 15000 - 80, 255},
                          {"(4: Flick)", 20000 - 80, diagram::kGrey},
                          {"5", W - 90, 255}};
    for (const auto& m : marks) {
        const Rec* t = FindText(texts, m.label);
        ASSERT_NE(t, nullptr) << m.label;
        EXPECT_EQ(t->points[0].x, m.left) << m.label;
        EXPECT_EQ(t->state.hAlign, HAlign::Left) << m.label;
        EXPECT_EQ(t->state.textColour, m.colour) << m.label;
        EXPECT_EQ(t->state.font.height, 300) << m.label;
    }
    // The mark line from 1 mm above the value down to its label, whose lowest
    // level stands 20 above the bottom of the curve area: -3200 + 20 + 300.
    const auto segs = Segments(s, 0);
    EXPECT_TRUE(HasSegment(segs, {5000, -1194}, {5000, -2880}));
    // On the strip end: drawn on both strips.
    EXPECT_NE(FindText(InStrip(s, Op::Text, 1), "5"), nullptr);
    for (const auto& g : segs) {
        if (g.a.x == 10000 && g.b.x == 10000 && g.b.y == -2880) {
            EXPECT_EQ(g.pen, (PenSpec{false, 10, diagram::kGrey}));
        }
    }
}

// The lower ends of the mark lines that start at y = fromY, left to right.
std::vector<int32_t> MarkBottoms(const RecordingSurface& s, int32_t fromY, SurfacePoint origin) {
    std::vector<int32_t> out;
    for (const auto& r : s.Of(Op::LineTo))
        if (r.points[0].x == r.points[1].x && r.points[0].y == fromY && r.state.origin == origin)
            out.push_back(r.points[1].y);
    return out;
}

TEST(StripCurves, ExceedanceMarksStackAndShareARangeLabel) {
    ViewFixture f;
    f.Stretch(0, 3000, 100);
    // 50 units apart at 500..506 dm: "1", "2" and "3" take the three levels,
    // "4" has no room of its own and joins "3" as "3–4"; "5" is far away.
    f.Exceedances(
        "[500;52;2;1;1;1;;0.0;;][502;52;2;2;1;1;;0.0;;][504;52;2;3;1;1;;0.0;;]"
        "[506;52;2;4;1;1;;0.0;;][900;52;2;5;1;1;;0.0;;]");
    auto& s = f.Draw();
    EXPECT_EQ(MarkBottoms(s, -1194, StripOrigin(0)),
              (std::vector<int32_t>{-2880, -2580, -2280, -2280, -2880}));
    const auto texts = InStrip(s, Op::Text, 0);
    EXPECT_NE(FindText(texts,
                       "3\x96"
                       "4"),
              nullptr);
    EXPECT_EQ(FindText(texts, "4"), nullptr);

    // At zoom factor 5 (font F3, 450 high) the label band scales with the strip.
    f.Exceedances("[900;52;2;1;1;1;;0.0;;]");
    auto& z = f.Draw(1, -2);
    EXPECT_EQ(MarkBottoms(z, -5973, SurfacePoint{-5500, 3000}),  // -Y(6.2 mm)
              std::vector<int32_t>{-16000 + 100 + 450});
}

}  // namespace
}  // namespace nivora
