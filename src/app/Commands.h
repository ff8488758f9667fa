#pragma once
// The commands of menus, toolbar and keys. Each has one row in the command
// table: everything the window shows of it and when it can be given. The
// menus and the toolbar are laid out from the same identifiers.
#include <QKeyCombination>
#include <QString>
#include <array>
#include <span>

namespace nivora::app {

// The identifiers keep the numbers the program family has always used.
enum Command : int {
    kOpen = 57601,
    kClose = 57602,
    kPrintSetup = 57606,
    kRecentFile = 57616,
    kAbout = 57664,
    kExit = 57665,
    kToolbar = 59392,
    kStatusBar = 59393,
    kNewWindow = 57648,
    kArrangeIcons = 57649,
    kCascade = 57650,
    kTileHorizontal = 57651,
    kTileVertical = 57652,
    kDefaultsForNewRuns = 32791,
    kResetState = 32826,
    kFileViewer = 32789,
    kRepositionBars = 4000,
    kPageBack = 32785,
    kPageBackKey = 32775,
    kPageForward = 32786,
    kPageForwardKey = 32777,
    kZoomStep = 32787,
    kToggleStrips = 30001,
    kToggleGrid = 32827,
    kPrintDiagram = 32823,
    kPreviewDiagram = 32824,
    kPrintEvaluation = 32798,
    kPreviewEvaluation = 32822,
    kPrint = 57607,
    kPreview = 57609,
    kSections = 32815,
    kEvaluation = 32838,
    kStateFileInEditor = 32806,
    kResetColumnWidths = 30002,
    // Commands of the full edition, shown but not offered here.
    kAutoDetection = 32796,
    kPrintTexts = 32816,
    kRunSettings = 32898,
    kComparisonRuns = 32837,
    kEditComments = 32780,
    kEditHeaderData = 32813,
    kInsertFreeText = 32807,
    kEditFreeTexts = 32799,
    kInsertAreaText = 32808,
    kEditAreaTexts = 32809,
    kEditHeadings = 32788,
    kMeasuringPoints = 32790,
    kScale100 = 32803,
    kScale200 = 32804,
    kScale400 = 32805,
    kScale1000 = 32831,
    kScale2000 = 32833,
    kScale5000 = 32834,
    kExcludeRange = 32830,
    // The road surfaces: the surface of table index i, then the names the
    // table does not know, in menu order.
    kRoadSurfaceFirst = 1500,
    kRoadSurfaceUnlistedFirst = 1541,
    // Finding one's way in long runs.
    kFirstPage = 33401,
    kLastPage = 33402,
    kGoToStation = 33403,
    kNextExceedance = 33404,
    kPreviousExceedance = 33405,
    kOverviewBar = 33406,
    // Keys without a menu entry: the next and the previous document window.
    kNextWindow = 57700,
    kPreviousWindow = 57701,
};

// When a command can be given.
enum class Enabled {
    Never,  // shown, but this edition does not offer it
    Always,
    WithWindow,       // while a document window is open
    WithActiveView,   // while a document window is the active (or the last active) one
    WithExceedances,  // while the active window's run has exceedances
};

// The toolbar's images.
enum class Glyph {
    None,
    Open,
    Preview,
    Print,
    EvaluationPreview,
    Comments,
    HeaderData,
    FreeText,
    FreeTexts,
    AreaText,
    AreaTexts,
    FileViewer,
    Zoom,
    PageBack,
    PageForward,
    Grid,
    Strips,
    ExcludeRange,
    PreviousExceedance,
    NextExceedance,
};

struct CommandRow {
    Command id;
    // The menu text with its access key; without one the prompt names the command.
    const char* text = "";
    const char* keyText = "";  // shown after a tab in the menu
    // The keys that give the command; Qt::Key_unknown for none.
    std::array<QKeyCombination, 2> keys{};
    const char* prompt = "";   // the status bar's line while the entry is under the mouse
    const char* tooltip = "";  // of the toolbar button; without one the text
    Glyph icon = Glyph::None;
    bool checkable = false;
    Enabled enabled = Enabled::Never;
};

// Every command, one row each.
std::span<const CommandRow> CommandTable();
// The row of a command; null for an identifier without one.
const CommandRow* FindCommand(int command);
// The status-bar prompt of a command, empty when it has none.
QString Prompt(int command);
// The tooltip of a command's toolbar button.
QString Tooltip(int command);

// Menus and the toolbar, laid out from the commands.
struct MenuItem {
    enum class Kind {
        Command,
        Separator,
        Submenu,       // title and items
        RecentFiles,   // the recent-file list, "Letzte Datei" while it is empty
        RoadSurfaces,  // the submenu of the road surfaces
        WindowList,    // the open document windows, filled when the menu opens
    };
    constexpr MenuItem(Command c) : kind(Kind::Command), command(c) {}
    constexpr explicit MenuItem(Kind k) : kind(k) {}
    constexpr MenuItem(const char* submenuTitle, std::span<const MenuItem> submenuItems)
        : kind(Kind::Submenu), title(submenuTitle), items(submenuItems) {}

    Kind kind;
    Command command{};
    const char* title = nullptr;
    std::span<const MenuItem> items{};
};

struct MenuLayout {
    const char* title;
    std::span<const MenuItem> items;
};

// The menu bar while no document window is open, and while one is.
std::span<const MenuLayout> NoDocumentMenus();
std::span<const MenuLayout> DocumentMenus();
// The toolbar: commands and separators.
std::span<const MenuItem> ToolBarLayout();
// The diagram's context menu, after the excluded area under the mouse.
std::span<const MenuItem> ContextMenuLayout();

}  // namespace nivora::app
