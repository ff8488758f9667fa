#pragma once
// The opening sequence of a document as the desktop program runs it, shared
// by the commands that open one.
#include <memory>

#include "CliMessages.h"
#include "Usage.h"
#include "document/NivoraDoc.h"
#include "platform/SettingsStore.h"

namespace nivora::cli {

struct Opened {
    CNivoraDoc doc;
    CliMessageSink messages;
    CNivoraDoc::OpenResult result = CNivoraDoc::OpenResult::Failed;
    // Where the application settings were read from: the INI file of
    // --settings or the user's store. Only read.
    std::unique_ptr<ISettingsStore> settings;
};

// 0 opened, 1 refused (the messages are on standard error), 2 the settings
// file cannot be read.
int OpenDocument(const OpenOptions& options, Opened& o);

}  // namespace nivora::cli
