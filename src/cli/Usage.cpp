#include "Usage.h"

#include <iostream>

namespace nivora::cli {

namespace {

const char* const kProgram =
    "Aufruf: nivora-cli BEFEHL DATEI [OPTIONEN]\n"
    "       nivora-cli --help | --version\n"
    "\n"
    "Liest Rollstab-Messdateien wie das Programm Nivora, ohne etwas zu schreiben.\n"
    "\n"
    "Befehle:\n"
    "  info DATEI    kurze Zusammenfassung der Messfahrt\n"
    "  read DATEI    Messdatei lesen und als JSON ausgeben (ohne Zustandsdatei)\n"
    "\n"
    "'nivora-cli BEFEHL --help' beschreibt einen Befehl.\n"
    "Rückgabewert: 0 gelesen, 1 abgewiesen, 2 falscher Aufruf.\n";

const char* const kInfo =
    "Aufruf: nivora-cli info DATEI\n"
    "\n"
    "Zeigt Format, Anzahl der Messwerte, erste und letzte Station, Länge,\n"
    "Grenzwert, ob die Messfahrt unvollständig ist, und die Kopfdaten.\n";

const char* const kRead =
    "Aufruf: nivora-cli read DATEI\n"
    "\n"
    "Liest DATEI mit Formaterkennung und gibt ein JSON-Objekt aus: Format,\n"
    "Grenzwert, Kopfdaten, Bereich, Messwerte, Dateizeilen und Meldungen.\n"
    "Die Zustandsdatei wird nicht gelesen, nichts wird angepasst.\n";

}  // namespace

void PrintUsage(const std::string& command, bool toStdErr) {
    std::ostream& out = toStdErr ? std::cerr : std::cout;
    if (command == "info")
        out << kInfo;
    else if (command == "read")
        out << kRead;
    else
        out << kProgram;
}

int ParseFileOnly(const std::vector<std::string>& args, const std::string& command,
                  std::string& path) {
    bool havePath = false;
    bool optionsEnded = false;
    for (const std::string& a : args) {
        if (!optionsEnded && (a == "--help" || a == "-h")) {
            PrintUsage(command, false);
            return 0;
        }
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
            std::cerr << "nivora-cli " << command << ": unbekannte Option " << a << "\n";
            PrintUsage(command, true);
            return 2;
        } else if (havePath) {
            std::cerr << "nivora-cli " << command << ": nur eine DATEI erlaubt\n";
            return 2;
        } else {
            path = a;
            havePath = true;
        }
    }
    if (!havePath) {
        std::cerr << "nivora-cli " << command << ": DATEI fehlt\n";
        PrintUsage(command, true);
        return 2;
    }
    return -1;
}

}  // namespace nivora::cli
