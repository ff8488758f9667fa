#include "Usage.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

namespace nivora::cli {

namespace {

const char* const kProgram =
    "Aufruf: nivora-cli BEFEHL DATEI [OPTIONEN]\n"
    "       nivora-cli --help | --version\n"
    "\n"
    "Liest Rollstab-Messdateien wie das Programm Nivora, ohne Mess- oder\n"
    "Zustandsdateien zu schreiben.\n"
    "\n"
    "Befehle:\n"
    "  info DATEI    kurze Zusammenfassung der Messfahrt\n"
    "  read DATEI    Messdatei lesen und als JSON ausgeben (ohne Zustandsdatei)\n"
    "  open DATEI    Messfahrt wie im Programm öffnen und das Dokument als JSON ausgeben\n"
    "  report DATEI  Berichtszeilen der Auswerteseiten ausgeben\n"
    "  render DATEI  Seiten wie gedruckt als PDF, PNG oder SVG ausgeben\n"
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

const char* const kRender =
    "Aufruf: nivora-cli render DATEI -o AUSGABE [OPTIONEN]\n"
    "\n"
    "Öffnet DATEI wie 'open' und druckt die Seiten nach AUSGABE, mit derselben\n"
    "Seitenzeichnung wie das Programm Nivora. AUSGABE mit der Endung .pdf ergibt ein\n"
    "PDF mit einer Seite je Blatt; .png oder .svg ergibt eine Datei je Seite, mit\n"
    "der Seitennummer vor der Endung (seite.png: seite-1.png, seite-2.png, ...).\n"
    "\n"
    "  -o AUSGABE         Ausgabedatei, .pdf, .png oder .svg (notwendig)\n"
    "  --evaluation       Auswerteseiten (hochkant) statt Diagrammseiten (quer)\n"
    "  --pages A-B        nur die Seiten A bis B des Drucks (--pages 3: eine Seite)\n"
    "  --strips 2|3       Streifen je Diagrammseite (Vorgabe: die gespeicherte\n"
    "                     Einstellung, sonst 3)\n"
    "  --grid             2-m-Bänder einblenden\n"
    "  --dpi N            Auflösung der PNG-Ausgabe, 1 bis 1200 (Vorgabe 150)\n"
    "  --paper A4|A3      Blattgröße (Vorgabe A4)\n"
    "  --mirror, --kilometrage TEXT, --settings DATEI   wie bei 'open'\n"
    "\n"
    "Gibt die Anzahl der geschriebenen Seiten aus. Messdatei und Zustandsdatei\n"
    "werden nicht geschrieben.\n";

}  // namespace

namespace {

enum class Allowed { FileOnly, Open, Render };

// A whole number from 1 to max, digits only.
bool ParseCount(const std::string& s, int max, int& out) {
    if (s.empty() || s.size() > 9 ||
        !std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); }))
        return false;
    const long value = std::stol(s);
    if (value < 1 || value > max) return false;
    out = static_cast<int>(value);
    return true;
}

// "N" or "A-B" with 1 <= A <= B.
bool ParsePages(const std::string& s, int& first, int& last) {
    constexpr int kMax = 999999999;
    const auto dash = s.find('-');
    if (dash == std::string::npos) {
        if (!ParseCount(s, kMax, first)) return false;
        last = first;
        return true;
    }
    return ParseCount(s.substr(0, dash), kMax, first) &&
           ParseCount(s.substr(dash + 1), kMax, last) && first <= last;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The options of the print job; false after a usage error was printed.
bool CheckRenderOutput(RenderOptions& o) {
    if (o.out.empty()) {
        std::cerr << "nivora-cli render: -o AUSGABE fehlt\n";
        PrintUsage("render", true);
        return false;
    }
    const std::string ext = Lower(std::filesystem::path(o.out).extension().string());
    if (ext == ".pdf") {
        o.format = RenderOptions::Format::Pdf;
    } else if (ext == ".png") {
        o.format = RenderOptions::Format::Png;
    } else if (ext == ".svg") {
        o.format = RenderOptions::Format::Svg;
    } else {
        std::cerr << "nivora-cli render: AUSGABE muss auf .pdf, .png oder .svg enden: " << o.out
                  << "\n";
        return false;
    }
    return true;
}

// One parser for every command: FILE once, --help, "--" ends the options;
// the options of the opening commands only where they are allowed.
int ParseArguments(const std::vector<std::string>& args, const std::string& command,
                   Allowed allowed, RenderOptions& o) {
    const bool openOptions = allowed != Allowed::FileOnly;
    const bool render = allowed == Allowed::Render;
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
        } else if (option && render && a == "-o") {
            if (!value(o.out)) return 2;
        } else if (option && render && a == "--evaluation") {
            o.evaluation = true;
        } else if (option && render && a == "--grid") {
            o.grid = true;
        } else if (option && render && a == "--pages") {
            std::string v;
            if (!value(v)) return 2;
            if (!ParsePages(v, o.firstPage, o.lastPage)) {
                std::cerr << "nivora-cli render: ungültige Seitenangabe " << v
                          << " (A-B oder N, Seiten ab 1)\n";
                return 2;
            }
        } else if (option && render && a == "--strips") {
            std::string v;
            if (!value(v)) return 2;
            if (v != "2" && v != "3") {
                std::cerr << "nivora-cli render: --strips erlaubt nur 2 oder 3, nicht " << v
                          << "\n";
                return 2;
            }
            o.strips = v[0] - '0';
        } else if (option && render && a == "--dpi") {
            std::string v;
            if (!value(v)) return 2;
            if (!ParseCount(v, RenderOptions::kMaxDpi, o.dpi)) {
                std::cerr << "nivora-cli render: --dpi braucht eine Zahl von 1 bis "
                          << RenderOptions::kMaxDpi << ", nicht " << v << "\n";
                return 2;
            }
        } else if (option && render && a == "--paper") {
            std::string v;
            if (!value(v)) return 2;
            if (Lower(v) == "a4") {
                o.paper = RenderOptions::Paper::A4;
            } else if (Lower(v) == "a3") {
                o.paper = RenderOptions::Paper::A3;
            } else {
                std::cerr << "nivora-cli render: --paper erlaubt nur A4 oder A3, nicht " << v
                          << "\n";
                return 2;
            }
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
    if (render && !CheckRenderOutput(o)) return 2;
    return -1;
}

}  // namespace

int ParseOpenOptions(const std::vector<std::string>& args, const std::string& command,
                     OpenOptions& o) {
    RenderOptions all;
    const int status = ParseArguments(args, command, Allowed::Open, all);
    o = all;
    return status;
}

int ParseRenderOptions(const std::vector<std::string>& args, RenderOptions& o) {
    return ParseArguments(args, "render", Allowed::Render, o);
}

int ParseFileOnly(const std::vector<std::string>& args, const std::string& command,
                  std::string& path) {
    RenderOptions o;
    const int status = ParseArguments(args, command, Allowed::FileOnly, o);
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
    else if (command == "render")
        out << kRender;
    else
        out << kProgram;
}

}  // namespace nivora::cli
