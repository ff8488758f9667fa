#pragma once
#include <cstdint>

namespace nivora::qt {

// Largest measurement file that fits the machine's memory when it is read
// (reading needs up to about ten times the file size); 0 when unknown.
std::uintmax_t MaxMeasurementFileBytes();

}  // namespace nivora::qt
