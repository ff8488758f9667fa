#pragma once
// The names of the state file's keys that the program reads or writes. Only
// the state object uses them; everything else asks it for typed values. Keys
// that only the full edition reads (its own limit, its flatness level) stay
// in the key table unnamed.
#include <string_view>

namespace nivora {
namespace statekey {

inline constexpr const char* kProgramVersion = "INITIIERT_MIT_PROGRAMMVERSION";
inline constexpr const char* kSpiegeln = "BOOL_SPIEGELN";
inline constexpr const char* kKilometrage = "KILOMETRIERUNG_ANGEPASST";
inline constexpr const char* kManuVonBis = "MANUVONBIS";
inline constexpr const char* kDezimeterOffset = "DEZIMETER_OFFSET";
inline constexpr const char* kKalibrierwert = "KALIBRIERWERT";
inline constexpr const char* kAbschnitte = "ABSCHNITTE";
inline constexpr const char* kStatges = "STATGES";
inline constexpr const char* kExceedances = "UEBERSCHREITUNGSDATEN_1";
inline constexpr const char* kExceedanceParameters = "UEBERSCHREITUNGSDATEN_2";
inline constexpr const char* kRemarks = "UEBERSCHREITUNGSDATEN_4";
inline constexpr const char* kExcludedAreas = "BEREICHOHNEERKENNUNGDATEN";
inline constexpr const char* kStarTexts = "STERNTEXTE";
inline constexpr const char* kFreeTexts = "FREIETEXTE";
inline constexpr const char* kAreaTexts = "BEREICHSTEXTE";
inline constexpr const char* kHeadline1 = "UBERSCHRIFT_ZEILE_1";
inline constexpr const char* kHeadline2 = "UBERSCHRIFT_ZEILE_2";
inline constexpr const char* kHeadline3 = "UBERSCHRIFT_ZEILE_3";
inline constexpr const char* kKennung = "KENNUNG";
inline constexpr const char* kKopfdaten = "KOPFDATEN";
inline constexpr const char* kKopfFussDaten = "KOPFFUSSDATEN";
inline constexpr const char* kLengthScale = "MASSSTAB_DER_LAENGE";
inline constexpr const char* kRoadSurface = "FAHRBAHN_OB2";
inline constexpr const char* kTpMaximum = "TPEBENE2017MAX";
// Numbered keys: the prefix followed by the comparison run's number 1 to 4.
inline constexpr const char* kComparisonPath = "VGL_PATH_";
inline constexpr const char* kComparisonOffset = "VGL_OFF_";
inline constexpr const char* kComparisonMirror = "VGL_MIRROR_";
// The run's copy of the settings; the colour and width keys are numbered.
inline constexpr const char* kColour = "Farben_Farbe";
inline constexpr const char* kTextColour = "Farben_TextFarbe";
inline constexpr const char* kLineWidth = "Dicken_Dicke";
inline constexpr const char* kLeftMargin = "Druck_linkerRand";
inline constexpr const char* kShowVarK = "Druck_VarKanzeigen";
inline constexpr const char* kNumbering = "Druck_Nummerierung";
inline constexpr const char* kMetadataOnFollowingPages = "Druck_MetadatenAufFolgeseiten";
inline constexpr const char* kDisplaySpeed = "Druck_DisplaySpeed";
inline constexpr const char* kNoMirrorQuestion = "Sonstiges_SpiegelabfrageAbschalten";
inline constexpr const char* kNegativeAsZero = "NEGWERTENULL";
inline constexpr const char* kCurrency = "Sonstiges_Waerung";
inline constexpr const char* kEvaluationAnnexNumber = "ANLAGENNUMMER_AUSWERTUNGSSEITEN";
inline constexpr const char* kDiagramAnnexNumber = "ANLAGENNUMMER_DIAGRAMMSEITEN";

}  // namespace statekey

// Every key above; a numbered key is listed by its prefix.
struct StateKeyName {
    std::string_view name;
    bool numbered = false;
};
inline constexpr StateKeyName kStateKeys[] = {
    {statekey::kProgramVersion},
    {statekey::kSpiegeln},
    {statekey::kKilometrage},
    {statekey::kManuVonBis},
    {statekey::kDezimeterOffset},
    {statekey::kKalibrierwert},
    {statekey::kAbschnitte},
    {statekey::kStatges},
    {statekey::kExceedances},
    {statekey::kExceedanceParameters},
    {statekey::kRemarks},
    {statekey::kExcludedAreas},
    {statekey::kStarTexts},
    {statekey::kFreeTexts},
    {statekey::kAreaTexts},
    {statekey::kHeadline1},
    {statekey::kHeadline2},
    {statekey::kHeadline3},
    {statekey::kKennung},
    {statekey::kKopfdaten},
    {statekey::kKopfFussDaten},
    {statekey::kLengthScale},
    {statekey::kRoadSurface},
    {statekey::kTpMaximum},
    {statekey::kComparisonPath, true},
    {statekey::kComparisonOffset, true},
    {statekey::kComparisonMirror, true},
    {statekey::kColour, true},
    {statekey::kTextColour, true},
    {statekey::kLineWidth, true},
    {statekey::kLeftMargin},
    {statekey::kShowVarK},
    {statekey::kNumbering},
    {statekey::kMetadataOnFollowingPages},
    {statekey::kDisplaySpeed},
    {statekey::kNoMirrorQuestion},
    {statekey::kNegativeAsZero},
    {statekey::kCurrency},
    {statekey::kEvaluationAnnexNumber},
    {statekey::kDiagramAnnexNumber},
};

}  // namespace nivora
