#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    nivora::fuzz::FuzzStateFile(data, size);
    return 0;
}
