#pragma once
// A long run needs a few large blocks (the file's bytes, its lines, its
// samples), each filled right after it is taken. A shell may advise the
// system about them, e.g. to back them with huge pages, which saves most of
// the page faults of filling them.
#include <cstddef>
#include <functional>

namespace nivora {

using LargeBlockAdvice = std::function<void(void* data, std::size_t bytes)>;

inline void AdviseLargeBlock(const LargeBlockAdvice& advice, void* data, std::size_t bytes) {
    if (advice && data && bytes > 0) advice(data, bytes);
}

}  // namespace nivora
