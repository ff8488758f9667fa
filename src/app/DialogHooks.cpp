#include "DialogHooks.h"

#include "AppContext.h"
#include "Commands.h"
#include "MainFrame.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/AuswertungDlg.h"
#include "dialogs/DataAdjustmentsDialog.h"
#include "dialogs/ExcludedAreaDialog.h"
#include "dialogs/SectionListDialog.h"

namespace nivora::app {

namespace {
// Every dialog needs a settings store for its columns; tests may run without one.
MemorySettingsStore g_fallbackStore;
}  // namespace

void InstallDialogs(CMainFrame& frame, AppContext& context) {
    ISettingsStore& store = context.store ? *context.store : g_fallbackStore;
    frame.makeDialog = [&store, &frame](DiagramView& view,
                                        int command) -> std::unique_ptr<QDialog> {
        CNivoraDoc& doc = view.Document().doc;
        if (command == kSections) return std::make_unique<SectionListDialog>(doc, store, &frame);
        if (command == kEvaluation) {
            // The page column follows the view's paging, whatever was drawn before.
            view.Model().ComputePages();
            return std::make_unique<CAuswertungDlg>(doc, view.Model().ExceedancePages(), store,
                                                    &frame);
        }
        return nullptr;
    };
    frame.excludedAreaDialog = [&frame](DiagramView& view, int index) {
        const CNivoraDoc& doc = view.Document().doc;
        const auto& areas = doc.Texts().ExcludedAreas();
        if (index < 0 || index >= static_cast<int>(areas.size())) return;
        ExcludedAreaDialog dialog(areas[static_cast<std::size_t>(index)], doc.Run().IsAscending(),
                                  &frame);
        dialog.exec();
    };
    frame.aboutDialog = [](QWidget* parent) { CAboutDlg(parent).exec(); };
    frame.firstLoadDialog = [](QWidget* parent) -> std::unique_ptr<IFirstLoadDialog> {
        return std::make_unique<FirstLoadDialog>(parent);
    };
}

}  // namespace nivora::app
