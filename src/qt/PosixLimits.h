#pragma once
// Limits read from the operating system; POSIX only, no Qt, so that the
// command-line program can use them without loading the toolkit.
#include <cstdint>

namespace nivora::posix {

// Largest measurement file that fits the machine's memory when it is read
// (reading needs up to about ten times the file size); 0 when unknown.
std::uintmax_t MaxMeasurementFileBytes();

}  // namespace nivora::posix
