#include "view/AuswertungsFormular.h"

#include <cstdlib>

#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/TextUtil.h"
#include "view/PlotPageFrame.h"

namespace nivora::auswertung {

std::string PageData::Field(int n) const {
    return n >= 0 && n < static_cast<int>(fields.size()) ? fields[static_cast<std::size_t>(n)]
                                                         : std::string();
}

FontSpec FontOf(FormFont f) {
    switch (f) {
        case FormFont::Title:
            return {"Times New Roman", 350, 800, false, 1, 1};
        case FormFont::Label:
            return {"Times New Roman", 350, 500, false, 1, 1};
        case FormFont::Value:
            return {"Arial", 350, 500, true, 1, 1};
        case FormFont::Emphasis:
            return {"Arial", 350, 900, true, 1, 1};
    }
    return {};
}

Columns::Columns(int32_t left, int32_t right, bool numbering)
    : fl(left),
      fr(right),
      label1(left + 300),
      value1(left + 3600),
      client(left + 2500),
      divider(left + 8700),
      label2(left + 9000),
      contractor(left + 11400),
      value2(left + 12300),
      rightLabel(right - 2200),
      rightValue(right - 2050),
      station(left + (numbering ? 800 : 400)),
      p(left + (numbering ? 3800 : 3400)),
      p2(p + 1500),
      v(p + 3000),
      remark(p + 4500) {}

void FormPen::Use(FormFont f, HAlign h) {
    if (!m_haveFont || m_font != f) {
        m_dc.SelectFont(FontOf(f));
        m_font = f;
        m_haveFont = true;
    }
    if (!m_haveAlign || m_align != h) {
        m_dc.SetTextAlign(h, VAlign::Top);
        m_align = h;
        m_haveAlign = true;
    }
}

void FormPen::Text(FormFont f, int32_t x, int32_t under, std::string_view text, HAlign h) {
    if (text.empty()) return;
    Use(f, h);
    m_dc.TextOut({x, Y(under)}, text);
}

void FormPen::Fitted(FormFont f, int32_t x, int32_t under, std::string_view text, int32_t limitX) {
    if (text.empty()) return;
    Use(f, HAlign::Left);
    // A column that starts at or past its limit has no room to fit into.
    const int32_t room = limitX - x;
    m_dc.TextOut({x, Y(under)}, room > 0 ? FitTextEnd(m_dc, text, room) : std::string(text));
}

void FormPen::Wide(FormFont f, int32_t x, int32_t under, std::u16string_view text) {
    if (text.empty()) return;
    Use(f, HAlign::Left);
    m_dc.TextOutWide({x, Y(under)}, text);
}

void FormPen::Centred(FormFont f, int32_t x1, int32_t x2, int32_t under1, int32_t under2,
                      std::string_view text) {
    if (text.empty()) return;
    Use(f, m_haveAlign ? m_align : HAlign::Left);
    m_dc.DrawTextCentred({x1, Y(under1), x2, Y(under2)}, text);
}

void FormPen::Opaque(FormFont f, int32_t x, int32_t under, std::string_view text) {
    m_dc.SetBackgroundMode(BackgroundMode::Opaque);
    m_dc.SetBackgroundColour(0x00FFFFFF);
    Text(f, x, under, text);
    m_dc.SetBackgroundMode(BackgroundMode::Transparent);
}

int32_t FormPen::Width(FormFont f, std::string_view text) {
    Use(f, m_haveAlign ? m_align : HAlign::Left);
    return m_dc.MeasureText(text).cx;
}

void FormPen::HLine(int32_t x1, int32_t x2, int32_t under) {
    m_dc.MoveTo({x1, Y(under)});
    m_dc.LineTo({x2, Y(under)});
}

void FormPen::VLine(int32_t x, int32_t under1, int32_t under2) {
    m_dc.MoveTo({x, Y(under1)});
    m_dc.LineTo({x, Y(under2)});
}

void FormPen::BoldFrame(int32_t x1, int32_t x2, int32_t under1, int32_t under2, int32_t barUnder) {
    constexpr int32_t kHalf = 25;
    const int32_t top = Y(under1), bottom = Y(under2);
    m_dc.SaveState();
    m_dc.SelectPen({true, 0, 0});
    m_dc.SelectBrush({BrushSpec::Style::Solid, 0x00000000});
    auto horizontal = [&](int32_t y) {
        m_dc.Rectangle({x1 - kHalf, y + kHalf, x2 + kHalf, y - kHalf});
    };
    auto vertical = [&](int32_t x) {
        m_dc.Rectangle({x - kHalf, top + kHalf, x + kHalf, bottom - kHalf});
    };
    horizontal(top);
    horizontal(bottom);
    vertical(x1);
    vertical(x2);
    if (barUnder >= 0) horizontal(Y(barUnder));
    m_dc.RestoreState();
}

std::u16string WideText(std::string_view cp1252) {
    std::u16string out;
    out.reserve(cp1252.size());
    for (const char c : cp1252)
        out.push_back(static_cast<char16_t>(text::Cp1252CodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string CommaFixed(double value, int decimals) {
    return text::ReplacedChar(text::FormatFixed(value, decimals), '.', ',');
}

std::string StationText(int32_t station) {
    return "Station " + CommaFixed(station / 10000.0, 4) + " km";
}

std::string LengthText(int32_t from, int32_t to) {
    const long long d = static_cast<long long>(from) - to;
    return CommaFixed(static_cast<double>(d < 0 ? -d : d) / 10000.0, 4);
}

namespace {

// The values of the limit row stand a little lower than its labels.
constexpr int32_t kLimitValues = kLimitRow + 54;

void DrawTitleRows(FormPen& p, const Columns& c) {
    p.Text(FormFont::Title, c.label1, 51,
           "Ebenheitspr\xFC"
           "fung mit dem Rollstab");
    p.VLine(c.fr - 2000, 0, 1000);
    p.Centred(FormFont::Title, c.fr - 2000, c.fr, 0, 500, "Anlage");
    p.Text(FormFont::Title, c.label1, 500,
           "Diagrammauswertung nach TP Eben \x96 Ber\xFChrende Messungen (Ausgabe 2017)");
}

void DrawFormLines(FormPen& p, const Columns& c) {
    for (const int32_t under :
         {1000, 2500, 4000, 6000, kMeasuredRunRow, kLaneRow, kWholeRunRow, kWidthRow, kLimitRow})
        p.HLine(c.fl, c.fr, under);
    p.HLine(c.divider, c.fr, 5000);
    p.VLine(c.divider, 1000, 2500);
    p.VLine(c.divider, 4000, 5500);
    p.VLine(c.divider, 5500, 6000);
    p.VLine(c.divider, kMeasuredRunRow, kLaneRow);
    p.VLine(c.divider, kLaneRow, kWholeRunRow);
    p.BoldFrame(c.fl, c.fr, kMeasuredRunRow, kTableTop, kSectionRow);
}

void DrawFormLabels(FormPen& p, const Columns& c, const PageData& d) {
    const auto left = [&](int32_t row, const char* t) {
        p.Text(FormFont::Label, c.label1, row + kLabelDrop, t);
    };
    const auto right = [&](int32_t row, const char* t) {
        p.Text(FormFont::Label, c.label2, row + kLabelDrop, t);
    };
    const auto atEnd = [&](int32_t row, const char* t) {
        p.Text(FormFont::Label, c.rightLabel, row + kLabelDrop, t, HAlign::Right);
    };
    left(1000, "Auftraggeber:");
    right(1000, "Auftragnehmer:");
    left(2500, "Auftragsnummer:");
    left(3000, "Bauma\xDFnahme:");
    left(4000, "Messung durchgef\xFChrt:");
    right(4000, "Ger\xE4t:");
    left(4500, "am:");
    right(4500, "Kalibrierung g\xFCltig bis:");
    left(5000, "Temperatur/Witterung:");
    right(5000, "Ma\xDFstab der L\xE4nge:");
    right(5500, "Ma\xDFstab der H\xF6he:");
    left(6000, "Anwesend bei Messung:");
    left(kMeasuredRunRow, "Messstrecke:");
    right(kMeasuredRunRow, "Lage der Messlinie:");
    left(kLaneRow, "Fahrstreifen Richtung:");
    right(kLaneRow, "Messlinie-Nr.:");
    for (const auto& [row, title] :
         {std::pair<int32_t, const char*>{kWholeRunRow, "Gesamtstrecke"},
          std::pair<int32_t, const char*>{kSectionRow, "Teilabschnitt"}}) {
        p.Text(FormFont::Title, c.fl + 300, row + kLabelDrop, title);
        p.Text(FormFont::Label, c.fl + 3600, row + kLabelDrop, "Beginn:");
        right(row, "Ende:");
        atEnd(row, "L\xE4nge [km]:");
    }
    left(kWidthRow, "Fahrspurbreite [m]:");
    p.Text(FormFont::Label, c.fl + 4850, kWidthRow + kLabelDrop, "Fahrbahnoberfl.:");
    // v with a combining macron: one text, so nothing is drawn over another.
    p.Wide(FormFont::Label, c.label2, kWidthRow + kLabelDrop, u"Mittlere Geschw. v\u0304 [km/h]:");
    if (d.showVarK) atEnd(kWidthRow, "VarK [%]:");
    left(kLimitRow,
         "Grenzwert f\xFCr die Pr\xFC"
         "fung der Ebenheit:");
    p.Text(FormFont::Label, c.fl + 6550, 9451, "mm/2m");
    right(kLimitRow, "Faktor k:");
    atEnd(kLimitRow, "Einheitspreis [WE/m\xB2]:");
}

// A header field; the fields that may be emphasised are printed bold when
// they begin with "!", which is not printed.
void DrawField(FormPen& p, const PageData& d, int n, int32_t x, int32_t under, int32_t limitX) {
    const std::string value = d.Field(n);
    const bool plainOnly = n == 10 || n == 12 || (n >= 16 && n <= 21) || n == 24;
    if (!plainOnly && !value.empty() && value[0] == '!')
        p.Fitted(FormFont::Emphasis, x, under, std::string_view(value).substr(1), limitX);
    else
        p.Fitted(FormFont::Value, x, under, value, limitX);
}

void DrawAttachmentNumber(FormPen& p, const Columns& c, const PageData& d) {
    std::string number = d.nrAusWertung;
    if (!d.page.onlySection) number += "." + std::to_string(d.page.sectionNumber);
    if (!d.page.onlyPageInSection) number += "." + std::to_string(d.page.pageInSection);
    p.Centred(FormFont::Value, c.fr - 2000, c.fr, 500, 1000, number);
}

void DrawHeaderFields(FormPen& p, const Columns& c, const PageData& d) {
    // Typed texts end before the next line of the form to their right.
    const int32_t leftEnd = c.divider - 100, rightEnd = c.fr - 100;
    for (int i = 0; i < 3; ++i) {
        DrawField(p, d, i, c.client, 1051 + 500 * i, leftEnd);
        DrawField(p, d, 3 + i, c.contractor, 1051 + 500 * i, rightEnd);
    }
    DrawField(p, d, 6, c.value1, 2551, rightEnd);
    DrawField(p, d, 7, c.value1, 3051, rightEnd);
    DrawField(p, d, 8, c.value1, 3551, rightEnd);
    DrawField(p, d, 9, c.value1, 4051, leftEnd);
    DrawField(p, d, 23, c.value2, 4051, rightEnd);
    DrawField(p, d, 10, c.value1, 4551, leftEnd);
    DrawField(p, d, 24, c.value2, 4551, rightEnd);
    DrawField(p, d, 22, c.value1, 5051, leftEnd);
    p.Text(FormFont::Value, c.value2, 5051, "1 : " + std::to_string(d.lengthScale));
    p.Text(FormFont::Value, c.value2, 5551, "1 : 1");
    DrawField(p, d, 15, c.value1, 6051, rightEnd);
    DrawField(p, d, 26, c.value1, 6451, rightEnd);
    DrawField(p, d, 11, c.value1, 6951, leftEnd);
    DrawField(p, d, 13, c.value2, 6951, rightEnd);
    DrawField(p, d, 12, c.value1, 7451, leftEnd);
    DrawField(p, d, 14, c.value2, 7451, rightEnd);
}

void DrawSectionValues(FormPen& p, const Columns& c, const PageData& d) {
    const FormFont v = FormFont::Value;
    p.Text(v, c.fl + 4800, kWholeRunRow + kLabelDrop, StationText(d.rangeFrom));
    p.Text(v, c.fl + 9900, kWholeRunRow + kLabelDrop, StationText(d.rangeTo));
    p.Text(v, c.rightValue, kWholeRunRow + kLabelDrop, LengthText(d.rangeFrom, d.rangeTo));
    const EvaluationSection& section = d.page.section;
    const int32_t von = section.fromDm, bis = section.toDm;
    p.Text(v, c.fl + 4800, kSectionRow + kLabelDrop, StationText(von));
    p.Text(v, c.fl + 9900, kSectionRow + kLabelDrop, StationText(bis));
    p.Text(v, c.rightValue, kSectionRow + kLabelDrop, LengthText(von, bis));

    const bool none = d.NoEvaluation();
    const int32_t width = section.widthCm;
    if (none)
        p.Text(v, c.value1, kWidthRow + kLabelDrop, "-");
    else if (width > 0)
        p.Text(v, c.value1, kWidthRow + kLabelDrop, CommaFixed(width / 100.0, 2));
    p.Text(v, c.fl + 7050, kWidthRow + kLabelDrop, section.roadSurface);
    if (none)
        p.Text(v, c.fl + 12600, kWidthRow + kLabelDrop, "-");
    else if (d.manySpeeds)
        p.Text(v, c.fl + 12600, kWidthRow + kLabelDrop, section.meanSpeed);
    else
        DrawField(p, d, 25, c.fl + 12600, kWidthRow + kLabelDrop, c.fr - 100);
    if (d.showVarK) {
        const std::string& vark = section.vark;
        p.Text(v, c.rightValue, kWidthRow + kLabelDrop, none || vark.empty() ? "-" : vark);
    }

    p.Text(v, c.fl + 5900, kLimitValues, none ? "-" : CommaFixed(section.limitTenthMm / 10.0, 1));
    const bool dash = none || !d.DeductionPossible();
    p.Text(v, c.fl + 10500, kLimitValues, dash ? "-" : text::FormatFixed(section.factorK, 2));
    // The price with its unit is wider than its column: it ends 1 mm inside the frame.
    if (dash)
        p.Text(v, c.rightValue, kLimitValues, "-");
    else
        p.Text(v, c.fr - 100, kLimitValues,
               text::FormatFixed(section.unitPricePerM2, 2) + " " + d.currency + "/m\xB2",
               HAlign::Right);

    const auto carried = d.page.carriedSumMm2;
    if (carried && *carried >= 0) p.Text(v, c.p2 + 300, 11451, std::to_string(*carried));
}

}  // namespace

void DrawHeaderForm(FormPen& p, const Columns& c, const PageData& d) {
    DrawTitleRows(p, c);
    DrawFormLines(p, c);
    DrawFormLabels(p, c, d);
}

void DrawFormValues(FormPen& p, const Columns& c, const PageData& d) {
    DrawAttachmentNumber(p, c, d);
    DrawHeaderFields(p, c, d);
    DrawSectionValues(p, c, d);
}

}  // namespace nivora::auswertung
