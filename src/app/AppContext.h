#pragma once
// What the windows of the program share: the text table, the application's
// settings block and store, today's date, the default printer settings and
// the main frame's printing flag.
#include <memory>

#include "platform/Clock.h"
#include "platform/Einstellungen.h"
#include "platform/SettingsStore.h"
#include "platform/TextTable.h"

class QPrinter;

namespace nivora::app {

struct AppContext {
    CTextTabelle texts;
    CEinstellungen settings;
    ISettingsStore* store = nullptr;
    const IClock* clock = nullptr;
    QPrinter* printer = nullptr;  // the default printer settings
    bool printing = false;        // a print job or preview is running
};

}  // namespace nivora::app
