#include <gtest/gtest.h>

#include "measurement/MessFahrtDaten.h"
#include "view/Paging.h"

namespace nivora {
namespace {

CMessFahrtDaten MakeRun(std::initializer_list<int32_t> stations) {
    CMessFahrtDaten run;
    for (int32_t s : stations) {
        MESSUNG m;
        m.station = s;
        run.MutableRaw().push_back(m);
    }
    run.ResetRange();
    run.SetRange(run.RangeStart(), run.RangeEnd());
    return run;
}

TEST(Paging, FirstPageStartsOnATenMetreMark) {
    struct Case {
        int32_t first, last, start;
    };
    const Case cases[] = {
        {123, 5000, 100},    {123, -5000, 200}, {-123, 5000, -200},
        {-123, -5000, -100}, {300, 5000, 300},  {300, 0, 300},
    };
    for (const auto& c : cases) {
        Paging p;
        ComputePages(MakeRun({c.first, c.last}), 400, p);
        EXPECT_EQ(p.firstPageStart, c.start) << c.first << " " << c.last;
    }
}

TEST(Paging, StripsAndPages) {
    Paging p;
    ComputePages(MakeRun({0, 1000}), 400, p);
    EXPECT_EQ(p.stripLength, 1000);
    EXPECT_EQ(p.stripCount, 2);
    EXPECT_EQ(p.pageCount, 1);
    EXPECT_EQ(PageCountFor(4, 3), 2);
    EXPECT_EQ(PageCountFor(6, 3), 2);
    EXPECT_EQ(PageCountFor(7, 3), 3);
    EXPECT_EQ(PageCountFor(4, 2), 2);
    EXPECT_EQ(PageCountFor(5, 2), 3);

    const int scales[] = {100, 200, 400, 1000, 2000, 5000};
    const int32_t lengths[] = {250, 500, 1000, 2500, 5000, 12500};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(StripLengthForScale(scales[i]), lengths[i]);

    // Every unsupported scale is paged at 400, as the strips are drawn.
    for (int bad : {3, 0, -400, 250, 500, 2000000000}) {
        ComputePages(MakeRun({0, 1000}), bad, p);
        EXPECT_EQ(p.scale, 400);
        EXPECT_EQ(p.stripLength, 1000);
        EXPECT_EQ(p.stripCount, 2);
    }
    ComputePages(MakeRun({0, 1000}), 5000, p);
    EXPECT_EQ(p.stripLength, 12500);
    EXPECT_EQ(p.stripCount, 1);

    Paging empty;
    empty.firstPageStart = 77;
    ComputePages(CMessFahrtDaten{}, 400, empty);
    EXPECT_EQ(empty.pageCount, 0);
    EXPECT_EQ(empty.firstPageStart, 77);
}

TEST(Paging, ZoomFactors) {
    EXPECT_EQ(ZoomFactor(-2), 5.0);
    EXPECT_EQ(ZoomFactor(4), 1.2);
    EXPECT_EQ(ZoomFactor(5), 1.0);
    EXPECT_EQ(ZoomFactor(9), 1.0);
    EXPECT_EQ(ZoomFactor(-3), 1.0);
}

}  // namespace
}  // namespace nivora
