#pragma once
// The pieces of an evaluation page: its inputs gathered once, a pen that
// writes in the page's fonts at distances under the form's top, and the two
// halves of the form (header form; table with sums and signatures).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/AuswertungsSeiten.h"
#include "platform/DrawingSurface.h"

namespace nivora::auswertung {

// Everything a page prints: the evaluation's page and what the run adds.
struct PageData {
    explicit PageData(const EvaluationPage& p) : page(p) {}

    const EvaluationPage& page;
    std::vector<std::string> fields;  // header and footer text fields
    int32_t rangeFrom = 0, rangeTo = 0;
    std::string runMeanSpeed, runVarK;  // of the whole run
    int lengthScale = 400;
    std::string currency;
    std::string nrAusWertung;
    bool showVarK = true;
    bool numbering = false;
    bool manySpeeds = false;  // more than five selected samples with a speed
    bool lastPage = false;

    std::string Field(int n) const;

    bool NoEvaluation() const { return !page.section.evaluate; }
    bool DeductionPossible() const { return page.section.DeductionShown(); }
    bool SectionEnd() const { return page.sectionEnd; }
};

enum class FormFont { Title, Label, Value, Emphasis };
FontSpec FontOf(FormFont f);

// Horizontal positions of the form.
// Rows of the form, measured down from its top edge (0.01 mm). A row is
// 500 high; its label stands 51 below the row's top.
inline constexpr int32_t kFormRow = 500;
inline constexpr int32_t kLabelDrop = 51;
inline constexpr int32_t kMeasuredRunRow = 6900;  // "Messstrecke:", top of the bold frame
inline constexpr int32_t kLaneRow = 7400;         // "Fahrstreifen Richtung:"
inline constexpr int32_t kWholeRunRow = 7900;     // "Gesamtstrecke"
inline constexpr int32_t kSectionRow = 8400;      // "Teilabschnitt"
inline constexpr int32_t kWidthRow = 8900;        // "Fahrspurbreite [m]:"
inline constexpr int32_t kLimitRow = 9400;        // "Grenzwert ..."
inline constexpr int32_t kTableTop = 9900;        // the table header's first row

struct Columns {
    explicit Columns(int32_t fl, int32_t fr, bool numbering);
    int32_t fl, fr;
    int32_t label1, value1, client, divider, label2, contractor, value2, rightLabel, rightValue;
    // The table: station column, then p, p² and v of 1500 each, then remarks.
    int32_t station, p, p2, v, remark;
};

class FormPen {
  public:
    FormPen(IDrawingSurface& dc, int32_t ft) : m_dc(dc), m_ft(ft) {}

    int32_t Y(int32_t under) const { return m_ft - under; }

    // A text with its top at the point, aligned left, right or centred on x.
    void Text(FormFont f, int32_t x, int32_t under, std::string_view text, HAlign h = HAlign::Left);
    // The same, cut with "..." so that it ends before limitX: texts that users
    // typed must not run over the form's lines.
    void Fitted(FormFont f, int32_t x, int32_t under, std::string_view text, int32_t limitX);
    void Wide(FormFont f, int32_t x, int32_t under, std::u16string_view text);
    // Centred horizontally and vertically in a box, one line.
    void Centred(FormFont f, int32_t x1, int32_t x2, int32_t under1, int32_t under2,
                 std::string_view text);
    // On an opaque white background, so that the column lines do not cross it.
    void Opaque(FormFont f, int32_t x, int32_t under, std::string_view text);
    int32_t Width(FormFont f, std::string_view text);

    void HLine(int32_t x1, int32_t x2, int32_t under);
    void VLine(int32_t x, int32_t under1, int32_t under2);
    // Black bars 50 thick centred on the box's sides, and on an inner line.
    void BoldFrame(int32_t x1, int32_t x2, int32_t under1, int32_t under2, int32_t barUnder = -1);

  private:
    void Use(FormFont f, HAlign h);

    IDrawingSurface& m_dc;
    int32_t m_ft;
    bool m_haveFont = false;
    FormFont m_font = FormFont::Label;
    bool m_haveAlign = false;
    HAlign m_align = HAlign::Left;
};

// Windows-1252 bytes as UTF-16.
std::u16string WideText(std::string_view cp1252);
// A station as "Station 1,2345 km", a length as "1,2345" (decimetres / 10000).
std::string StationText(int32_t station);
std::string LengthText(int32_t from, int32_t to);
// "%.Nf" with a decimal comma.
std::string CommaFixed(double value, int decimals);

// In the order they are drawn: title rows, lines and labels of the header
// form; the table header; the values of the header form; the rows; the sum
// row, the totals of the run on its last page and the signature block.
void DrawHeaderForm(FormPen& pen, const Columns& c, const PageData& d);
void DrawTableHeader(FormPen& pen, const Columns& c, const PageData& d);
void DrawFormValues(FormPen& pen, const Columns& c, const PageData& d);
void DrawRows(FormPen& pen, const Columns& c, const PageData& d);
void DrawSumsAndSignatures(FormPen& pen, const Columns& c, const PageData& d);

}  // namespace nivora::auswertung
