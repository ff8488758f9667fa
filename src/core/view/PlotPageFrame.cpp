#include "view/PlotPageFrame.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "document/NivoraDoc.h"
#include "measurement/KopfdatenLeser.h"
#include "platform/ProgramInfo.h"
#include "platform/TextTable.h"
#include "platform/Units.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

constexpr const char* kEllipsis = "...";

// The header box at the top right holds the headline; the notice block fills
// the band left of it.
constexpr int32_t kHeaderBoxWidth = 14000;
constexpr int32_t kHeaderBoxTop = 1600;  // below the top of the page
constexpr int32_t kHeaderBoxBottom = 3600;
// Below the box top: the first headline line, the line step at least, and
// what a line keeps free of the box's edges.
constexpr int32_t kHeadlineLinesTop = 700;
constexpr int32_t kHeadlineLineStep = 400;
constexpr int32_t kHeadlineMargin = 400;

// The notice lines, right of the block's left edge and below its top.
constexpr int32_t kNoticeIndent = 1500;
constexpr int32_t kNoticeBelowTop[5] = {0, 500, 1100, 1480, 1860};

// The header data block: x0 right of the page's left edge (wide variants A
// and B, narrow C and D), y0 above its bottom, one row under the other.
constexpr int32_t kWideX0 = 5000;
constexpr int32_t kNarrowX0 = 400;
constexpr int32_t kHeaderDataY0 = 2200;
constexpr int32_t kRowPitch = 370;

// The upright enclosure label ends kEnclosureRight left of the page's right
// edge and kEnclosureBottom above its bottom.
constexpr int32_t kEnclosureHeight = 400;
constexpr int32_t kEnclosureRight = 500;
constexpr int32_t kEnclosureBottom = 2800;
// What the header data keep free before the label.
constexpr int32_t kEnclosureGap = 200;

// Font heights.
constexpr int32_t kHeadlineFont = 520, kHeadlineLinesFont = 420;
constexpr int32_t kTextFont = 350, kMakerFont = 450;

// The frame's fonts lean by a tenth of a degree.
constexpr int kFrameEscapement = 1;

FontSpec FrameFont(const char* face, int32_t height, bool italic = false,
                   int angle = kFrameEscapement) {
    return FontSpec{face, height, FontSpec{}.weight, italic, angle, angle};
}

SurfaceRect HeaderBox(const SurfaceRect& page) {
    return {page.right - kHeaderBoxWidth, page.top - kHeaderBoxTop, page.right,
            page.top - kHeaderBoxBottom};
}

SurfaceRect NoticeZone(const SurfaceRect& page) {
    return {page.left, page.top - kHeaderBoxTop, page.right - kHeaderBoxWidth,
            page.top - kHeaderBoxBottom};
}

int32_t Width(IDrawingSurface& dc, std::string_view text) { return dc.MeasureText(text).cx; }

// Largest n for which fits(n) holds, with fits monotone falling and fits(0)
// assumed; n runs from 0 to max.
template <typename Fits>
std::size_t LargestFitting(std::size_t max, Fits&& fits) {
    std::size_t lo = 0, hi = max;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

// The header text of the simple lists can be longer than the page is wide;
// it goes on over the free rows below, broken after a ", " where one fits.
std::vector<std::string> WrapRows(IDrawingSurface& dc, std::string_view text, int32_t width,
                                  int rows) {
    std::vector<std::string> out;
    std::string_view rest = text;
    while (!rest.empty() && static_cast<int>(out.size()) < rows - 1) {
        if (width <= 0 || Width(dc, rest) <= width) break;
        std::size_t cut = LargestFitting(
            rest.size(), [&](std::size_t n) { return Width(dc, rest.substr(0, n)) <= width; });
        if (cut == 0) cut = 1;
        if (cut >= 2) {
            const auto sep = rest.rfind(", ", cut - 2);
            if (sep != std::string_view::npos && sep > 0) cut = sep + 1;
        }
        out.emplace_back(text::TrimRight(rest.substr(0, cut)));
        rest = text::TrimLeft(rest.substr(cut));
    }
    if (!rest.empty()) out.push_back(FitTextEnd(dc, rest, width));
    return out;
}

// The header data block: labels and values in their fonts, row k at y0 - kRowPitch k.
class HeaderBlock {
  public:
    // Texts of the last column, paths and wrapped rows included, end at rightEdge.
    HeaderBlock(IDrawingSurface& dc, int32_t x0, int32_t y0, int32_t rightEdge)
        : m_dc(dc), m_x0(x0), m_y0(y0), m_rightEdge(rightEdge) {}

    void Label(int32_t dx, int row, std::string_view text) { Write(m_labelFont, dx, row, text); }
    // A value ends before the next label column (at nextLabel) or, in the
    // last column, before the right edge; a longer one is cut with "...".
    void Value(int32_t dx, int row, std::string_view text, int32_t nextLabel = kLastColumn) {
        if (text.empty()) return;
        Select(m_valueFont);
        const int32_t room =
            nextLabel == kLastColumn ? RoomRightOf(dx) : nextLabel - kLabelGap - dx;
        Write(m_valueFont, dx, row, FitTextEnd(m_dc, text, room));
    }
    // The paths stand in the last column; a long one loses its start.
    void Path(int32_t dx, int row, const std::string& path) {
        Select(m_valueFont);
        Write(m_valueFont, dx, row, FitTextStart(m_dc, path, RoomRightOf(dx)));
    }
    void WrappedValue(int32_t dx, int firstRow, int rows, std::string_view text) {
        Select(m_valueFont);
        const auto lines = WrapRows(m_dc, text, RoomRightOf(dx), rows);
        for (std::size_t i = 0; i < lines.size(); ++i)
            Write(m_valueFont, dx, firstRow + static_cast<int>(i), lines[i]);
    }

    static constexpr int32_t kLastColumn = INT32_MIN;

  private:
    // What a cut value keeps free before the next label.
    static constexpr int32_t kLabelGap = 100;
    int32_t RoomRightOf(int32_t dx) const { return m_rightEdge - (m_x0 + dx); }
    void Select(const FontSpec& font) {
        if (m_selected == &font) return;
        m_dc.SelectFont(font);
        m_selected = &font;
    }
    void Write(const FontSpec& font, int32_t dx, int row, std::string_view text) {
        if (text.empty()) return;
        Select(font);
        m_dc.TextOut({m_x0 + dx, m_y0 - kRowPitch * row}, text);
    }

    IDrawingSurface& m_dc;
    int32_t m_x0, m_y0, m_rightEdge;
    const FontSpec m_labelFont = FrameFont("Arial", kTextFont);
    const FontSpec m_valueFont = FrameFont("Courier New", kTextFont, true);
    const FontSpec* m_selected = nullptr;
};

enum class Variant { None, A, B, C, D };

Variant VariantOf(int formatCode) {
    switch (formatCode) {
        case CMessFahrtDaten::kTextPrintout:
            return Variant::A;
        case CMessFahrtDaten::kFourField:
        case CMessFahrtDaten::kFiveField:
            return Variant::B;
        case CMessFahrtDaten::kPm01Bs01:
        case CMessFahrtDaten::kPm01Bs02:
        case CMessFahrtDaten::kDatumList:
            return Variant::C;
        case CMessFahrtDaten::kLimitList:
            return Variant::D;
        default:
            return Variant::None;
    }
}

struct HeaderInputs {
    const CNivoraDoc& doc;
    const CTextTabelle& texts;
    LimitList limits;
    std::string scale;  // "1:400"
    std::string date;
    std::string path;
    bool plural() const { return limits.sectionCount >= 2; }
};

// The columns of the variants, right of x0: label columns, each followed
// by its value column. Variant A's first columns stand at left + 400 and
// left + 2800, so that its long values (office, department) have room before
// the road type column.
constexpr int32_t kAFirstLabel = kNarrowX0 - kWideX0, kAFirstValue = 2800 - kWideX0;
constexpr int32_t kBFirstLabel = 0, kBFirstValue = 2400;
constexpr int32_t kABLabel2 = 6200, kABValue2 = 8800, kABLabel3 = 12600, kABValue3 = 15600;
constexpr int32_t kCLabel1 = 0, kCValue1 = 2600, kCLabel2 = 10600, kCValue2 = 13200;
constexpr int32_t kCLabel3 = 17400, kCValue3 = 20400;
constexpr int32_t kDLabel1 = 4000, kDValue1 = 7400, kDLabel2 = 12900, kDValue2 = 16500;

void DrawVariantA(HeaderBlock& b, const HeaderInputs& in) {
    const KopfFelder& f = in.doc.Run().fields;
    b.Label(kAFirstLabel, 0, "Messungs-Nr. :");
    b.Label(kAFirstLabel, 1, "Messung vom :");
    b.Label(kAFirstLabel, 2, "Dienststelle :");
    b.Label(kAFirstLabel, 3, "Abteilung :");
    b.Label(kAFirstLabel, 4,
            "Pr\xFC"
            "fer :");
    b.Value(kAFirstValue, 0, f.number, kABLabel2);
    b.Value(kAFirstValue, 1, f.date, kABLabel2);
    b.Value(kAFirstValue, 2, f.office, kABLabel2);
    b.Value(kAFirstValue, 3, f.department, kABLabel2);
    b.Value(kAFirstValue, 4, f.inspector, kABLabel2);
    b.Label(kABLabel2, 0, "Str.-Typ :");
    b.Label(kABLabel2, 1, "Str.-Nr. :");
    b.Label(kABLabel2, 2, in.plural() ? "Grenzwerte :" : "Grenzwert :");
    b.Label(kABLabel2, 3,
            "Ma\xDF"
            "stab H\xF6he :");
    b.Label(kABLabel2, 4,
            "Ma\xDF"
            "stab L\xE4nge :");
    b.Value(kABValue2, 0, f.roadType, kABLabel3);
    b.Value(kABValue2, 1, f.roadNumber, kABLabel3);
    b.Value(kABValue2, 2, in.limits.text, kABLabel3);
    b.Value(kABValue2, 3, "1:1", kABLabel3);
    b.Value(kABValue2, 4, in.scale, kABLabel3);
    b.Label(kABLabel3, 0, "Bearbeitungsstand :");
    b.Label(kABLabel3, 1, "Dateien :");
    b.Value(kABValue3, 0, in.date);
    b.Path(kABValue3, 1, in.path);
    b.Path(kABValue3, 2, in.path + ".zi4");
}

void DrawVariantB(HeaderBlock& b, const HeaderInputs& in) {
    b.Label(kBFirstLabel, 0, "Kopfdaten:");
    b.WrappedValue(kBFirstValue, 0, 3, in.doc.Run().headerText);
    b.Label(kBFirstLabel, 3, in.plural() ? "Grenzwerte:" : "Grenzwert:");
    b.Value(kBFirstValue, 3, in.limits.text, kABLabel2);
    b.Label(kABLabel2, 3,
            "Ma\xDF"
            "stab H\xF6he:");
    b.Label(kABLabel2, 4,
            "Ma\xDF"
            "stab L\xE4nge:");
    b.Value(kABValue2, 3, "1:1", kABLabel3);
    b.Value(kABValue2, 4, in.scale, kABLabel3);
    b.Label(kABLabel3, 3, "Dateien:");
    b.Path(kABValue3, 3, in.path);
    b.Path(kABValue3, 4, in.path + ".zi4");
}

// The limits and scales from a first row on, then the date and the files in
// the next column pair; variants C and D differ only in where these stand.
void DrawLimitsAndFiles(HeaderBlock& b, const HeaderInputs& in, int32_t label, int32_t value,
                        int firstRow, int32_t nextLabel, int32_t nextValue) {
    const auto& t = in.texts;
    b.Label(label, firstRow,
            t.GetText(in.plural() ? "PLOTPAGE_REQUIREMENTS" : "PLOTPAGE_REQUIREMENT", true));
    b.Label(label, firstRow + 1, t.GetText("PLOTPAGE_SCALE_LEVEL", true));
    b.Label(label, firstRow + 2, t.GetText("PLOTPAGE_SCALE_LENGTH", true));
    b.Value(value, firstRow, in.limits.text, nextLabel);
    b.Value(value, firstRow + 1, "1:1", nextLabel);
    b.Value(value, firstRow + 2, in.scale, nextLabel);
    b.Label(nextLabel, 0, t.GetText("PLOTPAGE_DOCUMENTATION", true));
    b.Label(nextLabel, 1, t.GetText("PLOTPAGE_FILES", true));
    b.Value(nextValue, 0, in.date);
    b.Path(nextValue, 1, in.path);
    b.Path(nextValue, 2, in.path + ".zi4");
}

void DrawVariantC(HeaderBlock& b, const HeaderInputs& in) {
    static const char* const kLabelKeys[6] = {"PLOTPAGE_DATE",       "PLOTPAGE_CLIENT",
                                              "PLOTPAGE_DEPARTMENT", "PLOTPAGE_TESTED_BY",
                                              "PLOTPAGE_PROJECT",    "PLOTPAGE_PROJECT_NO"};
    CKopfdatenLeser reader(in.doc.State().GetPageTexts().headerData);
    for (int i = 0; i < 6; ++i) {
        const auto entry = reader.Next();
        const int row = i < 4 ? i : i - 4;
        const bool firstColumn = i < 4;
        b.Label(firstColumn ? kCLabel1 : kCLabel2, row,
                reader.IsLabelled() ? entry.label : in.texts.GetText(kLabelKeys[i], true));
        b.Value(firstColumn ? kCValue1 : kCValue2, row, entry.value,
                firstColumn ? kCLabel2 : kCLabel3);
    }
    DrawLimitsAndFiles(b, in, kCLabel2, kCValue2, 2, kCLabel3, kCValue3);
}

void DrawVariantD(HeaderBlock& b, const HeaderInputs& in) {
    DrawLimitsAndFiles(b, in, kDLabel1, kDValue1, 0, kDLabel2, kDValue2);
}

void DrawHeadline(IDrawingSurface& dc, const SurfaceRect& page, const CNivoraDoc& doc,
                  const CTextTabelle& texts) {
    const SurfaceRect box = HeaderBox(page);
    const int32_t x = box.left + (box.right - box.left) / 2;
    dc.SaveState();
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.SetTextAlign(HAlign::Centre, VAlign::Top);
    dc.SelectFont(FrameFont("Arial", kHeadlineFont));
    dc.TextOut({x, box.top}, texts.GetText("PLOTPAGE_HEADLINE"));
    dc.SelectFont(FrameFont("Arial", kHeadlineLinesFont));
    // Lines 400 apart would touch in a 420 font: each starts below the one
    // above, and a line wider than the box is cut with "..." to fit it.
    const int32_t step = std::max<int32_t>(kHeadlineLineStep, dc.MeasureText("0").cy);
    for (int i = 0; i < 3; ++i) {
        const std::string& line = doc.State().GetPageTexts().headlines[static_cast<std::size_t>(i)];
        if (!line.empty())
            dc.TextOut({x, box.top - kHeadlineLinesTop - i * step},
                       FitTextEnd(dc, line, box.right - box.left - kHeadlineMargin));
    }
    dc.RestoreState();
}

void DrawHeaderData(IDrawingSurface& dc, const SurfaceRect& page, const CNivoraDoc& doc,
                    const CTextTabelle& texts, CivilDate today) {
    const Variant variant = VariantOf(doc.Run().formatCode);
    if (variant == Variant::None) return;
    const bool wide = variant == Variant::A || variant == Variant::B;
    const int32_t x0 = page.left + (wide ? kWideX0 : kNarrowX0);
    const int32_t y0 = page.bottom + kHeaderDataY0;
    const HeaderInputs in{
        doc,
        texts,
        BuildLimitList(doc),
        "1:" + std::to_string(CZi4Verwaltung::SupportedLengthScale(doc.State().GetLengthScale())),
        FormatPrintDate(today),
        doc.FilePath()};
    dc.SaveState();
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.SetTextAlign(HAlign::Left, VAlign::Top);
    // The last column (values, wrapped header rows and paths) ends 2 mm before
    // the upright enclosure label's left edge (its reference point less its
    // font height), so that no row runs under the label.
    HeaderBlock block(dc, x0, y0, page.right - kEnclosureRight - kEnclosureHeight - kEnclosureGap);
    switch (variant) {
        case Variant::A:
            DrawVariantA(block, in);
            break;
        case Variant::B:
            DrawVariantB(block, in);
            break;
        case Variant::C:
            DrawVariantC(block, in);
            break;
        case Variant::D:
            DrawVariantD(block, in);
            break;
        case Variant::None:
            break;
    }
    dc.RestoreState();
}

void DrawEnclosure(IDrawingSurface& dc, const SurfaceRect& page, const std::string& label) {
    dc.SaveState();
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.SelectFont(FrameFont("Arial", kEnclosureHeight, false, kReadingUp));
    dc.SetTextAlign(HAlign::Right, VAlign::Bottom);
    dc.TextOut({page.right - kEnclosureRight, page.bottom + kEnclosureBottom}, label);
    dc.RestoreState();
}

}  // namespace

LimitList BuildLimitList(const CNivoraDoc& doc) {
    LimitList out;
    for (const ABSCHNITT& s : doc.State().SectionCache()) {
        if (s.evaluate) {
            std::string v = text::FormatFixed(s.limit / 10.0, 1);
            text::ReplaceText(v, ".0", "", true);
            out.text += v;
        } else {
            out.text += "-";
        }
        out.text += ";";
        ++out.sectionCount;
    }
    if (!out.text.empty() && out.text.back() == ';') out.text.pop_back();
    return out;
}

std::vector<std::string> NoticeLines() {
    return {program::kNoticeIntro, program::kMaker, program::kPhoneLine, program::kMailLine,
            program::kWebAddress};
}

void DrawNoticeBlock(IDrawingSurface& dc, const SurfaceRect& rect) {
    const auto lines = NoticeLines();
    dc.SaveState();
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.SetTextAlign(HAlign::Left, VAlign::Top);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0)
            dc.SelectFont(FrameFont("Arial", kTextFont, true));
        else if (i == 1)
            dc.SelectFont(FrameFont("Arial", kMakerFont));
        else if (i == 2)
            dc.SelectFont(FrameFont("Arial", kTextFont));
        dc.TextOut({rect.left + kNoticeIndent, rect.top - kNoticeBelowTop[i]}, lines[i]);
    }
    dc.RestoreState();
}

void DrawPageFrame(IDrawingSurface& dc, int page, int pageCount, const SurfaceRect& pageRect,
                   const CNivoraDoc& doc, const CTextTabelle& texts, CivilDate today) {
    DrawNoticeBlock(dc, NoticeZone(pageRect));
    DrawHeadline(dc, pageRect, doc, texts);
    if (page == 1 || doc.State().Settings().MetadatenAufFolgeseitenAn())
        DrawHeaderData(dc, pageRect, doc, texts, today);
    DrawEnclosure(dc, pageRect,
                  EnclosureLabel(texts, doc.State().Settings().nrDiagramme, page, pageCount));
}

std::string FormatPrintDate(CivilDate date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%d", date.day, date.month, date.year);
    return buf;
}

std::string EnclosureLabel(const CTextTabelle& texts, const std::string& number, int page,
                           int pageCount) {
    std::string label = texts.GetText("PLOTPAGE_ENCLOSURE") + " " + number;
    if (pageCount > 1) label += "." + std::to_string(page);
    return label;
}

std::string FitTextEnd(IDrawingSurface& dc, std::string_view text, int32_t width) {
    if (width <= 0 || Width(dc, text) <= width) return std::string(text);
    const std::size_t n = LargestFitting(text.size() - 1, [&](std::size_t k) {
        return Width(dc, std::string(text::TrimRight(text.substr(0, k))) + kEllipsis) <= width;
    });
    if (n == 0 && Width(dc, kEllipsis) > width) return {};
    return std::string(text::TrimRight(text.substr(0, n))) + kEllipsis;
}

std::string FitTextStart(IDrawingSurface& dc, std::string_view text, int32_t width) {
    if (width <= 0 || Width(dc, text) <= width) return std::string(text);
    const std::size_t n = LargestFitting(text.size() - 1, [&](std::size_t k) {
        return Width(dc, kEllipsis + std::string(text::TrimLeft(text.substr(text.size() - k)))) <=
               width;
    });
    if (n == 0 && Width(dc, kEllipsis) > width) return {};
    return kEllipsis + std::string(text::TrimLeft(text.substr(text.size() - n)));
}

}  // namespace nivora
