#pragma once
// The status readout of the last two clicked stations and their distance.
#include <string>

namespace nivora::app {

// Station texts in dm as the document keeps them, each possibly empty.
std::string StationReadoutText(const std::string& newest, const std::string& older);

}  // namespace nivora::app
