#pragma once
// The list of the evaluation dialog "Auswertung Überschreitungen und Abzüge":
// exceedance rows interleaved with the excluded areas and divided into route
// sections by separator rows. Plain data; the desktop program draws it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "document/Texte.h"
#include "document/UeberschreitungsListe.h"

namespace nivora {

struct AUSWERTUNGSZEILE {
    enum class Kind { Exceedance, Area, Separator };
    Kind kind = Kind::Separator;
    std::array<std::string, 14> fields;
};

struct AuswertungsSpalte {
    const char* heading;  // Windows-1252
    int width;            // pixels
    int field;
};

class CAuswertungsListe {
  public:
    using SectionLookup = std::function<std::pair<int, int>(int32_t station)>;

    static const std::vector<AuswertungsSpalte>& Columns();
    static constexpr const char* kSettingsEntry = "AuswertungDlg";

    // pages: the page of each exceedance in list order, as the view's paging
    // gives it; without it the page column shows the records' own page.
    void Fill(const UeberschreitungsListe& exceedances, const SectionLookup& sectionNumberAndWidth,
              const std::vector<BEREICH_OHNE_ERKENNUNG_DATEN>& areas,
              const std::vector<int>& pages = {});

    const std::vector<AUSWERTUNGSZEILE>& Rows() const { return m_rows; }
    // Text of a cell as shown; line breaks of the remark show as blanks.
    std::string CellText(std::size_t row, int column) const;
    // Not counted rows are drawn grey and struck through.
    static bool IsCounted(const AUSWERTUNGSZEILE& row);

    // Colours of a row as 0x00BBGGRR.
    struct RowStyle {
        uint32_t background;
        uint32_t text;
        bool strikeThrough;
        uint32_t strikeColour;
    };
    static RowStyle StyleOf(const AUSWERTUNGSZEILE& row, bool selected);

  private:
    std::vector<AUSWERTUNGSZEILE> m_rows;
};

}  // namespace nivora
