#pragma once
// Names the desktop program registers with Qt: the settings store's
// organisation and application, and the single-instance name.
#include "platform/ProgramInfo.h"

namespace nivora::app {

inline constexpr const char* kInstanceName = "Nivora " NIVORA_VERSION_TEXT " Class";
inline constexpr const char* kFrameCaption = "Nivora-Viewer " NIVORA_VERSION_TEXT;

}  // namespace nivora::app
