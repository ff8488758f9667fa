#pragma once
// The display and print settings: diagram colours and pen widths, print
// options, enclosure numbers and the currency. The application holds one
// block read from the settings store; every run carries its own copy from
// its state file.
#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

namespace nivora {

class ISettingsStore;

class CEinstellungen {
  public:
    static constexpr int kColours = 9;
    static constexpr int kTextColours = 6;
    // Colours are 0x00BBGGRR, widths and margins 0.01 mm, flags 0 or 1.
    static constexpr std::array<uint32_t, kColours> kDefaultColours = {
        0, 12583104, 7935, 12459520, 33023, 65280, 32768, 16744448, 12632256};

    CEinstellungen() { ResetToDefaults(); }
    void ResetToDefaults();
    // Every entry missing or unreadable in the store keeps the current value.
    void ReadFromStore(const ISettingsStore& store);

    uint32_t Colour(int k) const;
    uint32_t TextColour(int k) const;  // an index outside 0..5 gives TextFarbe0
    int32_t Width(int k) const;

    // The fields, in the order of the block.
    std::array<uint32_t, kColours> farbe{};
    std::array<uint32_t, kTextColours> textFarbe{};
    std::array<int32_t, kColours> dicke{};
    int32_t linkerRand = 0;
    int32_t varKanzeigen = 1;
    int32_t nummerierung = 0;
    int32_t metadatenAufFolgeseiten = 0;
    int32_t displaySpeed = 1;
    int32_t spiegelabfrageAbschalten = 0;
    int32_t checkNegativ = 0;
    std::string nrAusWertung = "1";
    std::string nrDiagramme = "2";
    int32_t waerung = 0;

    bool VarKAnzeigen() const { return varKanzeigen == 1; }
    bool NummerierungAn() const { return nummerierung == 1; }
    bool MetadatenAufFolgeseitenAn() const { return metadatenAufFolgeseiten == 1; }
    bool DisplaySpeedAn() const { return displaySpeed == 1; }
    bool CheckNegativAn() const { return checkNegativ == 1; }
    // "CHF" for the currency setting 1, "EUR" otherwise.
    std::string Currency() const { return waerung == 1 ? "CHF" : "EUR"; }

    bool operator==(const CEinstellungen&) const = default;
};

}  // namespace nivora
