#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "core/TestSupport.h"
#include "core/evaluation/ReportInput.h"
#include "core/view/TestDocuments.h"
#include "evaluation/AuswertungsSeiten.h"
#include "evaluation/DocumentEvaluation.h"
#include "view/AuswertungsDruck.h"
#include "view/FooterLine.h"
#include "view/PlotPageFrame.h"
#include "view/RecordingSurface.h"

namespace nivora {
namespace {

using Op = RecordingSurface::Op;
using Record = RecordingSurface::Record;

// A portrait sheet: FL 2000, FR 19000, FT -3000, FB -28500.
constexpr SurfaceRect kSheet{0, 0, 20000, -29000};
constexpr int32_t Y(int32_t under) { return -3000 - under; }

// Columns without numbering; with it, the table moves 400 to the right.
constexpr int32_t kLabel1 = 2300, kValue1 = 5600, kLabel2 = 11000, kValue2 = 14300;
constexpr int32_t kStation = 2400, kP = 5400, kP2 = 6900, kV = 8400, kRemark = 9900;

// How and where a text was drawn.
struct Placed {
    int32_t x, y;
    std::string face;
    int weight;
    bool italic;
    HAlign align;
    bool operator==(const Placed&) const = default;
};

void PrintTo(const Placed& p, std::ostream* os) {
    *os << "{" << p.x << ", " << p.y << ", " << p.face << " " << p.weight
        << (p.italic ? " italic" : "") << ", align " << static_cast<int>(p.align) << "}";
}

Placed TitleAt(int32_t x, int32_t under) {
    return {x, Y(under), "Times New Roman", 800, false, HAlign::Left};
}
Placed LabelAt(int32_t x, int32_t under, HAlign h = HAlign::Left) {
    return {x, Y(under), "Times New Roman", 500, false, h};
}
Placed ValueAt(int32_t x, int32_t under, HAlign h = HAlign::Left) {
    return {x, Y(under), "Arial", 500, true, h};
}
Placed EmphasisAt(int32_t x, int32_t under) {
    return {x, Y(under), "Arial", 900, true, HAlign::Left};
}

// Every placement of a text drawn at a point, in drawing order.
std::vector<Placed> Where(const RecordingSurface& s, std::string_view text) {
    std::vector<Placed> out;
    for (const Record& r : s.Of(Op::Text))
        if (r.text == text)
            out.push_back({r.points[0].x, r.points[0].y, r.state.font.face, r.state.font.weight,
                           r.state.font.italic, r.state.hAlign});
    return out;
}
std::vector<Placed> WhereWide(const RecordingSurface& s, std::u16string_view text) {
    std::vector<Placed> out;
    for (const Record& r : s.Of(Op::TextWide))
        if (r.wide == text)
            out.push_back({r.points[0].x, r.points[0].y, r.state.font.face, r.state.font.weight,
                           r.state.font.italic, r.state.hAlign});
    return out;
}
std::vector<SurfaceRect> CentredIn(const RecordingSurface& s, std::string_view text) {
    std::vector<SurfaceRect> out;
    for (const Record& r : s.Of(Op::TextCentred))
        if (r.text == text) out.push_back(r.rect);
    return out;
}
bool HasLine(const RecordingSurface& s, SurfacePoint a, SurfacePoint b) {
    for (const Record& r : s.Of(Op::LineTo))
        if (r.points[0] == a && r.points[1] == b) return true;
    return false;
}
// The filled bars of the bold frames.
std::vector<SurfaceRect> Bars(const RecordingSurface& s) {
    std::vector<SurfaceRect> out;
    for (const Record& r : s.Of(Op::Rectangle))
        if (r.state.pen.none && r.state.brush.colour == 0) out.push_back(r.rect);
    return out;
}

std::vector<Placed> One(Placed p) { return {std::move(p)}; }

using test::Input;
using test::Row;
using test::Section;

class EvaluationPageTest : public ::testing::Test {
  protected:
    // The four-field run (stations 0 to 1000, no speeds) with a state file.
    CNivoraDoc& Open(const std::string& state, const std::string& run = test::FourFieldRun()) {
        docs.push_back(std::make_unique<CNivoraDoc>());
        EXPECT_TRUE(test::OpenDocument(*docs.back(), run, "lauf.csv", state, messages));
        EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
        return *docs.back();
    }
    // A page of the report lines as printing builds them from the document.
    RecordingSurface DrawBuilt(const CNivoraDoc& doc, int page) {
        BuildEvaluation(doc, pages);
        return DrawPage(doc, page);
    }
    // A page of report lines built from hand-written input.
    RecordingSurface Draw(const CNivoraDoc& doc, const AuswertungsEingabe& in,
                          const std::vector<EvaluationExceedance>& rows, int page = 1) {
        pages.Build(in, rows);
        return DrawPage(doc, page);
    }
    RecordingSurface DrawPage(const CNivoraDoc& doc, int page) {
        RecordingSurface s;
        DrawEvaluationPage(s, pages, page, kSheet, doc);
        EXPECT_EQ(s.SavedDepth(), 0u);
        return s;
    }

    CAuswertungsSeiten pages;
    test::RecordingMessageSink messages;
    std::vector<std::unique_ptr<CNivoraDoc>> docs;
};

bool SameState(const RecordingSurface::State& a, const RecordingSurface::State& b) {
    return a.pen == b.pen && a.brush == b.brush && a.font == b.font &&
           a.textColour == b.textColour && a.backgroundColour == b.backgroundColour &&
           a.backgroundMode == b.backgroundMode && a.hAlign == b.hAlign && a.vAlign == b.vAlign;
}

// The state key of the header and footer texts: field n is "F<n>" unless given.
std::string HeaderFooterFields(const std::map<int, std::string>& given = {}) {
    std::string group;
    for (int n = 0; n < 27; ++n) {
        if (n > 0) group += '\xBF';
        const auto it = given.find(n);
        group += it != given.end() ? it->second : "F" + std::to_string(n);
    }
    return "KOPFFUSSDATEN=[Kopf][" + group + "]\n";
}

TEST_F(EvaluationPageTest, FindsThePageAndLeavesAMissingPageBlank) {
    pages.Build(Input({Section(0, 5000), Section(5000, 12000)}),
                {Row(1000, 5, true), Row(6000, 3, true)});
    ASSERT_EQ(pages.GetPageCount(), 2);
    const EvaluationPage* second = pages.Page(2);
    ASSERT_TRUE(second);
    ASSERT_EQ(second->rows.size(), 1u);
    EXPECT_EQ(second->rows[0].stationDm, 6000);
    EXPECT_EQ(second->rows[0].sectionNumber, 2);
    EXPECT_EQ(second->rows[0].sectionWidthCm, 350);
    EXPECT_EQ(second->rows[0].runningNumber, 2);
    EXPECT_EQ(second->sectionNumber, 2);
    EXPECT_EQ(second->section.fromDm, 5000);
    EXPECT_FALSE(second->carriedSumMm2);  // a section's first page carries nothing
    EXPECT_FALSE(pages.Page(0));
    EXPECT_FALSE(pages.Page(3));
    const auto& doc = Open("");
    for (int page : {0, 3}) EXPECT_TRUE(DrawPage(doc, page).Records().empty());

    CAuswertungsSeiten none;  // a run without route sections has no page
    none.Build(Input({}), {});
    EXPECT_FALSE(none.Page(1));
}

TEST_F(EvaluationPageTest, NoticeBlockFormFrameAndFooterThenTheFormsState) {
    const auto& doc = Open("UEBERSCHREITUNGSDATEN_1=[400;52;5;1;1;1;;3.5;;]\n");
    BuildEvaluation(doc, pages);
    RecordingSurface s;
    s.SelectPen({false, 30, 0x0000FF});
    s.SetTextAlign(HAlign::Right, VAlign::Bottom);
    const auto before = s.Current();
    DrawEvaluationPage(s, pages, 1, kSheet, doc);
    EXPECT_EQ(s.SavedDepth(), 0u);
    EXPECT_TRUE(SameState(s.Current(), before));

    const auto& recs = s.Records();
    auto index = [&](auto&& pred) {
        for (std::size_t i = 0; i < recs.size(); ++i)
            if (pred(recs[i])) return i;
        return recs.size();
    };
    const auto notice = index([](const Record& r) { return r.text == NoticeLines()[0]; });
    const auto frame = index([](const Record& r) {
        return r.op == Op::Rectangle && r.rect == SurfaceRect{2000, -3000, 19000, -28500};
    });
    const auto footer = index([](const Record& r) { return r.text == FooterText(); });
    ASSERT_LT(notice, frame);
    ASSERT_LT(frame, footer);
    ASSERT_LT(footer, recs.size());
    EXPECT_EQ(recs[notice].points[0], (SurfacePoint{800 + 1500, -300}));
    EXPECT_EQ(recs[frame].state.pen, before.pen);  // the frame takes the current pen
    // Left of the frame line FL = 2000: the turned glyphs rise to the right.
    EXPECT_EQ(recs[footer].points[0], (SurfacePoint{2000 - 150 - 60, -28500}));
    EXPECT_EQ(recs[footer].state.font.escapement, 2700);
    EXPECT_EQ(recs[footer].state.hAlign, HAlign::Right);  // ends at the form's foot
    // Everything after them is drawn transparent with the black pen of width 10.
    int texts = 0;
    for (std::size_t i = footer + 1; i < recs.size(); ++i) {
        const Record& r = recs[i];
        if (r.op != Op::Text && r.op != Op::TextCentred && r.op != Op::TextWide) continue;
        ++texts;
        EXPECT_EQ(r.state.pen, (PenSpec{false, 10, 0})) << r.text;
        EXPECT_EQ(r.state.backgroundMode, BackgroundMode::Transparent) << r.text;
        EXPECT_EQ(r.state.vAlign, VAlign::Top) << r.text;
        EXPECT_EQ(r.state.font.height, 350) << r.text;
        EXPECT_EQ(r.state.font.escapement, 1) << r.text;
    }
    EXPECT_GT(texts, 50);
}

TEST_F(EvaluationPageTest, TitleRows) {
    const auto s = DrawBuilt(Open(""), 1);
    EXPECT_EQ(Where(s,
                    "Ebenheitspr\xFC"
                    "fung mit dem Rollstab"),
              One(TitleAt(kLabel1, 51)));
    EXPECT_TRUE(HasLine(s, {17000, Y(0)}, {17000, Y(1000)}));
    EXPECT_EQ(CentredIn(s, "Anlage"), (std::vector<SurfaceRect>{{17000, Y(0), 19000, Y(500)}}));
    EXPECT_EQ(s.Of(Op::TextCentred).front().state.font.weight, 800);
    EXPECT_EQ(
        Where(s, "Diagrammauswertung nach TP Eben \x96 Ber\xFChrende Messungen (Ausgabe 2017)"),
        One(TitleAt(kLabel1, 500)));
}

TEST_F(EvaluationPageTest, HeaderFormLabelsLinesAndBoldFrame) {
    // Two sections, so that page 1 has no totals row and its bars are the form's.
    const auto& doc = Open("");
    const auto s = Draw(doc, Input({Section(0, 5000), Section(5000, 12000)}), {}, 1);
    struct Case {
        const char* text;
        std::vector<Placed> at;
    };
    const std::vector<Case> cases = {
        {"Auftraggeber:", {LabelAt(kLabel1, 1051)}},
        {"Auftragnehmer:", {LabelAt(kLabel2, 1051)}},
        {"Auftragsnummer:", {LabelAt(kLabel1, 2551)}},
        {"Bauma\xDFnahme:", {LabelAt(kLabel1, 3051)}},
        {"Messung durchgef\xFChrt:", {LabelAt(kLabel1, 4051)}},
        {"Ger\xE4t:", {LabelAt(kLabel2, 4051)}},
        {"am:", {LabelAt(kLabel1, 4551)}},
        {"Kalibrierung g\xFCltig bis:", {LabelAt(kLabel2, 4551)}},
        {"Temperatur/Witterung:", {LabelAt(kLabel1, 5051)}},
        {"Ma\xDFstab der L\xE4nge:", {LabelAt(kLabel2, 5051)}},
        {"Ma\xDFstab der H\xF6he:", {LabelAt(kLabel2, 5551)}},
        {"Anwesend bei Messung:", {LabelAt(kLabel1, 6051)}},
        {"Messstrecke:", {LabelAt(kLabel1, 6951)}},
        {"Lage der Messlinie:", {LabelAt(kLabel2, 6951)}},
        {"Fahrstreifen Richtung:", {LabelAt(kLabel1, 7451)}},
        {"Messlinie-Nr.:", {LabelAt(kLabel2, 7451)}},
        {"Gesamtstrecke", {TitleAt(2300, 7951)}},
        {"Teilabschnitt", {TitleAt(2300, 8451)}},
        {"Beginn:", {LabelAt(5600, 7951), LabelAt(5600, 8451)}},
        {"Ende:", {LabelAt(kLabel2, 7951), LabelAt(kLabel2, 8451)}},
        {"L\xE4nge [km]:",
         {LabelAt(16800, 7951, HAlign::Right), LabelAt(16800, 8451, HAlign::Right)}},
        {"Fahrspurbreite [m]:", {LabelAt(kLabel1, 8951)}},
        {"Fahrbahnoberfl.:", {LabelAt(6850, 8951)}},
        {"VarK [%]:", {LabelAt(16800, 8951, HAlign::Right)}},
        {"Grenzwert f\xFCr die Pr\xFC"
         "fung der Ebenheit:",
         {LabelAt(kLabel1, 9451)}},
        {"mm/2m", {LabelAt(8550, 9451)}},
        {"Faktor k:", {LabelAt(kLabel2, 9451)}},
        {"Einheitspreis [WE/m\xB2]:", {LabelAt(16800, 9451, HAlign::Right)}},
    };
    for (const Case& c : cases) EXPECT_EQ(Where(s, c.text), c.at) << c.text;
    // The v carries a combining macron, so label and macron are one text.
    EXPECT_EQ(WhereWide(s, u"Mittlere Geschw. v\u0304 [km/h]:"), One(LabelAt(kLabel2, 8951)));
    EXPECT_TRUE(Where(s, "\xAF").empty());

    for (const int32_t under : {1000, 2500, 4000, 6000, 6900, 7400, 7900, 8900, 9400})
        EXPECT_TRUE(HasLine(s, {2000, Y(under)}, {19000, Y(under)})) << under;
    EXPECT_TRUE(HasLine(s, {10700, Y(5000)}, {19000, Y(5000)}));
    EXPECT_FALSE(HasLine(s, {2000, Y(5000)}, {19000, Y(5000)}));
    for (const auto& [a, b] :
         {std::pair{1000, 2500}, {4000, 5500}, {5500, 6000}, {6900, 7400}, {7400, 7900}})
        EXPECT_TRUE(HasLine(s, {10700, Y(a)}, {10700, Y(b)})) << a;
    EXPECT_EQ(Bars(s), (std::vector<SurfaceRect>{
                           {1975, Y(6900) + 25, 19025, Y(6900) - 25},
                           {1975, Y(9900) + 25, 19025, Y(9900) - 25},
                           {1975, Y(6900) + 25, 2025, Y(9900) - 25},
                           {18975, Y(6900) + 25, 19025, Y(9900) - 25},
                           {1975, Y(8400) + 25, 19025, Y(8400) - 25},
                       }));

    const auto withoutVarK =
        Draw(Open("Druck_VarKanzeigen=0\n"), Input({Section(0, 5000)}), {Row(100, 5, true)});
    EXPECT_TRUE(Where(withoutVarK, "VarK [%]:").empty());
}

TEST_F(EvaluationPageTest, HeaderFieldsAndTheEmphasisOfALeadingExclamationMark) {
    const auto& doc =
        Open(HeaderFooterFields(
                 {{0, "!Landratsamt"}, {10, "!10.05.2026"}, {16, "!Pruefstelle"}, {25, "!3,9"}}) +
             "MASSSTAB_DER_LAENGE=250\n");
    const auto s = Draw(doc, Input({Section(0, 12000)}), {Row(1000, 5, true)});
    struct Case {
        const char* text;
        Placed at;
    };
    for (const Case& c : {
             Case{"Landratsamt", EmphasisAt(4500, 1051)},
             Case{"F1", ValueAt(4500, 1551)},
             Case{"F2", ValueAt(4500, 2051)},
             Case{"F3", ValueAt(13400, 1051)},
             Case{"F4", ValueAt(13400, 1551)},
             Case{"F5", ValueAt(13400, 2051)},
             Case{"F6", ValueAt(kValue1, 2551)},
             Case{"F7", ValueAt(kValue1, 3051)},
             Case{"F8", ValueAt(kValue1, 3551)},
             Case{"F9", ValueAt(kValue1, 4051)},
             Case{"F23", ValueAt(kValue2, 4051)},
             Case{"!10.05.2026", ValueAt(kValue1, 4551)},  // never emphasised
             Case{"F24", ValueAt(kValue2, 4551)},
             Case{"F22", ValueAt(kValue1, 5051)},
             Case{"1 : 400", ValueAt(kValue2, 5051)},  // 250 is not drawn
             Case{"1 : 1", ValueAt(kValue2, 5551)},
             Case{"F15", ValueAt(kValue1, 6051)},
             Case{"F26", ValueAt(kValue1, 6451)},
             Case{"F11", ValueAt(kValue1, 6951)},
             Case{"F13", ValueAt(kValue2, 6951)},
             Case{"F12", ValueAt(kValue1, 7451)},
             Case{"F14", ValueAt(kValue2, 7451)},
             // The run has no speeds: the mean speed is field 25.
             Case{"3,9", EmphasisAt(14600, 8951)},
             Case{"!Pruefstelle", ValueAt(kLabel1, 22051)},
         })
        EXPECT_EQ(Where(s, c.text), One(c.at)) << c.text;
    EXPECT_TRUE(Where(s, "!Landratsamt").empty());
}

TEST_F(EvaluationPageTest, AttachmentNumberBySectionAndPage) {
    const auto& doc = Open("ANLAGENNUMMER_AUSWERTUNGSSEITEN=4\n");
    std::vector<EvaluationExceedance> rows;
    for (int i = 0; i < 18; ++i) rows.push_back(Row(1000 + i * 10, 2, true));
    const auto three = Input({Section(0, 1000), Section(1000, 5000), Section(5000, 6000)});
    const std::vector<std::string> expected = {"4.1", "4.2.1", "4.2.2", "4.3"};
    for (int page = 1; page <= 4; ++page) {
        const auto s = Draw(doc, three, rows, page);
        const auto at = CentredIn(s, expected[static_cast<std::size_t>(page - 1)]);
        EXPECT_EQ(at, (std::vector<SurfaceRect>{{17000, Y(500), 19000, Y(1000)}})) << page;
    }
    const auto single = Draw(doc, Input({Section(0, 12000)}), {Row(1000, 5, true)});
    EXPECT_EQ(CentredIn(single, "4").size(), 1u);
    for (const Record& r : single.Of(Op::TextCentred))
        if (r.text == "4") {
            EXPECT_EQ(r.state.font, (FontSpec{"Arial", 350, 500, true, 1, 1}));
        }
}

TEST_F(EvaluationPageTest, RangeAndSectionValues) {
    ABSCHNITT section = Section(0, 12000);
    section.roadSurface = "AC 11 D S";
    section.meanSpeed = "4.5";
    section.vark = "10.1";
    // A run with more than five speeds prints the section's mean speed.
    const auto& speeds = Open("", test::DatumListRun(8));
    ASSERT_GT(speeds.Run().SpeedCount(), 5);
    const auto s = Draw(speeds, Input({section}), {Row(1000, 5, true)});
    struct Case {
        const char* text;
        std::vector<Placed> at;
    };
    for (const Case& c : {
             Case{"Station 0,0000 km", {ValueAt(6800, 7951), ValueAt(6800, 8451)}},
             Case{"Station 0,0351 km", {ValueAt(11900, 7951)}},
             Case{"0,0351", {ValueAt(16950, 7951)}},
             Case{"Station 1,2000 km", {ValueAt(11900, 8451)}},
             Case{"1,2000", {ValueAt(16950, 8451)}},
             Case{"3,50", {ValueAt(kValue1, 8951)}},
             Case{"AC 11 D S", {ValueAt(9050, 8951)}},
             Case{"4.5", {ValueAt(14600, 8951)}},
             Case{"10.1", {ValueAt(16950, 8951)}},
             Case{"4,0", {ValueAt(7900, 9454)}},
             Case{"0.60", {ValueAt(12500, 9454)}},
             // right-aligned 1 mm inside the form's right frame (FR 19000)
             Case{"12.50 EUR/m\xB2", {ValueAt(18900, 9454, HAlign::Right)}},
         })
        EXPECT_EQ(Where(s, c.text), c.at) << c.text;
    EXPECT_TRUE(Where(s, "-").empty());

    const auto& plain = Open("");
    // Not evaluated: a hyphen for width, speed, VarK, limit, k and unit price.
    ABSCHNITT off = section;
    off.evaluate = false;
    const auto none = Draw(plain, Input({off}), {Row(1000, 5, true)});
    EXPECT_EQ(Where(none, "-"), (std::vector<Placed>{ValueAt(kValue1, 8951), ValueAt(14600, 8951),
                                                     ValueAt(16950, 8951), ValueAt(7900, 9454),
                                                     ValueAt(12500, 9454), ValueAt(16950, 9454)}));
    EXPECT_EQ(Where(none, "AC 11 D S").size(), 1u);

    // No deduction possible: k and unit price only.
    ABSCHNITT noK = section;
    noK.factorK = "0.0001";
    const auto withoutK = Draw(plain, Input({noK}), {Row(1000, 5, true)});
    EXPECT_EQ(Where(withoutK, "-"),
              (std::vector<Placed>{ValueAt(12500, 9454), ValueAt(16950, 9454)}));

    // No width, no VarK text.
    ABSCHNITT bare = section;
    bare.width = 0;
    bare.vark.clear();
    const auto unset = Draw(plain, Input({bare}), {Row(1000, 5, true)});
    EXPECT_EQ(Where(unset, "-"), (std::vector<Placed>{ValueAt(16950, 8951)}));
    EXPECT_TRUE(Where(unset, "0,00").empty());

    const auto& noVarK = Open("Druck_VarKanzeigen=0\n", test::DatumListRun(8));
    EXPECT_TRUE(Where(Draw(noVarK, Input({section}), {Row(1000, 5, true)}), "10.1").empty());
}

TEST_F(EvaluationPageTest, TableHeaderWithAndWithoutNumbering) {
    for (const bool numbering : {false, true}) {
        SCOPED_TRACE(numbering);
        const int32_t o = numbering ? 400 : 0;
        const auto s = Draw(Open(numbering ? "Druck_Nummerierung=1\n" : ""),
                            Input({Section(0, 12000)}), {Row(1000, 5, true)});
        using Rects = std::vector<SurfaceRect>;
        EXPECT_EQ(CentredIn(s,
                            "\xDC"
                            "berschreitung"),
                  (Rects{{kP + o, Y(9900), kRemark + o, Y(10400)}}));
        EXPECT_EQ(CentredIn(s, "p"), (Rects{{kP + o, Y(10400), kP2 + o, Y(10900)}}));
        EXPECT_EQ(CentredIn(s, "p\xB2"), (Rects{{kP2 + o, Y(10400), kV + o, Y(10900)}}));
        EXPECT_EQ(CentredIn(s, "v"), (Rects{{kV + o, Y(10400), kRemark + o, Y(10900)}}));
        EXPECT_EQ(CentredIn(s, "Bemerkungen"), (Rects{{kV + o, Y(10400), 19000, Y(10900)}}));
        EXPECT_EQ(CentredIn(s, "[mm]"), (Rects{{kP + o, Y(10900), kP2 + o, Y(11400)},
                                               {kP2 + o, Y(10900), kV + o, Y(11400)}}));
        EXPECT_EQ(CentredIn(s, "[km/h]"), (Rects{{kV + o, Y(10900), kRemark + o, Y(11400)}}));
        EXPECT_EQ(Where(s, "Station"), One(LabelAt(kStation + o, 10451)));
        EXPECT_EQ(Where(s, "[km]"), One(LabelAt(kStation + o, 10951)));
        for (const int32_t x : {kP, kRemark})
            EXPECT_TRUE(HasLine(s, {x + o, Y(9900)}, {x + o, Y(11400)}));
        for (const int32_t x : {kP2, kV})
            EXPECT_TRUE(HasLine(s, {x + o, Y(10400)}, {x + o, Y(11400)}));
        EXPECT_TRUE(HasLine(s, {kP + o, Y(10400)}, {kRemark + o, Y(10400)}));
        for (const int32_t x : {kP, kP2, kV, kRemark})
            EXPECT_TRUE(HasLine(s, {x + o, Y(11900)}, {x + o, Y(20500)}));
        EXPECT_TRUE(HasLine(s, {2000, Y(11400)}, {19000, Y(11400)}));
        EXPECT_TRUE(HasLine(s, {2000, Y(11900)}, {19000, Y(11900)}));
        // The running-number column.
        EXPECT_EQ(Where(s, "lfd.").size(), numbering ? 1u : 0u);
        EXPECT_EQ(HasLine(s, {2700, Y(9900)}, {2700, Y(11400)}), numbering);
        EXPECT_EQ(HasLine(s, {2700, Y(11900)}, {2700, Y(20500)}), numbering);
        if (numbering) {
            EXPECT_EQ(Where(s, "lfd."), One(LabelAt(2200, 10451)));
            EXPECT_EQ(Where(s, "Nr."), One(LabelAt(2200, 10951)));
        }
    }
}

TEST_F(EvaluationPageTest, RowsOfExceedancesAndExcludedAreas) {
    const auto in = Input({Section(0, 12000)}, {{2600, 2000,
                                                 "Br\xFC"
                                                 "cke"}});
    const std::vector<EvaluationExceedance> rows = {
        Row(1000, 5, true,
            "Riss{{CRLF}}quer\xBF"
            "1"),
        Row(1500, 3, false, "", -1.0),
        Row(3000, 4, true, "a{{CRLF}}b{{CRLF}}c{{CRLF}}d", 7.0),
        Row(3500, 2, true, std::string(60, 'x'), 8.0),
    };
    // Row tops: 11900 (two remark lines), 12800, 13300 (area), 13800 (four
    // lines take the height of three), 15100.
    const auto s = Draw(Open(""), in, rows);
    struct Case {
        std::string text;
        std::vector<Placed> at;
    };
    const auto centre = HAlign::Centre;
    for (const Case& c : {
             Case{"0,1000", {ValueAt(kStation, 11950)}},
             Case{"0,1500", {ValueAt(kStation, 12850)}},
             Case{"0,2000", {ValueAt(kStation, 13350)}},
             Case{" - 0,2600", {ValueAt(kStation + 1300, 13350)}},
             Case{"----",
                  {ValueAt(kP + 750, 13350, centre), ValueAt(kP2 + 750, 13350, centre),
                   ValueAt(kV + 750, 13350, centre)}},
             Case{"0,3000", {ValueAt(kStation, 13850)}},
             Case{"0,3500", {ValueAt(kStation, 15150)}},
             Case{"5", {ValueAt(kP + 750, 11950, centre)}},
             Case{"25", {ValueAt(kP2 + 750, 11950, centre)}},
             Case{"12.3", {ValueAt(kV + 750, 11950, centre)}},
             Case{"9", {ValueAt(kP2 + 750, 12850, centre)}},
             Case{"-1.0", {}},  // a negative speed leaves its cell empty
             Case{"Riss", {ValueAt(kRemark + 300, 11950)}},
             Case{"quer", {ValueAt(kRemark + 300, 12350)}},
             Case{"Br\xFC"
                  "cke",
                  {ValueAt(kRemark + 300, 13350)}},
             Case{"a", {ValueAt(kRemark + 300, 13850)}},
             Case{"b", {ValueAt(kRemark + 300, 14250)}},
             Case{"c", {ValueAt(kRemark + 300, 14650)}},
             Case{"d", {}},  // the first three lines only
         })
        EXPECT_EQ(Where(s, c.text), c.at) << c.text;
    // A remark wider than its column is cut before the frame.
    const std::string cut = std::string(38, 'x') + "...";
    EXPECT_EQ(Where(s, cut), One(ValueAt(kRemark + 300, 15150)));
    EXPECT_LE(kRemark + 300 + RecordingSurface::TextSize(cut.size(), 350).cx, 19000 - 100);
    // Only the not-counted exceedance is struck through, up to the end of v.
    std::vector<std::vector<SurfacePoint>> struck;
    for (const Record& r : s.Of(Op::LineTo))
        if (r.points[0].x == 2200) struck.push_back(r.points);
    EXPECT_EQ(struck,
              (std::vector<std::vector<SurfacePoint>>{{{2200, Y(13050)}, {9700, Y(13050)}}}));
}

TEST_F(EvaluationPageTest, ARemarkCannotTurnAnExceedanceIntoAnArea) {
    // The area marker of the report lines, typed into a remark.
    const auto s = Draw(Open(""), Input({Section(0, 12000)}), {Row(1000, 5, false, "{{BOK}}")});
    EXPECT_EQ(Where(s, "5"), One(ValueAt(kP + 750, 11950, HAlign::Centre)));
    EXPECT_EQ(Where(s, "25").front(), ValueAt(kP2 + 750, 11950, HAlign::Centre));
    EXPECT_EQ(Where(s, "12.3"), One(ValueAt(kV + 750, 11950, HAlign::Centre)));
    EXPECT_EQ(Where(s, "{{BOK}}"), One(ValueAt(kRemark + 300, 11950)));
    EXPECT_TRUE(Where(s, "----").empty());
    EXPECT_TRUE(Where(s, " - 0,0000").empty());
    EXPECT_TRUE(HasLine(s, {2200, Y(12150)}, {9700, Y(12150)}));  // not counted: struck through
}

TEST_F(EvaluationPageTest, RunningNumbersWithNumbering) {
    const auto s =
        Draw(Open("Druck_Nummerierung=1\n"), Input({Section(0, 12000)}, {{2000, 2600, "Fuge"}}),
             {Row(1000, 5, true), Row(1500, 3, false), Row(3000, 4, true)});
    std::vector<std::pair<std::string, Placed>> numbers;
    for (const Record& r : s.Of(Op::Text))
        if (r.points[0].x == 2600)
            numbers.push_back({r.text,
                               {r.points[0].x, r.points[0].y, r.state.font.face,
                                r.state.font.weight, r.state.font.italic, r.state.hAlign}});
    const auto right = HAlign::Right;
    EXPECT_EQ(numbers, (std::vector<std::pair<std::string, Placed>>{
                           {"1", ValueAt(2600, 11950, right)},
                           {"2", ValueAt(2600, 12450, right)},
                           {"3", ValueAt(2600, 13450, right)}}));  // the area has none
    EXPECT_EQ(Where(s, "0,1000"), One(ValueAt(kStation + 400, 11950)));
    EXPECT_TRUE(HasLine(s, {2200, Y(12650)}, {10100, Y(12650)}));  // struck up to v's end - 200
}

TEST_F(EvaluationPageTest, MessagesInsteadOfRows) {
    const auto& doc = Open("");
    ABSCHNITT off = Section(0, 12000);
    off.evaluate = false;
    struct Case {
        ABSCHNITT section;
        std::vector<EvaluationExceedance> rows;
        std::string message;
        int32_t x;
    };
    for (const Case& c : {
             Case{off,
                  {Row(1000, 5, true)},
                  "Es erfolgt keine Auswertung f\xFCr diesen Abschnitt.",
                  7000},
             Case{Section(0, 12000),
                  {},
                  "Die  Messung  ergab  keine  \xDC"
                  "berschreitungen f\xFCr diesen Abschnitt.",
                  5400},
         }) {
        SCOPED_TRACE(c.message);
        const auto s = Draw(doc, Input({c.section}), c.rows);
        EXPECT_EQ(Where(s, c.message), One(ValueAt(c.x, 13400)));
        for (const Record& r : s.Of(Op::Text)) {
            if (r.text != c.message) continue;
            EXPECT_EQ(r.state.backgroundMode, BackgroundMode::Opaque);
            EXPECT_EQ(r.state.backgroundColour, 0x00FFFFFFu);
        }
        EXPECT_TRUE(Where(s, "0,1000").empty());
    }
}

TEST_F(EvaluationPageTest, SumRowWithDeduction) {
    const auto& doc = Open("");
    std::vector<EvaluationExceedance> many;
    for (int i = 0; i < 18; ++i) many.push_back(Row(100 + i * 10, 2, true));
    ABSCHNITT off = Section(0, 12000);
    off.evaluate = false;
    struct Case {
        const char* name;
        ABSCHNITT section;
        std::vector<EvaluationExceedance> rows;
        int page;
        const char* label;
        const char* sum;  // null: none printed
        bool deduction;
    };
    for (const Case& c : {
             Case{"section end",
                  Section(0, 12000),
                  {Row(1000, 5, true)},
                  1,
                  "Teilstrecke Summe p\xB2:",
                  "25",
                  true},
             Case{"page break", Section(0, 12000), many, 1, "Zwischensumme p\xB2:", "68", false},
             Case{"not evaluated",
                  off,
                  {Row(1000, 5, true)},
                  1,
                  "Teilstrecke Summe p\xB2:",
                  nullptr,
                  false},
             Case{"no factor k",
                  Section(0, 12000, 0.0),
                  {Row(1000, 5, true)},
                  1,
                  "Teilstrecke Summe p\xB2:",
                  "25",
                  false},
         }) {
        SCOPED_TRACE(c.name);
        const auto s = Draw(doc, Input({c.section}), c.rows, c.page);
        EXPECT_EQ(Where(s, c.label), One(LabelAt(kLabel1, 20551)));
        std::vector<std::string> values;
        for (const Record& r : s.Of(Op::Text))
            if (r.points[0].y == Y(20551) && r.state.font.face == "Arial") values.push_back(r.text);
        std::vector<std::string> expected;
        if (c.sum) expected.push_back(c.sum);
        if (c.deduction) expected.push_back("656.25");
        EXPECT_EQ(values, expected);
        if (c.sum) {
            EXPECT_EQ(Where(s, c.sum).back(), ValueAt(kP2 + 750, 20551, HAlign::Centre));
        }
        EXPECT_EQ(Where(s, "Abzug [EUR]: ").size(), c.deduction ? 1u : 0u);
        if (c.deduction) {
            EXPECT_EQ(Where(s, "Abzug [EUR]: "), One(LabelAt(kV + 300, 20551)));
            EXPECT_EQ(Where(s, "656.25"), One(ValueAt(kV + 2600, 20551)));
        }
        EXPECT_TRUE(HasLine(s, {2000, Y(20500)}, {19000, Y(20500)}));
        EXPECT_TRUE(HasLine(s, {kP2, Y(20500)}, {kP2, Y(21000)}));
        EXPECT_TRUE(HasLine(s, {kV, Y(20500)}, {kV, Y(21000)}));
        EXPECT_TRUE(HasLine(s, {2000, Y(21000)}, {19000, Y(21000)}));
    }
}

TEST_F(EvaluationPageTest, CurrencyOfTheExceedanceList) {
    const auto& doc = Open("UEBERSCHREITUNGSDATEN_2=0.0;1.0;0.60;;;CHF;;;;;;;;;;;;\n");
    const auto s = Draw(doc, Input({Section(0, 12000)}), {Row(1000, 5, true)});
    EXPECT_EQ(Where(s, "Abzug [CHF]: ").size(), 1u);
    EXPECT_EQ(Where(s, "12.50 CHF/m\xB2").size(), 1u);
    EXPECT_EQ(WhereWide(s, u"\u2211 p\u00B2 [mm]: 25       \u2211 Abz\u00FCge [CHF]: 656.25       ")
                  .size(),
              1u);
}

TEST_F(EvaluationPageTest, CarriedSumOnTheSecondPageOfASection) {
    std::vector<EvaluationExceedance> rows;
    for (int i = 0; i < 18; ++i) rows.push_back(Row(100 + i * 10, 2, true));
    const auto& doc = Open("");
    const auto first = Draw(doc, Input({Section(0, 12000)}), rows, 1);
    const std::string label =
        "\xDC"
        "bertrag p\xB2:";
    EXPECT_TRUE(Where(first, label).empty());
    const auto second = Draw(doc, Input({Section(0, 12000)}), rows, 2);
    EXPECT_EQ(Where(second, label), One(LabelAt(kLabel1, 11475)));  // centred in its row
    EXPECT_EQ(Where(second, "68"), One(ValueAt(kP2 + 300, 11451)));
    EXPECT_EQ(Where(second, "72").back(), ValueAt(kP2 + 750, 20551, HAlign::Centre));
}

TEST_F(EvaluationPageTest, TotalsOnlyOnTheLastPage) {
    // Stored sections keep the stored statistics of the whole run.
    const auto& doc = Open("ABSCHNITTE=[0|350|40|10|||1||||]\nSTATGES=4.5|1.2|10.1\n");
    ASSERT_EQ(doc.State().GetValue("STATGES", ""), "4.5|1.2|10.1");
    const auto in = Input({Section(0, 5000), Section(5000, 12000)});
    const std::u16string sums =
        u"\u2211 p\u00B2 [mm]: 25       \u2211 Abz\u00FCge [EUR]: 656.25       ";
    const std::u16string statistics = u"v\u0304 [km/h]: 4.5       VarK [%]: 10.1";
    const auto last = Draw(doc, in, {Row(1000, 5, true)}, 2);
    EXPECT_EQ(Where(last, "Gesamtstrecke:"), One(TitleAt(kLabel1, 21051)));
    EXPECT_EQ(WhereWide(last, sums), One(ValueAt(kP + 100, 21051)));
    EXPECT_EQ(WhereWide(last, statistics), One(ValueAt(kP + 8010, 21051)));
    const auto bars = Bars(last);
    for (const SurfaceRect& bar : {SurfaceRect{1975, Y(21000) + 25, 19025, Y(21000) - 25},
                                   SurfaceRect{1975, Y(21500) + 25, 19025, Y(21500) - 25},
                                   SurfaceRect{1975, Y(21000) + 25, 2025, Y(21500) - 25},
                                   SurfaceRect{18975, Y(21000) + 25, 19025, Y(21500) - 25}})
        EXPECT_NE(std::find(bars.begin(), bars.end(), bar), bars.end());

    const auto first = Draw(doc, in, {Row(1000, 5, true)}, 1);
    EXPECT_TRUE(Where(first, "Gesamtstrecke:").empty());
    EXPECT_TRUE(WhereWide(first, sums).empty());
    EXPECT_TRUE(WhereWide(first, statistics).empty());
    EXPECT_EQ(Bars(first).size(), 5u);  // the form's frame only

    // A report without any counted p²: no deduction total to show.
    const auto nothing = Draw(doc, Input({Section(0, 12000, 0.0)}), {Row(1000, 5, false)}, 1);
    EXPECT_EQ(WhereWide(nothing, u"\u2211 p\u00B2 [mm]: 0       \u2211 Abz\u00FCge [EUR]:        ")
                  .size(),
              1u);
}

TEST_F(EvaluationPageTest, SignatureBlockOnTheLastPageOfASection) {
    const auto& doc = Open(HeaderFooterFields());
    std::vector<EvaluationExceedance> many;
    for (int i = 0; i < 18; ++i) many.push_back(Row(100 + i * 10, 2, true));
    const auto in = Input({Section(0, 5000), Section(5000, 12000)});
    struct Case {
        int page;
        int32_t top;  // -1: no signature block
    };
    // Page 1 breaks the first section, page 2 ends it, page 3 is the last.
    for (const Case& c : {Case{1, -1}, Case{2, 21000}, Case{3, 21500}}) {
        SCOPED_TRACE(c.page);
        const auto s = Draw(doc, in, many, c.page);
        const std::string first =
            "Pr\xFC"
            "fung durchgef\xFChrt, Institution:";
        if (c.top < 0) {
            EXPECT_TRUE(Where(s, first).empty());
            EXPECT_TRUE(Where(s, "Datum:").empty());
            EXPECT_TRUE(Where(s, "F16").empty());
            continue;
        }
        const int32_t t = c.top;
        EXPECT_EQ(Where(s, first), One(LabelAt(kLabel1, t + 51)));
        EXPECT_EQ(Where(s, "F\xFCr den Auftragnehmer:"), One(LabelAt(kLabel1, t + 1301)));
        EXPECT_EQ(Where(s, "F\xFCr den Auftraggeber:"), One(LabelAt(kLabel1, t + 2551)));
        EXPECT_EQ(Where(s, "Datum:"),
                  (std::vector<Placed>{LabelAt(16200, t + 51), LabelAt(16200, t + 1301),
                                       LabelAt(16200, t + 2551)}));
        EXPECT_EQ(Where(s, "F16"), One(ValueAt(kLabel1, t + 551)));
        EXPECT_EQ(Where(s, "F17"), One(ValueAt(16200, t + 551)));
        EXPECT_EQ(Where(s, "F18"), One(ValueAt(kLabel1, t + 1801)));
        EXPECT_EQ(Where(s, "F19"), One(ValueAt(16200, t + 1801)));
        EXPECT_EQ(Where(s, "F20"), One(ValueAt(kLabel1, t + 3051)));
        EXPECT_EQ(Where(s, "F21"), One(ValueAt(16200, t + 3051)));
    }
}

TEST_F(EvaluationPageTest, PageOfTheDocumentsOwnReportLines) {
    // Exceedances, remarks and an excluded area from the state file, the
    // report lines built as printing builds them.
    const auto& doc = Open(
        "ABSCHNITTE=[0|350|40|10|0.6|12.5|1||||][500|325|45|10|||0||||]\n"
        "UEBERSCHREITUNGSDATEN_1=[400;52;5;1;1;1;;3.5;;][100;61;6;2;1;0;;0.0;;]\n"
        "UEBERSCHREITUNGSDATEN_4=[400\xBFRiss{{CRLF}}l\xE4ngs\xBF"
        "1]\n"
        "BEREICHOHNEERKENNUNGDATEN=200_250_Br\xFC"
        "cke\n");
    ASSERT_EQ(doc.Exceedances().GetCount(), 2);
    const auto s = DrawBuilt(doc, 1);
    ASSERT_EQ(pages.GetPageCount(), 2);
    EXPECT_EQ(Where(s, "0,0100"), One(ValueAt(kStation, 11950)));
    EXPECT_EQ(Where(s, "0,0200"), One(ValueAt(kStation, 12450)));
    EXPECT_EQ(Where(s, " - 0,0250"), One(ValueAt(kStation + 1300, 12450)));
    EXPECT_EQ(Where(s, "0,0400"), One(ValueAt(kStation, 12950)));
    EXPECT_EQ(Where(s, "l\xE4ngs"), One(ValueAt(kRemark + 300, 13350)));
    EXPECT_TRUE(HasLine(s, {2200, Y(12150)}, {9700, Y(12150)}));  // p 6 does not count
    EXPECT_EQ(Where(s, "Abzug [EUR]: ").size(), 1u);
    EXPECT_EQ(Where(s, "656.25"), One(ValueAt(kV + 2600, 20551)));  // 25 x 3.5 x 0.6 x 12.5
    const auto second = DrawPage(doc, 2);
    EXPECT_EQ(Where(second, "Es erfolgt keine Auswertung f\xFCr diesen Abschnitt.").size(), 1u);
}

}  // namespace
}  // namespace nivora
