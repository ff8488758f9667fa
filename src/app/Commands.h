#pragma once
// Command identifiers of menus, toolbar and keys, with their status-bar
// prompts and tooltips.
#include <QString>

namespace nivora::app {

enum Command : int {
    kOpen = 57601,
    kNew = 57600,
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
    kExportData = 32818,
    kCorrectionValue = 32821,
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
    kRoadSurfaceFirst = 1500,
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

// The status-bar prompt of a command (first line of its string), empty when it has none.
QString Prompt(int command);
// The tooltip of a toolbar button (second line of its string).
QString Tooltip(int command);

}  // namespace nivora::app
