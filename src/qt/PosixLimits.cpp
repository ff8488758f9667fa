#include "PosixLimits.h"

#include <sys/mman.h>
#include <unistd.h>

namespace nivora::posix {

std::uintmax_t MaxMeasurementFileBytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return static_cast<std::uintmax_t>(pages) * static_cast<std::uintmax_t>(pageSize) / 12;
}

void AdviseHugePages(void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    if (bytes < 4 * kHugePage) return;
    // The whole huge pages inside the block; the system may ignore the advice.
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace nivora::posix
