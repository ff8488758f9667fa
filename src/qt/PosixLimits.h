#pragma once
// Limits read from the operating system; POSIX only, no Qt, so that the
// command-line program can use them without loading the toolkit.
#include <cstddef>
#include <cstdint>

namespace nivora::posix {

// Largest measurement file that fits the machine's memory when it is read
// (reading needs up to about ten times the file size); 0 when unknown.
std::uintmax_t MaxMeasurementFileBytes();

// Asks Linux for huge pages behind a large block that is about to be filled
// (a long run's bytes, lines and samples): filling it then takes a few page
// faults instead of thousands. Only a hint; small blocks are left alone.
void AdviseHugePages(void* data, std::size_t bytes);

}  // namespace nivora::posix
