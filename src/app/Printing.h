#pragma once
// Print jobs and print previews of a diagram view, on the same page drawing
// as the screen: the view's print hooks driven by QPrinter.
class QPrinter;
class QWidget;

namespace nivora {
class CNivoraView;
struct PrintJobInfo;
}  // namespace nivora

namespace nivora::app {

class DiagramView;
struct AppContext;

// The message of a job without a page (Windows-1252).
inline constexpr const char* kNoPageText = "Es gibt keine Seite zum Drucken.";

// Prepares the mode and orientation for a print command of the view and
// runs the print dialog (or the preview). Returns the number of pages printed
// (0 when cancelled or for a preview).
int RunPrintCommand(DiagramView& view, int command, QWidget* parent);

// Prints pages from..to (1-based, cut to the job) of a prepared job on the
// printer, between the begin and end hooks. Returns the number of pages.
int PrintPages(CNivoraView& model, AppContext& context, QPrinter& printer, PrintJobInfo& job,
               int from, int to);

// Without dialog: the whole job of the current mode on the printer.
int PrintAll(CNivoraView& model, AppContext& context, QPrinter& printer);

}  // namespace nivora::app
