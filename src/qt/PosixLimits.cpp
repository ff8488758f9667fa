#include "PosixLimits.h"

#include <unistd.h>

namespace nivora::posix {

std::uintmax_t MaxMeasurementFileBytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return static_cast<std::uintmax_t>(pages) * static_cast<std::uintmax_t>(pageSize) / 12;
}

}  // namespace nivora::posix
