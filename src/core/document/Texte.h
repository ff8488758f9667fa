#pragma once
// Texts placed in the diagram and the areas excluded from the recognition of
// exceedances, with their "_"-list encodings in the state file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nivora {

class CMessFahrtDaten;

// A star text (an edited sample comment) or a free text.
struct TEXTDATEN {
    int32_t station = 0;      // dm
    int32_t fileStation = 0;  // dm, before the kilometrage adjustment; 0 for free texts
    std::string text;
    int32_t colour = 0;  // index of TextFarbe0 .. TextFarbe5
};

// An area text.
struct BEREICHSTEXTDATEN {
    int32_t from = 0;  // dm
    int32_t to = 0;    // dm
    std::string text;
    int32_t colour = 0;
};

// An area excluded from the recognition of exceedances; the stations may
// stand in either order, the text's lines are separated by "{{CRLF}}".
struct BEREICH_OHNE_ERKENNUNG_DATEN {
    int32_t from = 0;
    int32_t to = 0;
    std::string text;
};

// Star texts: one per marked working sample, its comment or "(%.1lf)" of the
// station in metres, then replaced by the STERNTEXTE pair of the same station.
std::vector<TEXTDATEN> BuildStarTexts(const CMessFahrtDaten& run, std::string_view sterntexte);

// Decoding of the key values; malformed numbers read as 0, reading stops at
// the first empty station field.
std::vector<TEXTDATEN> DecodeTexts(std::string_view value);              // FREIETEXTE
std::vector<BEREICHSTEXTDATEN> DecodeAreaTexts(std::string_view value);  // BEREICHSTEXTE
std::vector<BEREICH_OHNE_ERKENNUNG_DATEN> DecodeExcludedAreas(std::string_view value);

// Encoding for writing back: "%ld_%s<%d>_" per text, "%ld_%ld_%s<%d>_" per
// area text, "%ld_%ld_%s" per excluded area joined by "_".
std::string EncodeTexts(const std::vector<TEXTDATEN>& texts);  // STERNTEXTE, FREIETEXTE
std::string EncodeAreaTexts(const std::vector<BEREICHSTEXTDATEN>& texts);
std::string EncodeExcludedAreas(const std::vector<BEREICH_OHNE_ERKENNUNG_DATEN>& areas);

// The document's four lists: built when a run is opened, written back and
// emptied when the document's contents are discarded.
class CTextListen {
  public:
    // The values to store under STERNTEXTE, FREIETEXTE, BEREICHSTEXTE and
    // BEREICHOHNEERKENNUNGDATEN.
    struct Values {
        std::string sterntexte;
        std::string freietexte;
        std::string bereichstexte;
        std::string bereichOhneErkennung;
    };

    // Replaces all four lists: star texts from the run's working samples
    // (after its range and correction are set) and the key values.
    void Load(const CMessFahrtDaten& run, std::string_view sterntexte, std::string_view freietexte,
              std::string_view bereichstexte, std::string_view bereichOhneErkennung);

    // The four lists encoded for the key table; the lists are emptied.
    Values Discard();

    const std::vector<TEXTDATEN>& StarTexts() const { return m_starTexts; }
    const std::vector<TEXTDATEN>& FreeTexts() const { return m_freeTexts; }
    const std::vector<BEREICHSTEXTDATEN>& AreaTexts() const { return m_areaTexts; }
    const std::vector<BEREICH_OHNE_ERKENNUNG_DATEN>& ExcludedAreas() const {
        return m_excludedAreas;
    }

  private:
    std::vector<TEXTDATEN> m_starTexts;
    std::vector<TEXTDATEN> m_freeTexts;
    std::vector<BEREICHSTEXTDATEN> m_areaTexts;
    std::vector<BEREICH_OHNE_ERKENNUNG_DATEN> m_excludedAreas;
};

}  // namespace nivora
