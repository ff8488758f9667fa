#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "view/Navigation.h"

namespace nivora {
namespace {

// 1:400 (100 m strips), three strips per page, from 0 m: page k holds
// 300 (k - 1) m to 300 k m; 10 strips make 4 pages, the last with one strip.
Paging TenStrips(int32_t firstPageStart = 0) {
    Paging p;
    p.stripLength = 1000;
    p.firstPageStart = firstPageStart;
    p.stripCount = 10;
    p.stripsPerPage = 3;
    p.pageCount = 4;
    return p;
}

TEST(Navigation, PageOfStation) {
    struct Case {
        bool ascending;
        int32_t firstPageStart, station;
        int page;
    };
    const Case cases[] = {
        {true, 0, 0, 1},          {true, 0, 1500, 1},       {true, 0, 3000, 1},  // end included
        {true, 0, 3001, 2},       {true, 0, 9500, 4},       {true, 0, -500, 1},  // before: page 1
        {true, 0, 999999, 4},     {true, 0, INT32_MIN, 1},  {true, 0, INT32_MAX, 4},
        {false, 10000, 10000, 1}, {false, 10000, 7000, 1},  {false, 10000, 6999, 2},
        {false, 10000, 500, 4},   {false, 10000, 12000, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PageOfStation(TenStrips(c.firstPageStart), c.ascending, c.station), c.page)
            << c.ascending << " " << c.station;
    }
    Paging none;
    EXPECT_EQ(PageOfStation(none, true, 100), 0);
}

TEST(Navigation, SpanOfPageEndsWithTheLastDrawnStrip) {
    const Paging p = TenStrips();
    EXPECT_EQ(SpanOfPage(p, true, 1).first, 0);
    EXPECT_EQ(SpanOfPage(p, true, 1).last, 3000);
    EXPECT_EQ(SpanOfPage(p, true, 4).first, 9000);
    EXPECT_EQ(SpanOfPage(p, true, 4).last, 10000);  // one strip on the last page
    const Paging d = TenStrips(10000);
    EXPECT_EQ(SpanOfPage(d, false, 2).first, 7000);
    EXPECT_EQ(SpanOfPage(d, false, 2).last, 4000);
}

TEST(Navigation, StationTexts) {
    struct Case {
        const char* text;
        std::optional<int32_t> dm;
    };
    const Case cases[] = {
        // Metres, as the readout writes them and with a decimal comma.
        {"1234.5", 12345},
        {"1234,5", 12345},
        {"  1234,5 m ", 12345},
        {"1234.5m", 12345},
        {"[ 1234.5 ]", 12345},
        {"1234", 12340},
        {"0", 0},
        {",5", 5},
        {"12,", 120},
        {"-5,5", -55},
        {"+7", 70},
        // Rounded to whole decimetres, halves away from zero.
        {"1234,56", 12346},
        {"1234,549", 12345},
        {"-0,05", -1},
        {"0,04", 0},
        // Kilometres with "km", as the evaluation pages write them.
        {"1,2345 km", 12345},
        {"1.2345km", 12345},
        {"Station 1,2345 km", 12345},
        {"12 KM", 120000},
        {"1,5 km", 15000},
        {"0,00005 km", 1},
        // Beyond 32 bits: held at the end of the range.
        {"99999999999999999999", INT32_MAX},
        {"-999999999 km", INT32_MIN},
        // No station.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"km", std::nullopt},
        {"1.234,5", std::nullopt},
        {"12a", std::nullopt},
        {"1e5", std::nullopt},
        {"5 mm", std::nullopt},
        {"- 5", std::nullopt},
        {"Station", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseStationText(c.text), c.dm) << '"' << c.text << '"';
}

std::vector<UEBERSCHREITUNG> Records(std::initializer_list<int32_t> stations) {
    std::vector<UEBERSCHREITUNG> out;
    for (int32_t s : stations) {
        UEBERSCHREITUNG e;
        e.station = s;
        out.push_back(e);
    }
    return out;
}

TEST(Navigation, StepExceedanceAcrossPagesInBothDirections) {
    // Pages: 500 and 2500 on page 1, none on page 2, 6500 on page 3, 9500 on page 4.
    const auto records = Records({500, 2500, 6500, 9500});
    const Paging p = TenStrips();
    struct Case {
        int page;
        std::optional<std::size_t> shown;
        bool forward;
        std::optional<std::size_t> next;
    };
    const Case cases[] = {
        {1, std::nullopt, true, 0},  // nothing shown: the first on the current page
        {1, 0, true, 1},
        {1, 1, true, 2},              // on to the next page that has one
        {2, std::nullopt, true, 2},   // from an empty page forward
        {2, std::nullopt, false, 1},  // and backward
        {4, 3, true, std::nullopt},   // none after the last
        {4, 3, false, 2},
        {3, 2, false, 1},
        {1, 0, false, std::nullopt},  // none before the first
        {3, 0, true, 2},              // the one shown lies on another page: from the current page
        {4, std::nullopt, false, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepExceedance(ExceedancePages(records, true, p), c.page, c.shown, c.forward),
                  c.next)
            << "page " << c.page << " forward " << c.forward;
    }
    EXPECT_EQ(StepExceedance({}, 1, std::nullopt, true), std::nullopt);
    // A descending run: records run from the high stations down.
    const auto down = Records({9500, 6500, 500});
    const Paging d = TenStrips(10000);
    EXPECT_EQ(StepExceedance(ExceedancePages(down, false, d), 1, std::nullopt, true), 0u);
    EXPECT_EQ(StepExceedance(ExceedancePages(down, false, d), 2, std::nullopt, true), 1u);
    EXPECT_EQ(StepExceedance(ExceedancePages(down, false, d), 4, std::nullopt, false), 2u);
}

}  // namespace
}  // namespace nivora
