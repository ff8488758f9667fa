#include "Commands.h"

#include <algorithm>

namespace nivora::app {

namespace {

using E = Enabled;

constexpr CommandRow kRows[] = {
    // Files and printing.
    {.id = kOpen,
     .text = "Ö&ffnen...",
     .keyText = "Strg+O",
     .keys = {Qt::CTRL | Qt::Key_O},
     .prompt = "Öffnet ein bestehendes Dokument.",
     .tooltip = "Öffnen",
     .icon = Glyph::Open,
     .enabled = E::Always},
    {.id = kClose,
     .text = "&Schließen",
     .prompt = "Schließt das aktive Dokument.",
     .enabled = E::Always},
    {.id = kPrintDiagram,
     .text = "&Drucken...",
     .keyText = "Strg+P",
     .prompt = "Diagramm Drucken",
     .tooltip = "Diagramm Drucken",
     .icon = Glyph::Print,
     .enabled = E::WithWindow},
    {.id = kPreviewDiagram,
     .text = "Sei&tenansicht",
     .prompt = "Seitenansicht für Diagramm öffnen",
     .tooltip = "Seitenansicht",
     .icon = Glyph::Preview,
     .enabled = E::WithWindow},
    {.id = kPrintSetup,
     .text = "Drucker&einrichtung...",
     .prompt = "Ändert den Drucker und die Druckoptionen.",
     .enabled = E::Always},
    {.id = kDefaultsForNewRuns,
     .text = "Vorgaben für neue Fahrten",
     .prompt = "Vorgaben für neue Fahrten"},
    {.id = kResetState, .text = "Bearbeitungsstand  auf Ursprung zurücksetzen ..."},
    {.id = kRecentFile, .text = "Letzte Datei", .prompt = "Öffnet dieses Dokument."},
    {.id = kExit,
     .text = "&Beenden",
     .prompt = "Verlässt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.",
     .enabled = E::Always},
    // Keys of the view without a menu entry, and the print commands of the current mode.
    {.id = kPageBackKey, .keys = {Qt::Key_PageUp}, .enabled = E::Always},
    {.id = kPageForwardKey, .keys = {Qt::Key_PageDown}, .enabled = E::Always},
    {.id = kPrint,
     .keys = {Qt::CTRL | Qt::Key_P},
     .prompt = "Druckt das aktive Dokument.",
     .enabled = E::Always},
    {.id = kPreview, .prompt = "Zeigt ganze Seiten an.", .enabled = E::Always},
    {.id = kStateFileInEditor, .keys = {Qt::Key_ScrollLock}, .enabled = E::Always},

    // The bars and the view.
    {.id = kToolbar,
     .text = "&Symbolleiste",
     .prompt = "Blendet die Symbolleiste ein oder aus.",
     .checkable = true,
     .enabled = E::Always},
    {.id = kStatusBar,
     .text = "S&tatusleiste",
     .prompt = "Blendet die Statusleiste ein oder aus.",
     .checkable = true,
     .enabled = E::Always},
    {.id = kResetColumnWidths,
     .text = "&Fensterlayout zurücksetzen",
     .prompt = "Fensterlayout zurücksetzen",
     .enabled = E::Always},
    {.id = kRepositionBars,
     .text = "Repositioniere Menüleisten",
     .prompt = "Repositioniert die beiden Menüleisten an ihre normale Stelle.",
     .enabled = E::Always},
    {.id = kFileViewer,
     .text = "Datei-Viewer ein-/ausblenden",
     .prompt = "Datei-Viewer ein-/ausblenden.",
     .tooltip = "Datei-Viewer ein-/ausblenden",
     .icon = Glyph::FileViewer,
     .checkable = true,
     .enabled = E::Always},
    {.id = kZoomStep,
     .text = "Zoom",
     .prompt = "Zoomstufe weiter schalten",
     .tooltip = "Zoom",
     .icon = Glyph::Zoom,
     .enabled = E::WithWindow},
    {.id = kPageBack,
     .text = "Seite zurück",
     .prompt = "Eine Seite zurück",
     .tooltip = "Seite zurück",
     .icon = Glyph::PageBack,
     .enabled = E::WithWindow},
    {.id = kPageForward,
     .text = "Seite weiter",
     .prompt = "Eine Seite weiter",
     .tooltip = "Seite weiter",
     .icon = Glyph::PageForward,
     .enabled = E::WithWindow},
    {.id = kToggleGrid,
     .text = "2m-Raster ein-/ausblenden",
     .prompt = "2m-Raster ein-/ausblenden",
     .tooltip = "2m-Raster ein-/ausblenden",
     .icon = Glyph::Grid,
     .checkable = true,
     .enabled = E::WithWindow},
    {.id = kToggleStrips,
     .text = "Diagrammansicht 2/3 Streifen",
     .prompt = "Diagrammansicht mit 2 oder 3 Streifen umschalten",
     .tooltip = "Diagrammansicht 2/3 Streifen",
     .icon = Glyph::Strips,
     .enabled = E::WithWindow},

    // Finding one's way.
    {.id = kFirstPage,
     .text = "&Erste Seite",
     .keyText = "Pos1",
     .keys = {Qt::Key_Home, Qt::CTRL | Qt::Key_Home},
     .prompt = "Zeigt die erste Seite des Diagramms.",
     .tooltip = "Erste Seite",
     .enabled = E::WithActiveView},
    {.id = kLastPage,
     .text = "&Letzte Seite",
     .keyText = "Ende",
     .keys = {Qt::Key_End, Qt::CTRL | Qt::Key_End},
     .prompt = "Zeigt die letzte Seite des Diagramms.",
     .tooltip = "Letzte Seite",
     .enabled = E::WithActiveView},
    {.id = kGoToStation,
     .text = "&Gehe zu Station...",
     .keyText = "Strg+G",
     .keys = {Qt::CTRL | Qt::Key_G},
     .prompt = "Zeigt die Seite mit einer eingegebenen Station und markiert die Station.",
     .tooltip = "Gehe zu Station",
     .enabled = E::WithActiveView},
    {.id = kNextExceedance,
     .text = "&Nächste Überschreitung",
     .keyText = "F3",
     .keys = {Qt::Key_F3},
     .prompt = "Zeigt die nächste Überschreitung in Fahrtrichtung und hebt sie hervor.",
     .tooltip = "Nächste Überschreitung (F3)",
     .icon = Glyph::NextExceedance,
     .enabled = E::WithExceedances},
    {.id = kPreviousExceedance,
     .text = "&Vorige Überschreitung",
     .keyText = "Umschalt+F3",
     .keys = {Qt::SHIFT | Qt::Key_F3},
     .prompt = "Zeigt die vorige Überschreitung gegen die Fahrtrichtung und hebt sie hervor.",
     .tooltip = "Vorige Überschreitung (Umschalt+F3)",
     .icon = Glyph::PreviousExceedance,
     .enabled = E::WithExceedances},
    {.id = kOverviewBar,
     .text = "Ü&bersichtsleiste",
     .prompt = "Blendet die Übersichtsleiste über dem Diagramm ein oder aus.",
     .tooltip = "Übersichtsleiste",
     .checkable = true,
     .enabled = E::Always},

    // Settings of the run, all of the full edition.
    {.id = kRunSettings, .text = "Einstellungen für die Fahrt"},
    {.id = kComparisonRuns, .text = "&Vergleichsfahrten"},
    {.id = kEditComments,
     .text = "Messungskommentare bearbeiten",
     .tooltip = "Messungskommentare",
     .icon = Glyph::Comments},
    {.id = kEditHeaderData,
     .text = "Messungskopfdaten bearbeiten",
     .tooltip = "Messungskopfdaten bearbeiten",
     .icon = Glyph::HeaderData},
    {.id = kInsertFreeText,
     .text = "freien Text einfügen",
     .tooltip = "freien Text einfügen",
     .icon = Glyph::FreeText},
    {.id = kEditFreeTexts,
     .text = "freie Texte bearbeiten",
     .tooltip = "freie Textboxen bearbeiten",
     .icon = Glyph::FreeTexts},
    {.id = kInsertAreaText,
     .text = "Bereichstext einfügen",
     .tooltip = "Berichstext einfügen",
     .icon = Glyph::AreaText},
    {.id = kEditAreaTexts,
     .text = "Bereichstexte bearbeiten",
     .tooltip = "Bereichstexte bearbeiten",
     .icon = Glyph::AreaTexts},
    {.id = kEditHeadings, .text = "Überschriften bearbeiten"},
    {.id = kMeasuringPoints, .text = "darzustellende Messstellen"},
    {.id = kScale100, .text = "1 : 100"},
    {.id = kScale200, .text = "1 : 200"},
    {.id = kScale400, .text = "1 : 400"},
    {.id = kScale1000, .text = "1 : 1000"},
    {.id = kScale2000, .text = "1 : 2000"},
    {.id = kScale5000, .text = "1 : 5000"},
    {.id = kExcludeRange,
     .text = "Bereich bestimmen",
     .tooltip = "Bereich bestimmen, der aus der Auswertung rausgenommen werden soll",
     .icon = Glyph::ExcludeRange},

    // Sections and the evaluation.
    {.id = kSections,
     .text = "Streckenabschnitte bearbeiten",
     .prompt = "Streckenabschnitte bearbeiten",
     .enabled = E::Always},
    {.id = kAutoDetection, .text = "Automatische Erkennung"},
    {.id = kEvaluation,
     .text = "Auswertung anzeigen/bearbeiten",
     .prompt = "Auswertung anzeigen/bearbeiten",
     .enabled = E::Always},
    {.id = kPrintTexts, .text = "Kopf-/Fußtexte für den Ausdruck"},
    {.id = kPreviewEvaluation,
     .text = "Seitenansicht Auswertung",
     .prompt = "Seitenansicht der Auswertung öffnen",
     .tooltip = "Seitenansicht Auswertung",
     .icon = Glyph::EvaluationPreview,
     .enabled = E::WithWindow},
    {.id = kPrintEvaluation,
     .text = "Auswertung drucken",
     .prompt = "Auswertung drucken",
     .enabled = E::Always},

    // Windows and help.
    {.id = kNewWindow,
     .text = "Neues &Fenster",
     .prompt = "Öffnet ein weiteres Fenster für das aktive Dokument.",
     .enabled = E::Always},
    {.id = kCascade,
     .text = "Über&lappend",
     .prompt = "Ordnet die Fenster überlappend an.",
     .enabled = E::Always},
    {.id = kTileVertical,
     .text = "&Nebeneinander",
     .prompt = "Ordnet die Fenster nebeneinander an.",
     .enabled = E::Always},
    {.id = kTileHorizontal,
     .text = "&Übereinander",
     .prompt = "Ordnet die Fenster nebeneinander an.",
     .enabled = E::Always},
    {.id = kArrangeIcons,
     .text = "&Symbole anordnen",
     .prompt = "Ordnet die Symbole im unteren Bereich des Fensters an.",
     .enabled = E::Always},
    // Switching documents as multiple-document programs do.
    {.id = kNextWindow,
     .keys = {Qt::CTRL | Qt::Key_Tab},
     .prompt = "Wechselt zum nächsten Fenster.",
     .enabled = E::Always},
    {.id = kPreviousWindow,
     .keys = {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab},
     .prompt = "Wechselt zum vorigen Fenster.",
     .enabled = E::Always},
    {.id = kAbout,
     .text = "Inf&o über Nivora...",
     .prompt = "Zeigt Programm-, Versions- und Herstellerangaben an.",
     .enabled = E::Always},
};

using K = MenuItem::Kind;
constexpr MenuItem kSeparator{K::Separator};
constexpr MenuItem kRecentFiles{K::RecentFiles};

// One group of entries a line, each ending with its separator.
// clang-format off
constexpr MenuItem kFileNoDocument[] = {
    kOpen, kSeparator,
    kPrintSetup, kSeparator,
    kDefaultsForNewRuns, kSeparator,
    kRecentFiles, kSeparator,
    kExit};
constexpr MenuItem kViewNoDocument[] = {kToolbar, kStatusBar};
constexpr MenuItem kHelp[] = {kAbout};

// The full edition's export entry stands between the first two separators;
// the gap stays.
constexpr MenuItem kFile[] = {
    kOpen, kClose, kSeparator,
    kSeparator,
    kPrintDiagram, kPreviewDiagram, kPrintSetup, kSeparator,
    kDefaultsForNewRuns, kSeparator,
    kResetState, kSeparator,
    kRecentFiles, kSeparator,
    kExit};
constexpr MenuItem kView[] = {
    kToolbar, kStatusBar, kResetColumnWidths, kSeparator,
    kFirstPage, kLastPage, kGoToStation, kNextExceedance, kPreviousExceedance, kSeparator,
    kOverviewBar};
constexpr MenuItem kScales[] = {
    kScale100, kScale200, kScale400, kScale1000, kScale2000, kScale5000};
// The full edition's correction value follows the scales.
constexpr MenuItem kSettings[] = {
    kRunSettings, kSeparator,
    kComparisonRuns, kSeparator,
    kEditComments, kEditHeaderData, kSeparator,
    kInsertFreeText, kEditFreeTexts, kSeparator,
    kInsertAreaText, kEditAreaTexts, kSeparator,
    kEditHeadings, kSeparator,
    MenuItem(K::RoadSurfaces), kSeparator,
    kMeasuringPoints, MenuItem("Maßstab der Länge", kScales)};
constexpr MenuItem kExceedances[] = {
    kSections, kAutoDetection, kEvaluation, kSeparator,
    kPrintTexts, kPreviewEvaluation, kPrintEvaluation};
constexpr MenuItem kWindow[] = {
    kNewWindow, kCascade, kTileVertical, kTileHorizontal, kArrangeIcons,
    MenuItem(K::WindowList)};

constexpr MenuLayout kNoDocumentMenus[] = {
    {"&Datei", kFileNoDocument},
    {"&Ansicht", kViewNoDocument},
    {"&?", kHelp}};
constexpr MenuLayout kDocumentMenus[] = {
    {"&Datei", kFile},
    {"&Ansicht", kView},
    {"&Einstellungen", kSettings},
    {"Ü&berschreitungen", kExceedances},
    {"&Fenster", kWindow},
    {"&?", kHelp}};

constexpr MenuItem kToolBar[] = {
    kOpen, kSeparator,
    kPreviewDiagram, kPrintDiagram, kPreviewEvaluation, kSeparator,
    kEditComments, kEditHeaderData, kSeparator,
    kInsertFreeText, kEditFreeTexts, kSeparator,
    kInsertAreaText, kEditAreaTexts, kSeparator,
    kFileViewer, kSeparator,
    kZoomStep, kSeparator,
    kPageBack, kPageForward, kSeparator,
    kToggleGrid, kSeparator,
    kToggleStrips, kSeparator,
    kExcludeRange, kSeparator,
    kPreviousExceedance, kNextExceedance};
// clang-format on

constexpr MenuItem kContextMenu[] = {kSections, kEvaluation};

}  // namespace

std::span<const CommandRow> CommandTable() { return kRows; }

const CommandRow* FindCommand(int command) {
    const auto it = std::find_if(std::begin(kRows), std::end(kRows),
                                 [command](const CommandRow& row) { return row.id == command; });
    return it == std::end(kRows) ? nullptr : &*it;
}

QString Prompt(int command) {
    const CommandRow* row = FindCommand(command);
    return row ? QString::fromUtf8(row->prompt) : QString();
}

QString Tooltip(int command) {
    const CommandRow* row = FindCommand(command);
    if (!row) return {};
    return QString::fromUtf8(*row->tooltip ? row->tooltip : row->text);
}

std::span<const MenuLayout> NoDocumentMenus() { return kNoDocumentMenus; }
std::span<const MenuLayout> DocumentMenus() { return kDocumentMenus; }
std::span<const MenuItem> ToolBarLayout() { return kToolBar; }
std::span<const MenuItem> ContextMenuLayout() { return kContextMenu; }

}  // namespace nivora::app
