#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "core/TestSupport.h"
#include "core/view/TestDocuments.h"
#include "platform/TextTable.h"
#include "view/PlotPageFrame.h"
#include "view/RecordingSurface.h"

namespace nivora {
namespace {

using Op = RecordingSurface::Op;

constexpr SurfaceRect kPage{0, 0, 28000, -19000};  // landscape sheet
constexpr CivilDate kToday{2026, 3, 7};
constexpr int32_t kY0 = kPage.bottom + 2200;  // first row of the header data
const std::string kPath = "C:\\Messungen\\lauf.txt";
const std::string kStatePath = kPath + ".zi4";
int32_t Row(int k) { return kY0 - 370 * k; }

// A text as drawn: where, what, in which font.
struct Drawn {
    int32_t x, y;
    std::string text;
    std::string face;
    int32_t height;
    bool italic;
    bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& d, std::ostream* os) {
    *os << "{" << d.x << ", " << d.y << ", \"" << d.text << "\", " << d.face << " " << d.height
        << (d.italic ? " italic" : "") << "}";
}

std::vector<Drawn> TextsOf(const RecordingSurface& s) {
    std::vector<Drawn> out;
    for (const auto& r : s.Of(Op::Text))
        out.push_back({r.points[0].x, r.points[0].y, r.text, r.state.font.face, r.state.font.height,
                       r.state.font.italic});
    return out;
}

// The texts of the header data block: everything at or below its first row.
std::vector<Drawn> HeaderDataOf(const RecordingSurface& s) {
    std::vector<Drawn> out;
    for (const auto& d : TextsOf(s))
        if (d.y <= kY0) out.push_back(d);
    return out;
}

class PlotPageFrameTest : public ::testing::Test {
  protected:
    // Opens a run with a state file; fails the test on any message.
    CNivoraDoc& Open(const std::string& bytes, const std::string& state,
                     const std::string& path = kPath) {
        docs.push_back(std::make_unique<CNivoraDoc>());
        EXPECT_TRUE(test::OpenDocument(*docs.back(), bytes, path, state, messages));
        EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
        return *docs.back();
    }
    RecordingSurface Frame(const CNivoraDoc& doc, int page = 1, int pageCount = 1) {
        RecordingSurface s;
        DrawPageFrame(s, page, pageCount, kPage, doc, texts, kToday);
        return s;
    }

    CTextTabelle texts;
    test::RecordingMessageSink messages;
    std::vector<std::unique_ptr<CNivoraDoc>> docs;
};

Drawn Label(int32_t x, int32_t y, std::string t) {
    return {x, y, std::move(t), "Arial", 350, false};
}
Drawn Value(int32_t x, int32_t y, std::string t) {
    return {x, y, std::move(t), "Courier New", 350, true};
}

bool SameState(const RecordingSurface::State& a, const RecordingSurface::State& b) {
    return a.pen == b.pen && a.brush == b.brush && a.font == b.font &&
           a.textColour == b.textColour && a.backgroundColour == b.backgroundColour &&
           a.backgroundMode == b.backgroundMode && a.hAlign == b.hAlign && a.vAlign == b.vAlign &&
           a.origin == b.origin;
}

TEST(PlotPageFrameNotice, FiveLinesInTheirFontsFromTheRectangle) {
    const auto lines = NoticeLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(lines[0].find("Nivora 4"), std::string::npos);
    EXPECT_EQ(lines[1], "Morlant GmbH");
    EXPECT_NE(lines[2].find("Tel."), std::string::npos);
    EXPECT_NE(lines[2].find("Fax"), std::string::npos);
    EXPECT_NE(lines[3].find("info@morlant.de"), std::string::npos);
    EXPECT_EQ(lines[4], "www.morlant.de");

    RecordingSurface s;
    const auto before = s.Current();
    DrawNoticeBlock(s, {800, -300, 20000, -3500});
    EXPECT_EQ(TextsOf(s), (std::vector<Drawn>{{2300, -300, lines[0], "Arial", 350, true},
                                              {2300, -800, lines[1], "Arial", 450, false},
                                              {2300, -1400, lines[2], "Arial", 350, false},
                                              {2300, -1780, lines[3], "Arial", 350, false},
                                              {2300, -2160, lines[4], "Arial", 350, false}}));
    for (const auto& r : s.Of(Op::Text)) {
        EXPECT_EQ(r.state.hAlign, HAlign::Left);
        EXPECT_EQ(r.state.vAlign, VAlign::Top);
        EXPECT_EQ(r.state.backgroundMode, BackgroundMode::Transparent);
        EXPECT_EQ(r.state.textColour, 0u);
        EXPECT_EQ(r.state.font.weight, 400);
        EXPECT_EQ(r.state.font.escapement, 1);
        EXPECT_EQ(r.state.font.orientation, 1);
    }
    EXPECT_EQ(s.SavedDepth(), 0u);
    EXPECT_TRUE(SameState(s.Current(), before));
}

TEST_F(PlotPageFrameTest, HeadlineAndTheThreeLinesCentredInTheHeaderBox) {
    const auto& doc =
        Open(test::FourFieldRun(),
             "UBERSCHRIFT_ZEILE_1=B 27 Ortsumfahrung\nUBERSCHRIFT_ZEILE_2=Fahrstreifen "
             "1\nUBERSCHRIFT_ZEILE_3=Abnahme Stra\xDF"
             "e\n");
    const auto s = Frame(doc);
    std::vector<Drawn> centred;
    for (const auto& r : s.Of(Op::Text)) {
        if (r.state.hAlign != HAlign::Centre) continue;
        EXPECT_EQ(r.state.vAlign, VAlign::Top);
        centred.push_back({r.points[0].x, r.points[0].y, r.text, r.state.font.face,
                           r.state.font.height, r.state.font.italic});
    }
    EXPECT_EQ(centred,
              (std::vector<Drawn>{{21000, -1600, "Diagramm der Ebenheitsmessung mit dem Rollstab",
                                   "Arial", 520, false},
                                  {21000, -2300, "B 27 Ortsumfahrung", "Arial", 420, false},
                                  // a line below the other in the 420 font
                                  {21000, -2720, "Fahrstreifen 1", "Arial", 420, false},
                                  {21000, -3140,
                                   "Abnahme Stra\xDF"
                                   "e",
                                   "Arial", 420, false}}));

    // Missing lines print nothing; the headline stays.
    const auto plain = Frame(Open(test::FourFieldRun(), "UBERSCHRIFT_ZEILE_2=nur zwei\n"));
    std::vector<std::string> plainCentred;
    for (const auto& r : plain.Of(Op::Text))
        if (r.state.hAlign == HAlign::Centre)
            plainCentred.push_back(std::to_string(r.points[0].y) + " " + r.text);
    EXPECT_EQ(plainCentred,
              (std::vector<std::string>{"-1600 Diagramm der Ebenheitsmessung mit dem Rollstab",
                                        "-2720 nur zwei"}));
}

TEST_F(PlotPageFrameTest, HeaderDataOnPageOneOrEveryPageByTheRunsSetting) {
    const std::string notice = NoticeLines()[0];
    const std::string headline = texts.GetText("PLOTPAGE_HEADLINE");
    struct Case {
        const char* state;
        int page;
        bool headerData;
    };
    for (const Case c : {Case{"", 1, true}, Case{"", 2, false}, Case{"", 3, false},
                         Case{"Druck_MetadatenAufFolgeseiten=1\n", 1, true},
                         Case{"Druck_MetadatenAufFolgeseiten=1\n", 3, true},
                         Case{"Druck_MetadatenAufFolgeseiten=2\n", 2, false}}) {
        SCOPED_TRACE(std::string(c.state) + " page " + std::to_string(c.page));
        const auto s = Frame(Open(test::FourFieldRun(), c.state), c.page, 3);
        const auto all = s.Texts();
        EXPECT_NE(std::find(all.begin(), all.end(), notice), all.end());
        EXPECT_NE(std::find(all.begin(), all.end(), headline), all.end());
        EXPECT_NE(std::find(all.begin(), all.end(), "Anlage 2." + std::to_string(c.page)),
                  all.end());
        EXPECT_EQ(!HeaderDataOf(s).empty(), c.headerData);
    }
}

TEST_F(PlotPageFrameTest, VariantByFormatCode) {
    struct Case {
        std::string run;
        int code;
        std::optional<Drawn> first;  // the first text of the header data
    };
    const std::vector<Case> cases = {
        {test::PrintoutRun(), 1, Label(400, kY0, "Messungs-Nr. :")},
        {test::FourFieldRun(), 3, Label(5000, kY0, "Kopfdaten:")},
        {test::FiveFieldRun(), 7, Label(5000, kY0, "Kopfdaten:")},
        {test::Pm02Run(), 1002, Label(400, kY0, "Messung vom :")},
        {test::DatumListRun(), 1003, Label(400, kY0, "Datum:")},
        {test::LimitListRun(), 5, Label(4400, kY0, "Grenzwert :")},
        {test::RecordListRun(), 4, std::nullopt},
        {test::StreetListRun(), 6, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const auto& doc = Open(c.run, "");
        ASSERT_EQ(doc.Run().formatCode, c.code);
        const auto data = HeaderDataOf(Frame(doc));
        if (!c.first) {
            EXPECT_TRUE(data.empty());
        } else {
            ASSERT_FALSE(data.empty());
            EXPECT_EQ(data.front(), *c.first);
        }
    }
}

TEST_F(PlotPageFrameTest, VariantAPrintoutFields) {
    const auto& doc =
        Open(test::PrintoutRun(), "ABSCHNITTE=[3400|350|40|10|||1||||]\nMASSSTAB_DER_LAENGE=250\n");
    EXPECT_EQ(HeaderDataOf(Frame(doc)), (std::vector<Drawn>{
                                            Label(400, Row(0), "Messungs-Nr. :"),
                                            Label(400, Row(1), "Messung vom :"),
                                            Label(400, Row(2), "Dienststelle :"),
                                            Label(400, Row(3), "Abteilung :"),
                                            Label(400, Row(4),
                                                  "Pr\xFC"
                                                  "fer :"),
                                            Value(2800, Row(0), "17"),
                                            Value(2800, Row(1), "14.03.2026"),
                                            Value(2800, Row(2), "SBA Rottweil"),
                                            Value(2800, Row(3), "Bau"),
                                            Value(2800, Row(4), "Meier"),
                                            Label(11200, Row(0), "Str.-Typ :"),
                                            Label(11200, Row(1), "Str.-Nr. :"),
                                            Label(11200, Row(2), "Grenzwert :"),
                                            Label(11200, Row(3),
                                                  "Ma\xDF"
                                                  "stab H\xF6he :"),
                                            Label(11200, Row(4),
                                                  "Ma\xDF"
                                                  "stab L\xE4nge :"),
                                            Value(13800, Row(0), "B"),
                                            Value(13800, Row(1), "31"),
                                            Value(13800, Row(2), "4"),
                                            Value(13800, Row(3), "1:1"),
                                            // 250 is replaced at opening
                                            Value(13800, Row(4), "1:400"),
                                            Label(17600, Row(0), "Bearbeitungsstand :"),
                                            Label(17600, Row(1), "Dateien :"),
                                            Value(20600, Row(0), "07.03.2026"),
                                            Value(20600, Row(1), kPath),
                                            Value(20600, Row(2), kStatePath),
                                        }));
}

TEST_F(PlotPageFrameTest, VariantBHeaderTextOfTheList) {
    const auto& doc =
        Open(test::FourFieldRun(), "ABSCHNITTE=[0|350|40|10|||1||||][500|350|45|10|||1||||]\n");
    EXPECT_EQ(HeaderDataOf(Frame(doc)),
              (std::vector<Drawn>{
                  Label(5000, Row(0), "Kopfdaten:"),
                  Value(7400, Row(0), "14.03.2026 09:30:15 Messung, B 14"),
                  Label(5000, Row(3), "Grenzwerte:"),
                  Value(7400, Row(3), "4;4.5"),
                  Label(11200, Row(3),
                        "Ma\xDF"
                        "stab H\xF6he:"),
                  Label(11200, Row(4),
                        "Ma\xDF"
                        "stab L\xE4nge:"),
                  Value(13800, Row(3), "1:1"),
                  Value(13800, Row(4), "1:400"),
                  Label(17600, Row(3), "Dateien:"),
                  Value(20600, Row(3), kPath),
                  Value(20600, Row(4), kStatePath),
              }));
}

TEST_F(PlotPageFrameTest, VariantCWithTextTableLabels) {
    const auto& doc = Open(test::Pm02Run(),
                           "ABSCHNITTE=[0|350|40|10|||1||||]\nKOPFDATEN=14.05.2024\xBFSBA "
                           "Rottweil\xBF"
                           "Bau\xBFMeier\xBF"
                           "B\xBF"
                           "27\xBF\n");
    EXPECT_EQ(HeaderDataOf(Frame(doc)), (std::vector<Drawn>{
                                            Label(400, Row(0), "Messung vom :"),
                                            Value(3000, Row(0), "14.05.2024"),
                                            Label(400, Row(1), "Dienststelle :"),
                                            Value(3000, Row(1), "SBA Rottweil"),
                                            Label(400, Row(2), "Abteilung :"),
                                            Value(3000, Row(2), "Bau"),
                                            Label(400, Row(3),
                                                  "Pr\xFC"
                                                  "fer :"),
                                            Value(3000, Row(3), "Meier"),
                                            Label(11000, Row(0), "Str.-Typ :"),
                                            Value(13600, Row(0), "B"),
                                            Label(11000, Row(1), "Str.-Nr. :"),
                                            Value(13600, Row(1), "27"),
                                            Label(11000, Row(2), "Grenzwert :"),
                                            Label(11000, Row(3),
                                                  "Ma\xDF"
                                                  "stab H\xF6he :"),
                                            Label(11000, Row(4),
                                                  "Ma\xDF"
                                                  "stab L\xE4nge :"),
                                            Value(13600, Row(2), "4"),
                                            Value(13600, Row(3), "1:1"),
                                            Value(13600, Row(4), "1:400"),
                                            Label(17800, Row(0), "Bearbeitungsstand :"),
                                            Label(17800, Row(1), "Dateien :"),
                                            Value(20800, Row(0), "07.03.2026"),
                                            Value(20800, Row(1), kPath),
                                            Value(20800, Row(2), kStatePath),
                                        }));
}

TEST_F(PlotPageFrameTest, VariantCLabelledEntriesPrintTheirOwnLabels) {
    // The "Datum:" list's entries carry labels; the text table's are not used.
    const auto data = HeaderDataOf(Frame(Open(test::DatumListRun(), "")));
    const std::vector<Drawn> pairs(data.begin(), data.begin() + 6);
    EXPECT_EQ(pairs, (std::vector<Drawn>{
                         Label(400, Row(0), "Datum:"),
                         Value(3000, Row(0), "14.05.2024 09:12:33"),
                         Label(400, Row(1), "Pruefer:"),
                         Value(3000, Row(1), "Haag"),
                         Label(400, Row(2), "Strasse:"),
                         Value(3000, Row(2), "K 7031"),
                     }));
    EXPECT_EQ(data[6], Label(11000, Row(2), "Grenzwert :"));  // entries 4 and 5 are empty
    for (const auto& d : data) EXPECT_NE(d.text, "Messung vom :");
}

TEST_F(PlotPageFrameTest, VariantDLimitList) {
    const auto& doc = Open(test::LimitListRun(), "ABSCHNITTE=[100|0|45|10|||1||||]\n");
    EXPECT_EQ(HeaderDataOf(Frame(doc)), (std::vector<Drawn>{
                                            Label(4400, Row(0), "Grenzwert :"),
                                            Label(4400, Row(1),
                                                  "Ma\xDF"
                                                  "stab H\xF6he :"),
                                            Label(4400, Row(2),
                                                  "Ma\xDF"
                                                  "stab L\xE4nge :"),
                                            Value(7800, Row(0), "4.5"),
                                            Value(7800, Row(1), "1:1"),
                                            Value(7800, Row(2), "1:400"),
                                            Label(13300, Row(0), "Bearbeitungsstand :"),
                                            Label(13300, Row(1), "Dateien :"),
                                            Value(16900, Row(0), "07.03.2026"),
                                            Value(16900, Row(1), kPath),
                                            Value(16900, Row(2), kStatePath),
                                        }));
}

TEST_F(PlotPageFrameTest, LimitListAndItsLabel) {
    struct Case {
        const char* sections;
        const char* text;
        int count;
        const char* label;  // of the list variant
    };
    for (const Case& c : {
             Case{"[0|350|40|10|||1||||]", "4", 1, "Grenzwert:"},
             Case{"[0|350|40|10|||1||||][500|350|45|10|||1||||][800|350|50|10|||0||||]", "4;4.5;-",
                  3, "Grenzwerte:"},
             Case{"[0|350|40|10|||0||||][500|350|45|10|||1||||]", "-;4.5", 2, "Grenzwerte:"},
             Case{"[0|350|100|10|||1||||][500|350|5|10|||1||||]", "10;0.5", 2, "Grenzwerte:"},
         }) {
        SCOPED_TRACE(c.sections);
        const auto& doc = Open(test::FourFieldRun(), std::string("ABSCHNITTE=") + c.sections);
        const LimitList list = BuildLimitList(doc);
        EXPECT_EQ(list.text, c.text);
        EXPECT_EQ(list.sectionCount, c.count);
        const auto data = HeaderDataOf(Frame(doc));
        EXPECT_NE(std::find(data.begin(), data.end(), Label(5000, Row(3), c.label)), data.end());
        EXPECT_NE(std::find(data.begin(), data.end(), Value(7400, Row(3), c.text)), data.end());
    }
}

TEST_F(PlotPageFrameTest, EnclosureLabelUprightWithThePageNumberOfALongerJob) {
    const auto& doc = Open(test::FourFieldRun(), "ANLAGENNUMMER_DIAGRAMMSEITEN=4\n");
    auto enclosure = [](const RecordingSurface& s) {
        std::vector<std::string> out;
        for (const auto& r : s.Of(Op::Text)) {
            if (r.state.font.escapement != 900) continue;
            EXPECT_EQ(r.points[0], (SurfacePoint{27500, -16200}));
            EXPECT_EQ(r.state.font, (FontSpec{"Arial", 400, 400, false, 900, 900}));
            EXPECT_EQ(r.state.hAlign, HAlign::Right);
            EXPECT_EQ(r.state.vAlign, VAlign::Bottom);
            out.push_back(r.text);
        }
        return out;
    };
    EXPECT_EQ(enclosure(Frame(doc, 1, 1)), (std::vector<std::string>{"Anlage 4"}));
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(enclosure(Frame(doc, page, 3)),
                  (std::vector<std::string>{"Anlage 4." + std::to_string(page)}));
    CTextTabelle english;
    english.LoadLanguageText(CTextTabelle::BuiltInText());
    EXPECT_EQ(EnclosureLabel(english, "12", 2, 5), "Enclosure 12.2");
}

TEST_F(PlotPageFrameTest, StateRestoredAfterEachElement) {
    const auto& doc = Open(test::PrintoutRun(), "UBERSCHRIFT_ZEILE_1=Kopf\n");
    RecordingSurface s;
    s.SelectPen({false, 25, 0x0000FF});
    s.SelectFont({"Times New Roman", 300, 700, false, 0, 0});
    s.SetTextAlign(HAlign::Right, VAlign::Baseline);
    s.SetBackgroundMode(BackgroundMode::Opaque);
    const auto before = s.Current();
    const std::size_t first = s.Records().size();
    DrawPageFrame(s, 1, 2, kPage, doc, texts, kToday);
    EXPECT_EQ(s.SavedDepth(), 0u);
    EXPECT_TRUE(SameState(s.Current(), before));
    int depth = 0, elements = 0;
    for (std::size_t i = first; i < s.Records().size(); ++i) {
        const auto& r = s.Records()[i];
        if (r.op == Op::SaveState) ++depth, ++elements;
        if (r.op == Op::RestoreState) {
            --depth;
            EXPECT_TRUE(SameState(r.state, before));
        }
        if (r.op == Op::Text) {
            EXPECT_EQ(depth, 1) << r.text;
            EXPECT_EQ(r.state.backgroundMode, BackgroundMode::Transparent) << r.text;
            EXPECT_EQ(r.state.font.weight, 400) << r.text;
            if (r.state.font.escapement != 900) {
                EXPECT_EQ(r.state.font.escapement, 1) << r.text;
                EXPECT_EQ(r.state.font.orientation, 1) << r.text;
            }
        }
    }
    EXPECT_EQ(elements, 4);  // notice, headline, header data, enclosure label
}

TEST(PlotPageFrameText, PrintDate) {
    EXPECT_EQ(FormatPrintDate({2026, 3, 7}), "07.03.2026");
    EXPECT_EQ(FormatPrintDate({1999, 12, 31}), "31.12.1999");
}

TEST(PlotPageFrameText, FittingIntoAWidth) {
    // The recording surface measures 210 per character at height 350.
    struct Case {
        const char* text;
        int32_t width;
        const char* end;
        const char* start;
    };
    for (const Case& c : {
             Case{"kurz", 2100, "kurz", "kurz"},
             Case{"abcdefghij", 2100, "abcdefghij", "abcdefghij"},  // exactly fits
             Case{"abcdefghijk", 2100, "abcdefg...", "...efghijk"},
             Case{"abcdef ghijkl", 2100, "abcdef...", "...ghijkl"},  // no blank before "..."
             Case{"abcdefghijk", 0, "abcdefghijk", "abcdefghijk"},   // nothing to fit into
             Case{"abcdefghijk", 630, "...", "..."},
             Case{"abcdefghijk", 400, "", ""},
         }) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.width));
        RecordingSurface s;
        s.SelectFont({"Courier New", 350, 400, true, 1, 1});
        EXPECT_EQ(FitTextEnd(s, c.text, c.width), c.end);
        EXPECT_EQ(FitTextStart(s, c.text, c.width), c.start);
    }
}

TEST_F(PlotPageFrameTest, ALongValueIsCutBeforeTheNextLabelInEveryVariant) {
    const std::string lang(3000, 'W');
    // Forty evaluated sections from a station on: a long limit list.
    auto sections = [](int from) {
        std::string s = "ABSCHNITTE=";
        for (int i = 0; i < 40; ++i) s += "[" + std::to_string(from + i) + "|350|45|10|||1||||]";
        return s + "\n";
    };
    struct Case {
        std::string run, state;
        int32_t valueX, nextLabelX;
    };
    std::string printout = test::PrintoutRun();
    // The printout's head lines are short; a long office still fits in one.
    printout.replace(printout.find("SBA Rottweil"), 12, std::string(120, 'W'));
    const std::vector<Case> cases = {
        {printout, "", 2800, 11200},  // variant A: the office before "Str.-Typ :"
        {test::FourFieldRun(), sections(0), 7400, 11200},  // variant B: the limit list
        {test::Pm02Run(), "KOPFDATEN=" + lang + "\xBF" + lang + "\xBF\n", 3000,
         11000},                                             // C: pair 0
        {test::LimitListRun(), sections(100), 7800, 13300},  // variant D: the limit list
    };
    for (const Case& c : cases) {
        const auto data = HeaderDataOf(Frame(Open(c.run, c.state)));
        const Drawn* cut = nullptr;
        for (const auto& d : data)
            if (d.x == c.valueX && d.text.size() > 3 && d.text.ends_with("...")) cut = &d;
        ASSERT_NE(cut, nullptr) << c.valueX;
        const int32_t end = cut->x + RecordingSurface::TextSize(cut->text.size(), 350).cx;
        EXPECT_LE(end, c.nextLabelX - 100) << cut->text;
        // As long as fits: one more character would not.
        EXPECT_GT(end + RecordingSurface::TextSize(1, 350).cx, c.nextLabelX - 100) << cut->text;
    }
}

TEST_F(PlotPageFrameTest, LongTextsStayOnTheSheet) {
    const std::string longPath =
        "C:\\Messungen\\2024\\Bundesstrasse 27\\Ortsumfahrung Horb\\Fahrstreifen 1\\lauf.txt";
    const auto& doc = Open(test::PrintoutRun(), "", longPath);
    const auto data = HeaderDataOf(Frame(doc));
    const Drawn& path = data[data.size() - 2];
    const Drawn& state = data.back();
    ASSERT_EQ(path.y, Row(1));
    for (const Drawn* d : {&path, &state}) {
        EXPECT_EQ(d->text.rfind("...", 0), 0u) << d->text;
        // 2 mm before the upright enclosure label (400 high, 5 mm from the edge).
        EXPECT_LE(d->x + RecordingSurface::TextSize(d->text.size(), 350).cx,
                  kPage.right - 500 - 400 - 200);
    }
    // As much of the end as fits, "..." included; no blank after it.
    EXPECT_EQ(path.text, "...orb\\Fahrstreifen 1\\lauf.txt");
    EXPECT_EQ(state.text, "...Fahrstreifen 1\\lauf.txt.zi4");

    // The list's header text goes on over the free rows, broken after ", ".
    std::string run = "14.03.2026 09:30:15 Messung fuer die Abnahme\r\n";
    for (const char* head :
         {"Bundesstrasse 27 Ortsumfahrung Horb am Neckar", "Fahrstreifen 1",
          "Bauabschnitt Nord zwischen Anschlussstelle und Kreuzung", "Deckschicht AC 11 D S",
          "Messung im Auftrag des Landkreises Freudenstadt, Bauleitung Ingenieurbuero Schmid"})
        run += std::string(head) + "\r\n";
    for (int i = 0; i < 5; ++i) run += std::to_string(i * 10) + ";1,0;0;\r\n";
    const auto list = HeaderDataOf(Frame(Open(run, "")));
    std::vector<Drawn> header;
    for (const auto& d : list)
        if (d.x == 7400 && d.y > Row(3)) header.push_back(d);
    ASSERT_EQ(header.size(), 3u);
    // The rows end 2 mm before the enclosure label, like the paths.
    const int32_t room = kPage.right - 500 - 400 - 200 - 7400;
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(header[k].y, Row(k));
        EXPECT_LE(RecordingSurface::TextSize(header[k].text.size(), 350).cx, room);
    }
    EXPECT_EQ(header[0].text, "14.03.2026 09:30:15 Messung fuer die Abnahme,");
    EXPECT_EQ(
        header[1].text.rfind("Bundesstrasse 27 Ortsumfahrung Horb am Neckar, Fahrstreifen 1,", 0),
        0u)
        << header[1].text;
    EXPECT_EQ(header[2].text.substr(header[2].text.size() - 3), "...");
}

}  // namespace
}  // namespace nivora
