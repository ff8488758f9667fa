#pragma once
#include <string>

namespace nivora {

// German name of a format code (Windows-1252), for summaries and headers.
std::string FormatName(int formatCode);

}  // namespace nivora
