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
    "  open DATEI    Messfahrt wie im Programm öffnen und das Dokument als JSON ausgeben\n"
    "  report DATEI  Berichtszeilen der Auswerteseiten ausgeben\n"
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

const char* const kOpen =
    "Aufruf: nivora-cli open DATEI [--mirror] [--kilometrage TEXT] [--settings DATEI]\n"
    "\n"
    "Öffnet DATEI mit ihrer Zustandsdatei (DATEI.zi4) wie das Programm Nivora und\n"
    "gibt das Dokument als JSON aus. Ohne Zustandsdatei beantworten --mirror und\n"
    "--kilometrage den Dialog \"Datenanpassungen\" (\"spiegeln\" und die\n"
    "Kilometrierung, z. B. 2500;1); sonst gilt er als mit OK bestätigt.\n"
    "--settings liest die Einstellungen aus einer INI-Datei statt aus den\n"
    "Benutzereinstellungen. Es wird nichts geschrieben.\n";

const char* const kReport =
    "Aufruf: nivora-cli report DATEI [--mirror] [--kilometrage TEXT] [--settings DATEI]\n"
    "\n"
    "Öffnet DATEI wie 'open' und gibt die Berichtszeilen der Auswerteseiten aus,\n"
    "eine je Zeile, so wie sie zum Drucken erzeugt werden.\n";

}  // namespace

namespace {

// One parser for every command: FILE once, --help, "--" ends the options;
// the options of the opening commands only where they are allowed.
int ParseArguments(const std::vector<std::string>& args, const std::string& command,
                   bool openOptions, OpenOptions& o) {
    bool havePath = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                std::cerr << "nivora-cli " << command << ": " << a << " braucht einen Wert\n";
                return false;
            }
            out = args[++i];
            return true;
        };
        const bool option = !optionsEnded && a.size() > 1 && a[0] == '-';
        if (option && (a == "--help" || a == "-h")) {
            PrintUsage(command, false);
            return 0;
        }
        if (option && a == "--") {
            optionsEnded = true;
        } else if (option && openOptions && a == "--mirror") {
            o.mirror = true;
        } else if (option && openOptions && a == "--kilometrage") {
            if (!value(o.kilometrage)) return 2;
        } else if (option && openOptions && a == "--settings") {
            if (!value(o.settingsFile)) return 2;
        } else if (option) {
            std::cerr << "nivora-cli " << command << ": unbekannte Option " << a << "\n";
            PrintUsage(command, true);
            return 2;
        } else if (havePath) {
            std::cerr << "nivora-cli " << command << ": nur eine DATEI erlaubt\n";
            return 2;
        } else {
            o.path = a;
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

}  // namespace

int ParseOpenOptions(const std::vector<std::string>& args, const std::string& command,
                     OpenOptions& o) {
    return ParseArguments(args, command, true, o);
}

int ParseFileOnly(const std::vector<std::string>& args, const std::string& command,
                  std::string& path) {
    OpenOptions o;
    const int status = ParseArguments(args, command, false, o);
    path = o.path;
    return status;
}

void PrintUsage(const std::string& command, bool toStdErr) {
    std::ostream& out = toStdErr ? std::cerr : std::cout;
    if (command == "info")
        out << kInfo;
    else if (command == "read")
        out << kRead;
    else if (command == "open")
        out << kOpen;
    else if (command == "report")
        out << kReport;
    else
        out << kProgram;
}

}  // namespace nivora::cli
