#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "document/UeberschreitungsListe.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

using text::W;

const std::string kSep = "\xBF";

std::vector<int32_t> Stations(const UeberschreitungsListe& list) {
    std::vector<int32_t> s;
    for (const auto& r : list.Records()) s.push_back(r.station);
    return s;
}

TEST(UeberschreitungsListe, DecodesTheFieldsOfARecord) {
    UeberschreitungsListe list;
    list.DecodeRecords("[1000;52;5;7;3;1;;12.3;;]");
    ASSERT_EQ(list.GetCount(), 1);
    UEBERSCHREITUNG r;
    ASSERT_TRUE(list.GetAt(0, r));
    EXPECT_EQ(r.station, 1000);
    EXPECT_EQ(r.value, 52);
    EXPECT_EQ(r.p, 5);
    EXPECT_EQ(r.pSquared, 25);
    EXPECT_TRUE(r.counted);
    EXPECT_DOUBLE_EQ(r.speed, 12.3);
    // The stored number and page are not read: the number comes from sorting.
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(r.page, UEBERSCHREITUNG::kNotDrawn);
}

TEST(UeberschreitungsListe, FieldReadingTable) {
    struct Case {
        const char* group;
        int32_t station, value, p, pSquared;
        bool counted;
        double speed;
    };
    const Case cases[] = {
        {"[10;1;3;0;0;0;;1.0;;]", 10, 1, 3, 9, false, 1.0},      // "0": not counted
        {"[10;1;-2;0;0;00;;1.0;;]", 10, 1, -2, 4, true, 1.0},    // "00" counts
        {"[10;1;2;0;0;;;1.0;;]", 10, 1, 2, 4, true, 1.0},        // empty counts
        {"[10;1;2]", 10, 1, 2, 4, true, 0.0},                    // missing fields
        {"[abc;x;;0;0;0 ;;-1.0;;]", 0, 0, 0, 0, true, -1.0},     // malformed numbers, "0 "
        {"[ -25x;+7;4;;;;;40,5;;]", -25, 7, 4, 16, true, 40.5},  // strtol prefix, comma
        {"[99999999999;-99999999999;100000;;;1;;0;;]", INT_MAX, INT_MIN, 100000, INT_MAX, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        UeberschreitungsListe list;
        list.DecodeRecords(c.group);
        UEBERSCHREITUNG r;
        ASSERT_TRUE(list.GetAt(0, r));
        EXPECT_EQ(r.station, c.station);
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.p, c.p);
        EXPECT_EQ(r.pSquared, c.pSquared);
        EXPECT_EQ(r.counted, c.counted);
        EXPECT_DOUBLE_EQ(r.speed, c.speed);
    }
}

TEST(UeberschreitungsListe, BracketListRules) {
    struct Case {
        const char* text;
        std::vector<int32_t> stations;  // in file order (ascending input)
    };
    const Case cases[] = {
        {"", {}},
        {"[1;1;1][2;1;1]", {1, 2}},
        {"x[1;1;1] junk [2;1;1]tail", {1, 2}},
        {"[1;1;1][][3;1;1]", {1}},  // an empty group ends the list
        {"[1;1;1][2;1;1", {1}},     // an unclosed group ends the list
        {"[5[6;1;1]", {5, 6}},      // the next "[" is searched inside the group
        {"]]][7;1;1]", {7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        UeberschreitungsListe list;
        list.DecodeRecords(c.text);
        EXPECT_EQ(Stations(list), c.stations);
    }
}

TEST(UeberschreitungsListe, SortsInTheDirectionOfTravelAndNumbers) {
    const std::string records = "[500;1;1;;;1;;0;;][100;2;2;;;1;;0;;][500;3;3;;;1;;0;;]";
    UeberschreitungsListe descending;
    descending.SetAscending(false);
    descending.DecodeRecords(records);
    EXPECT_EQ(Stations(descending), (std::vector<int32_t>{500, 500, 100}));

    UeberschreitungsListe ascending;
    ascending.DecodeRecords(records);
    EXPECT_EQ(Stations(ascending), (std::vector<int32_t>{100, 500, 500}));
    // Equal stations keep their file order.
    std::vector<int32_t> values, numbers;
    for (const auto& r : ascending.Records()) {
        values.push_back(r.value);
        numbers.push_back(r.number);
    }
    EXPECT_EQ(values, (std::vector<int32_t>{2, 1, 3}));
    EXPECT_EQ(numbers, (std::vector<int32_t>{1, 2, 3}));

    // A changed direction sorts again.
    ascending.SetAscending(false);
    EXPECT_EQ(Stations(ascending), (std::vector<int32_t>{500, 500, 100}));
    EXPECT_EQ(ascending.Records()[2].number, 3);
}

TEST(UeberschreitungsListe, GetAtOutOfRangeAndSetPage) {
    UeberschreitungsListe list;
    list.DecodeRecords("[300;1;2;;;1;;5.0;;][100;1;3;;;1;;6.0;;]");
    UEBERSCHREITUNG r;
    r.station = 7;
    r.page = 4;
    EXPECT_FALSE(list.GetAt(2, r));
    EXPECT_EQ(r.station, 0);
    EXPECT_EQ(r.page, 0);
    EXPECT_EQ(r.speed, 0.0);
    EXPECT_FALSE(list.GetAt(-1, r));

    // SetPage addresses the record of the sorted order, as GetAt does.
    list.SetPage(0, 3);
    list.SetPage(5, 9);  // ignored
    ASSERT_TRUE(list.GetAt(0, r));
    EXPECT_EQ(r.station, 100);
    EXPECT_EQ(r.page, 3);
    ASSERT_TRUE(list.GetAt(1, r));
    EXPECT_EQ(r.page, UEBERSCHREITUNG::kNotDrawn);
}

TEST(UeberschreitungsListe, RemarksAndDiagramLabels) {
    UeberschreitungsListe list;
    list.DecodeRemarks("[100" + kSep + "Riss{{CRLF}}zweite Zeile" + kSep + "1]" + "[200" + kSep +
                       W("Querfuge an der Brücke") + kSep + "1]" + "[300" + kSep + "Riss" + kSep +
                       "0]" + "[400]" + "[0012" + kSep + "Alt" + kSep + "1]" + "[500" + kSep +
                       "erst" + kSep + "1][500" + kSep + "dann" + kSep + "1]" + "[600" + kSep +
                       "ohne Flag]" + "[700" + kSep + "Flag 1 mit Rest" + kSep + "1" + kSep + "x]");
    struct Case {
        const char* key;
        std::string entry, label;
    };
    const Case cases[] = {
        {"100", "Riss{{CRLF}}zweite Zeile" + kSep + "1", "Riss"},
        {"200", W("Querfuge an der Brücke") + kSep + "1", "Querfuge an der"},
        {"300", "Riss" + kSep + "0", ""},
        {"400", kSep, ""},  // a group with only a station
        {"12", "", ""},     // stored as "0012": never found by the station text
        {"0012", "Alt" + kSep + "1", "Alt"},
        {"500", "dann" + kSep + "1", "dann"},  // a later group replaces an earlier one
        {"600", "ohne Flag" + kSep, ""},
        {"700", "Flag 1 mit Rest" + kSep + "1", "Flag 1 mit Rest"},
        {"999", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(list.GetRemarkEntry(c.key), c.entry);
        EXPECT_EQ(list.GetDiagramLabel(c.key), c.label);
    }
}

TEST(UeberschreitungsListe, CurrencyFromParameters) {
    UeberschreitungsListe list;
    list.SetParameters("", 0);
    EXPECT_EQ(list.GetParameters(), "0.0;1.0;0.60;;;EUR;;;;;;;;;;;;");
    EXPECT_EQ(list.GetCurrency(), "EUR");
    list.SetParameters("", 1);
    EXPECT_EQ(list.GetParameters(), "0.0;1.0;0.60;;;CHF;;;;;;;;;;;;");
    EXPECT_EQ(list.GetCurrency(), "CHF");
    list.SetParameters("", 2);
    EXPECT_EQ(list.GetCurrency(), "EUR");
    list.SetParameters("1;2;3;4;5;SFr;7", 1);
    EXPECT_EQ(list.GetCurrency(), "SFr");
    list.SetParameters("1;2;3", 1);
    EXPECT_EQ(list.GetCurrency(), "");
}

TEST(UeberschreitungsListe, ReportLinesInStationOrder) {
    UeberschreitungsListe list;
    list.Load(true, "[3000;45;3;2;1;0;;40.0;;][1000;55;5;1;1;1;;12.3;;][2000;44;1;;;1;;-1.0;;]", "",
              "[2000" + kSep + "Riss{{CRLF}}tief" + kSep + "1]", 0);
    std::vector<std::string> lines{"vorher"};
    list.AppendReportLines(lines);
    const std::vector<std::string> expected{
        "vorher",
        "<<<1000|5|25||1||12.3>>>",
        "<<<2000|1|1|Riss{{CRLF}}tief" + kSep + "1|1||-1.0>>>",
        "<<<3000|3|9||0||40.0>>>",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(list.GetCurrency(), "EUR");
}

TEST(UeberschreitungsListe, LoadReplacesEverything) {
    UeberschreitungsListe list;
    list.Load(true, "[1;1;1]", "a;b;c;d;e;X", "[1" + kSep + "r" + kSep + "1]", 0);
    list.Load(false, "[2;1;1][3;1;1]", "", "", 1);
    EXPECT_FALSE(list.IsAscending());
    EXPECT_EQ(Stations(list), (std::vector<int32_t>{3, 2}));
    EXPECT_EQ(list.GetRemarkEntry("1"), "");
    EXPECT_EQ(list.GetCurrency(), "CHF");
}

TEST(UeberschreitungsListe, ManyGroupsStayFast) {
    std::string records, remarks;
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        const int station = (i * 7919) % n;  // shuffled
        records += "[" + std::to_string(station) + ";50;4;0;0;1;;30.0;;]";
        remarks += "[" + std::to_string(station) + kSep + "Bemerkung" + kSep + "1]";
    }
    UeberschreitungsListe list;
    list.Load(false, records, "", remarks, 0);
    ASSERT_EQ(list.GetCount(), n);
    UEBERSCHREITUNG r;
    ASSERT_TRUE(list.GetAt(0, r));
    EXPECT_EQ(r.station, n - 1);
    ASSERT_TRUE(list.GetAt(n - 1, r));
    EXPECT_EQ(r.station, 0);
    EXPECT_EQ(r.number, n);
    std::vector<std::string> lines;
    list.AppendReportLines(lines);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(lines.back(), "<<<0|4|16|Bemerkung" + kSep + "1|1||30.0>>>");
}

TEST(UeberschreitungsListe, NestedBracketsStayLinear) {
    // Every "[" starts a group that runs to the single "]" at the end.
    const int n = 100000;
    std::string records(n, '[');
    records += "1;2;3;4;5;6;7;" + std::string(n, '9') + "]";
    std::string remarks(n, '[');
    remarks += "1" + kSep + std::string(n, 'x') + kSep + "1]";

    UeberschreitungsListe list;
    list.Load(true, records, "", remarks, 0);
    EXPECT_EQ(list.GetCount(), n);
    // The innermost group holds the only remark key without "[".
    EXPECT_EQ(list.GetRemarkEntry("1"), std::string(n, 'x') + kSep + "1");
    EXPECT_EQ(list.GetDiagramLabel("1"), std::string(15, 'x'));
}

}  // namespace
}  // namespace nivora
