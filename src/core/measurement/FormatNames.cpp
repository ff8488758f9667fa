#include "measurement/FormatNames.h"

#include "text/Cp1252.h"

namespace nivora {

std::string FormatName(int code) {
    switch (code) {
        case 1:
            return text::W("Textausdruck");
        case 3:
            return text::W("Semikolonliste mit Datum, vier Felder");
        case 4:
            return text::W("Messdatensatzliste ROLLSTAB");
        case 5:
            return text::W("Grenzwertliste");
        case 6:
            return text::W("Straßenliste");
        case 7:
            return text::W("Semikolonliste mit Datum, fünf Felder mit Breite");
        case 1001:
            return text::W("Gerätedatei PM01BS01");
        case 1002:
            return text::W("Gerätedatei PM01BS02");
        case 1003:
            return text::W("Datum-Liste mit Spaltenköpfen");
        default:
            return text::W("unbekannt");
    }
}

}  // namespace nivora
