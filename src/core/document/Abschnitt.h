#pragma once
// Route sections: stretches of the evaluated range with their own width,
// limit, factor k, unit price and road surface. A section is stored by the
// station at which it begins; it ends where the next one begins.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nivora {

class CMessFahrtDaten;

// A route section: the record of the section list, of the state object's
// section cache, of the dialogs, the evaluation and the drawing.
struct ABSCHNITT {
    int firstIndex = 0;  // first working sample of the section
    int endIndex = 0;    // one past its last sample
    int32_t from = 0;    // dm
    int32_t to = 0;      // dm
    int32_t width = 0;   // cm
    int32_t limit = 0;   // tenths of a millimetre; 0: no limit
    int32_t value3 = 10;
    std::string factorK;    // as stored; FactorK() reads it
    std::string unitPrice;  // as stored; UnitPrice() reads it
    bool evaluate = true;
    std::string roadSurface;
    std::string meanSpeed, stdDev, vark;

    // How the evaluate flag is read: the section list takes any non-zero
    // number, the state object's cache only the exact text "1".
    enum class FlagRule { NonZero, ExactlyOne };

    // "%d|%d|%s|%d|%s|%s|%d|%s|%s|%s|%s", the limit empty when not above 0.
    std::string Encode() const;
    // Reads the eleven fields; the indices and the to station keep their values.
    void Decode(std::string_view text, FlagRule rule = FlagRule::NonZero);
    bool Contains(int32_t station) const;
    // "%s|%s|%s" of mean speed, standard deviation and VarK.
    std::string StatisticsText() const;
    double FactorK() const;    // with a decimal point
    double UnitPrice() const;  // with a decimal point or comma
};

// The groups of an ABSCHNITTE text, each decoded by the rule.
std::vector<ABSCHNITT> DecodeSections(std::string_view text, ABSCHNITT::FlagRule rule);

class AbschnittListe {
  public:
    void Decode(std::string_view text, int32_t rangeFrom, int32_t rangeTo);
    std::string Encode() const;
    void Normalize();
    void UpdateStatistics(const CMessFahrtDaten& run);

    std::vector<ABSCHNITT> sections;
    int32_t rangeFrom = 0;
    int32_t rangeTo = 0;
    bool ascending = true;
};

// Statistics of the working samples of a section; exclusions (may be null)
// leave out the samples that lie in sections that are not evaluated.
void ComputeSpeedStatistics(const CMessFahrtDaten& run, ABSCHNITT& section,
                            const AbschnittListe* exclusions);
// Finds the sample indices of a section from its stations, then its statistics.
void LocateSection(const CMessFahrtDaten& run, ABSCHNITT& section);
// LocateSection for every section of a list. The samples are indexed once and
// each section is then located in logarithmic time, so long lists stay fast.
void LocateSections(const CMessFahrtDaten& run, std::vector<ABSCHNITT>& sections);
// The whole run as one section record with its statistics.
void WholeRunStatistics(const CMessFahrtDaten& run, ABSCHNITT& whole,
                        const AbschnittListe* exclusions);
// Default sections from the changes of width and limit along the run.
void BuildDefaultSections(const CMessFahrtDaten& run, ABSCHNITT& whole, AbschnittListe& list);

// The route sections of a run when it is opened: built from the run when
// ABSCHNITTE is empty, else clipped to the range and matched to the run.
struct SectionsAtOpening {
    std::string abschnitte;
    std::string statges;  // the new STATGES, when statgesChanged
    bool statgesChanged = false;
};
SectionsAtOpening ComputeSectionsAtOpening(const CMessFahrtDaten& run,
                                           const std::string& abschnitte, int32_t rangeFrom,
                                           int32_t rangeTo);

}  // namespace nivora
