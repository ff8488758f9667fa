#include <gtest/gtest.h>

#include <optional>

#include "core/view/ViewFixture.h"
#include "platform/SettingsStore.h"
#include "view/NivoraView.h"

namespace nivora {
namespace {

using test::ViewFixture;

TEST(NivoraView, ZoomCommandsAndScrollSizes) {
    ViewFixture f;
    CNivoraView& v = f.view;
    EXPECT_EQ(v.ZoomLevel(), 4);
    EXPECT_DOUBLE_EQ(v.ZoomFactor(), 1.2);
    EXPECT_EQ(v.ScrollTotal(), (SurfaceSize{42000, 21600}));
    for (int i = 0; i < 10; ++i) v.ZoomIn();
    EXPECT_EQ(v.ZoomLevel(), -2);  // stays at the lowest level
    EXPECT_DOUBLE_EQ(v.ZoomFactor(), 5.0);
    EXPECT_EQ(v.ScrollTotal(), (SurfaceSize{175000, 90000}));
    EXPECT_EQ(v.ScrollPage(), (SurfaceSize{87500, 45000}));
    EXPECT_EQ(v.ScrollLine(), (SurfaceSize{8750, 4500}));
    v.ZoomStep();  // wraps to the highest level
    EXPECT_EQ(v.ZoomLevel(), 5);
    v.ZoomOut();
    EXPECT_EQ(v.ZoomLevel(), 5);
    v.ZoomStep();
    EXPECT_EQ(v.ZoomLevel(), 4);
    v.ZoomStep();
    EXPECT_DOUBLE_EQ(v.ZoomFactor(), 1.4);
    v.ZoomStep();
    EXPECT_EQ(v.ScrollTotal(), (SurfaceSize{59500, 30600}));
}

TEST(NivoraView, PagingCommands) {
    ViewFixture f;
    f.Stretch(0, 4500, 100);  // 46 m at 1:400: 5 strips
    CNivoraView& v = f.view;
    v.ComputePages();
    EXPECT_EQ(v.StripCount(), 5);
    EXPECT_EQ(v.PageCount(), 2);
    v.PageBack();
    EXPECT_EQ(v.CurrentPage(), 1);
    v.PageForward();
    v.PageForward();
    EXPECT_EQ(v.CurrentPage(), 2);
    v.ToggleStripsPerPage();
    EXPECT_EQ(v.StripsPerPage(), 2);
    EXPECT_EQ(v.PageCount(), 3);
    EXPECT_EQ(v.CurrentPage(), 2);
    v.ToggleStripsPerPage();
    EXPECT_EQ(v.PageCount(), 2);
    v.ToggleGrid();
    EXPECT_TRUE(v.Grid2m());
}

TEST(NivoraView, LastPageShowsOnlyTheStripsTheRunReaches) {
    struct Case {
        int32_t lastStation;  // dm, from 0 at 1:400 (1000 dm per strip)
        int stripsPerPage;
        int page;
        int strips;
    };
    const Case cases[] = {
        {1000, 3, 1, 2},  // exactly 100 m: two strips, the second drawn (rest 2)
        {3500, 3, 2, 1},  // 4 strips: page 2 shows one
        {4500, 3, 2, 2},  // 5 strips: two
        {5500, 3, 2, 3},  // 6 strips: three
        {5500, 3, 1, 3}, {2500, 2, 2, 1}, {3500, 2, 2, 2}, {3500, 2, 1, 2},
    };
    for (const auto& c : cases) {
        ViewFixture f;
        f.Stretch(0, c.lastStation, 100);
        f.view.SetStripsPerPage(c.stripsPerPage);
        f.Draw(c.page);
        EXPECT_EQ(f.view.StripRegistry().Count(), c.strips)
            << c.lastStation << " " << c.stripsPerPage << " page " << c.page;
    }
}

TEST(NivoraView, StripPositionsAndStationsOnThePage) {
    ViewFixture f;
    f.Stretch(0, 9000, 100);
    f.Draw(2);  // level 5: factor 1.0
    const CGetMouseDm& reg = f.view.StripRegistry();
    ASSERT_EQ(reg.Count(), 3);
    for (int k = 0; k < 3; ++k) {
        const auto& e = reg.At(k);
        EXPECT_EQ(e.rect, (SurfaceRect{1100, -600 - 4600 * k, 26100, -3800 - 4600 * k})) << k;
        EXPECT_EQ(e.leftStation, 3000 + 1000 * k);
        EXPECT_EQ(e.rightStation, 4000 + 1000 * k);
    }
    // The window origin is back where it was.
    EXPECT_EQ(f.surface.Current().origin, (SurfacePoint{0, 0}));
    EXPECT_EQ(f.surface.SavedDepth(), 0u);

    f.view.SetStripsPerPage(2);
    f.Draw(1, 4);  // factor 1.2
    ASSERT_EQ(reg.Count(), 2);
    EXPECT_EQ(reg.At(0).rect, (SurfaceRect{1320, -3600, 1320 + 30000, -3600 - 3840}));
    EXPECT_EQ(reg.At(1).rect.top, -2880 - 8160 - 720);
}

TEST(NivoraView, DescendingRunPagesFromTheHigherStation) {
    ViewFixture f;
    f.Stretch(2123, 0, 10);  // first station 212.3 m: page 1 starts at 220 m
    f.Draw(1);
    EXPECT_EQ(f.view.FirstPageStart(), 2200);
    const CGetMouseDm& reg = f.view.StripRegistry();
    ASSERT_EQ(reg.Count(), 3);
    EXPECT_EQ(reg.At(0).leftStation, 2200);
    EXPECT_EQ(reg.At(0).rightStation, 1200);
    EXPECT_EQ(reg.At(2).rightStation, -800);
}

TEST(NivoraView, ScreenDrawingSetsTheTitleAndKeepsTheOrigin) {
    ViewFixture f;
    f.Stretch(0, 9000, 100);
    RecordingSurface dc;
    dc.SetWindowOrigin({0, -7000});  // scrolled down
    f.view.PageForward();            // nothing computed yet: stays on page 1
    f.view.OnDraw(dc);
    EXPECT_EQ(f.view.Title(), "   Seite 1 von 4");
    EXPECT_EQ(dc.Current().origin, (SurfacePoint{0, -7000}));
    // Page origin 500 below the top of the scrollable area, which is scrolled
    // 7000 up: the registry holds the strip where it lies on the device.
    EXPECT_EQ(f.view.StripRegistry().At(0).rect.top, 7000 - 500 - 720);
}

TEST(NivoraView, RunWithoutSamplesHasNoPages) {
    ViewFixture f;
    RecordingSurface dc;
    f.view.OnDraw(dc);
    EXPECT_EQ(f.view.PageCount(), 0);
    EXPECT_EQ(f.view.StripRegistry().Count(), 0);
    f.view.PageForward();
    EXPECT_EQ(f.view.CurrentPage(), 1);
}

TEST(NivoraView, StripsPerPageFromTheSettingsStore) {
    struct Case {
        std::optional<int> stored;
        int strips;
    };
    for (const Case c : {Case{2, 2}, Case{3, 3}, Case{4, 3}, Case{0, 3}, Case{std::nullopt, 3}}) {
        MemorySettingsStore store;
        if (c.stored) store.WriteInt("Sonstiges", "DiagrammeProSeite", *c.stored);
        ViewFixture f;
        f.view.OnInitialUpdate(&store);
        EXPECT_EQ(f.view.StripsPerPage(), c.strips);
        f.view.ToggleStripsPerPage();
        f.view.SaveSettings(store);
        EXPECT_EQ(store.ReadInt("Sonstiges", "DiagrammeProSeite"), c.strips == 3 ? 2 : 3);
    }
}

TEST(NivoraView, DiagramPrintJob) {
    struct Case {
        int32_t leftMargin;
        int32_t printLeft, printRight;
        int32_t stripLeft;  // x of the first curve area
    };
    const Case cases[] = {
        {0, 0, 29700, 1100},
        {500, 100, 29700, 1700},
        {5000, 0, 29700, 2700 + 1100},  // 270 mm must fit right of the origin
    };
    for (const auto& c : cases) {
        ViewFixture f;
        f.Stretch(0, 9000, 100);
        f.State({"Druck_linkerRand=" + std::to_string(c.leftMargin)});
        CNivoraView& v = f.view;
        RecordingSurface screen;
        v.OnDraw(screen);
        v.PageForward();
        v.SetEvaluationMode(false);
        EXPECT_EQ(v.DefaultOrientation(), PageOrientation::Landscape);
        PrintJobInfo job;
        job.printRect = {c.printLeft, 0, c.printRight, -21000};
        v.OnPreparePrinting(job);
        EXPECT_EQ(v.ZoomLevel(), 5);
        EXPECT_EQ(job.maxPage, 4);
        EXPECT_EQ(job.currentPage, 2);  // the preview opens on the page being viewed
        v.OnBeginPrinting();
        EXPECT_TRUE(v.IsPrinting());
        EXPECT_EQ(v.Title(), "");  // the plain path name
        RecordingSurface paper;
        v.OnPrint(paper, job, 3);
        const auto& reg = v.StripRegistry();
        ASSERT_EQ(reg.Count(), 3);
        EXPECT_EQ(reg.At(0).rect.left, c.stripLeft) << c.leftMargin;
        EXPECT_EQ(reg.At(0).rect.top, -4000 - 600);
        EXPECT_EQ(reg.At(0).leftStation, 6000);
        v.OnEndPrinting();
        EXPECT_FALSE(v.IsPrinting());
        EXPECT_EQ(v.ZoomLevel(), 5);  // stays after the job
    }
}

TEST(NivoraView, EvaluationModeAsksForPortrait) {
    ViewFixture f;
    f.Stretch(0, 2000, 100);
    f.view.SetEvaluationMode(true);
    EXPECT_EQ(f.view.DefaultOrientation(), PageOrientation::Portrait);
    PrintJobInfo job;
    f.view.OnPreparePrinting(job);
    EXPECT_EQ(job.maxPage, f.view.EvaluationPages().GetPageCount());
    EXPECT_EQ(f.view.DefaultOrientation(), PageOrientation::Portrait);
    f.view.SetEvaluationMode(false);
    EXPECT_EQ(f.view.DefaultOrientation(), PageOrientation::Landscape);
}

}  // namespace
}  // namespace nivora

namespace nivora {
namespace {

TEST(GetMouseDm, ClicksBecomeStations) {
    test::ViewFixture f;
    f.Stretch(0, 9000, 100);
    f.view.SetStripsPerPage(2);
    f.Draw(1);  // strips at y -3000..-6200 and -9800..-13000, x 1100..26100
    const CGetMouseDm& reg = f.view.StripRegistry();
    struct Case {
        SurfacePoint at;
        std::optional<int32_t> station;
    };
    const Case cases[] = {
        {{1100, -3001}, 0},       // the left edge is inside
        {{1100, -3000}, {}},      // the top edge has the larger y: outside
        {{1100, -6200}, 0},       // the bottom edge has the smaller y: inside
        {{13600, -4000}, 500},    // the middle of the first strip
        {{13610, -4000}, 500},    // truncated to whole dm
        {{26100, -4000}, {}},     // the right edge is outside
        {{13600, -8000}, {}},     // in the gap between the strips
        {{13600, -10000}, 1500},  // the second strip
        {{500, -4000}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reg.HitTest(c.at), c.station) << c.at.x << "," << c.at.y;
    }
    test::ViewFixture d;
    d.Stretch(2000, 0, 100);
    d.Draw(1);
    EXPECT_EQ(d.view.StripRegistry().HitTest({13600, -1000}), 1500);  // descending
}

}  // namespace
}  // namespace nivora
