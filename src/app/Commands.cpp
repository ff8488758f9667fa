#include "Commands.h"

#include <map>

namespace nivora::app {

namespace {

struct Texts {
    const char* prompt;
    const char* tooltip;
};

const std::map<int, Texts>& Table() {
    static const std::map<int, Texts> table = {
        {kOpen, {"Öffnet ein bestehendes Dokument.", "Öffnen"}},
        {kClose, {"Schließt das aktive Dokument.", ""}},
        {kPrintSetup, {"Ändert den Drucker und die Druckoptionen.", ""}},
        {kRecentFile, {"Öffnet dieses Dokument.", ""}},
        {kNewWindow, {"Öffnet ein weiteres Fenster für das aktive Dokument.", ""}},
        {kArrangeIcons, {"Ordnet die Symbole im unteren Bereich des Fensters an.", ""}},
        {kCascade, {"Ordnet die Fenster überlappend an.", ""}},
        {kTileHorizontal, {"Ordnet die Fenster nebeneinander an.", ""}},
        {kTileVertical, {"Ordnet die Fenster nebeneinander an.", ""}},
        {kExit, {"Verlässt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.", ""}},
        {kToolbar, {"Blendet die Symbolleiste ein oder aus.", ""}},
        {kStatusBar, {"Blendet die Statusleiste ein oder aus.", ""}},
        {kFileViewer, {"Datei-Viewer ein-/ausblenden.", "Datei-Viewer ein-/ausblenden"}},
        {kDefaultsForNewRuns, {"Vorgaben für neue Fahrten", ""}},
        {kRepositionBars, {"Repositioniert die beiden Menüleisten an ihre normale Stelle.", ""}},
        {kAbout, {"Zeigt Programm-, Versions- und Herstellerangaben an.", ""}},
        {kPageBack, {"Eine Seite zurück", "Seite zurück"}},
        {kPageForward, {"Eine Seite weiter", "Seite weiter"}},
        {kZoomStep, {"Zoomstufe weiter schalten", "Zoom"}},
        {kToggleStrips,
         {"Diagrammansicht mit 2 oder 3 Streifen umschalten", "Diagrammansicht 2/3 Streifen"}},
        {kToggleGrid, {"2m-Raster ein-/ausblenden", "2m-Raster ein-/ausblenden"}},
        {kPrintDiagram, {"Diagramm Drucken", "Diagramm Drucken"}},
        {kPreviewDiagram, {"Seitenansicht für Diagramm öffnen", "Seitenansicht"}},
        {kPrintEvaluation, {"Auswertung drucken", ""}},
        {kPreviewEvaluation, {"Seitenansicht der Auswertung öffnen", "Seitenansicht Auswertung"}},
        {kPrint, {"Druckt das aktive Dokument.", ""}},
        {kPreview, {"Zeigt ganze Seiten an.", ""}},
        {kSections, {"Streckenabschnitte bearbeiten", ""}},
        {kEvaluation, {"Auswertung anzeigen/bearbeiten", ""}},
        {kResetColumnWidths, {"Fensterlayout zurücksetzen", ""}},
        {kNextWindow, {"Wechselt zum nächsten Fenster.", ""}},
        {kPreviousWindow, {"Wechselt zum vorigen Fenster.", ""}},
        {kFirstPage, {"Zeigt die erste Seite des Diagramms.", "Erste Seite"}},
        {kLastPage, {"Zeigt die letzte Seite des Diagramms.", "Letzte Seite"}},
        {kGoToStation,
         {"Zeigt die Seite mit einer eingegebenen Station und markiert die Station.",
          "Gehe zu Station"}},
        {kNextExceedance,
         {"Zeigt die nächste Überschreitung in Fahrtrichtung und hebt sie hervor.",
          "Nächste Überschreitung (F3)"}},
        {kPreviousExceedance,
         {"Zeigt die vorige Überschreitung gegen die Fahrtrichtung und hebt sie hervor.",
          "Vorige Überschreitung (Umschalt+F3)"}},
        {kOverviewBar,
         {"Blendet die Übersichtsleiste über dem Diagramm ein oder aus.", "Übersichtsleiste"}},
        {32780, {"", "Messungskommentare"}},
        {32813, {"", "Messungskopfdaten bearbeiten"}},
        {32807, {"", "freien Text einfügen"}},
        {32799, {"", "freie Textboxen bearbeiten"}},
        {32808, {"", "Berichstext einfügen"}},
        {32809, {"", "Bereichstexte bearbeiten"}},
        {32830, {"", "Bereich bestimmen, der aus der Auswertung rausgenommen werden soll"}},
    };
    return table;
}

}  // namespace

QString Prompt(int command) {
    const auto it = Table().find(command);
    return it == Table().end() ? QString() : QString::fromUtf8(it->second.prompt);
}

QString Tooltip(int command) {
    const auto it = Table().find(command);
    return it == Table().end() ? QString() : QString::fromUtf8(it->second.tooltip);
}

}  // namespace nivora::app
