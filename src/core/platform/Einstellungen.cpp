#include "platform/Einstellungen.h"

#include "platform/SettingsStore.h"

namespace nivora {

void CEinstellungen::ResetToDefaults() {
    farbe = kDefaultColours;
    for (int k = 0; k < kTextColours; ++k)
        textFarbe[static_cast<std::size_t>(k)] = kDefaultColours[static_cast<std::size_t>(k)];
    dicke.fill(10);
    linkerRand = 0;
    varKanzeigen = 1;
    nummerierung = 0;
    metadatenAufFolgeseiten = 0;
    displaySpeed = 1;
    spiegelabfrageAbschalten = 0;
    checkNegativ = 0;
    nrAusWertung = "1";
    nrDiagramme = "2";
    waerung = 0;
}

void CEinstellungen::ReadFromStore(const ISettingsStore& store) {
    auto readInt = [&store](const char* section, const std::string& entry, auto& field) {
        if (const auto v = store.ReadInt(section, entry))
            field = static_cast<std::remove_reference_t<decltype(field)>>(*v);
    };
    for (int k = 0; k < kColours; ++k) {
        readInt("Farben", "Farbe" + std::to_string(k), farbe[static_cast<std::size_t>(k)]);
        readInt("Dicken", "Dicke" + std::to_string(k), dicke[static_cast<std::size_t>(k)]);
    }
    for (int k = 0; k < kTextColours; ++k)
        readInt("Farben", "TextFarbe" + std::to_string(k), textFarbe[static_cast<std::size_t>(k)]);
    readInt("Druck", "linkerRand", linkerRand);
    readInt("Druck", "VarKanzeigen", varKanzeigen);
    readInt("Druck", "Nummerierung", nummerierung);
    readInt("Druck", "MetadatenAufFolgeseiten", metadatenAufFolgeseiten);
    readInt("Druck", "DisplaySpeed", displaySpeed);
    readInt("Sonstiges", "SpiegelabfrageAbschalten", spiegelabfrageAbschalten);
    readInt("Sonstiges", "CheckNegativ", checkNegativ);
    if (const auto t = store.ReadText("Sonstiges", "NrAusWertung")) nrAusWertung = *t;
    if (const auto t = store.ReadText("Sonstiges", "NrDiagramme")) nrDiagramme = *t;
    readInt("Sonstiges", "Waerung", waerung);
}

uint32_t CEinstellungen::Colour(int k) const {
    return k >= 0 && k < kColours ? farbe[static_cast<std::size_t>(k)] : farbe[0];
}

uint32_t CEinstellungen::TextColour(int k) const {
    return k >= 0 && k < kTextColours ? textFarbe[static_cast<std::size_t>(k)] : textFarbe[0];
}

int32_t CEinstellungen::Width(int k) const {
    return k >= 0 && k < kColours ? dicke[static_cast<std::size_t>(k)] : dicke[0];
}

}  // namespace nivora
