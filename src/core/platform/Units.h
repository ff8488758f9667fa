#pragma once
// The logical units of every drawing surface, 0.01 mm with y upward, and the
// turns of upright text.
#include <cstdint>

namespace nivora {

inline constexpr int32_t kUnitsPerMm = 100;
inline constexpr double kUnitsPerInch = 2540.0;

// Escapements (tenths of a degree) of upright text: reading upward and
// reading downward.
inline constexpr int kReadingUp = 900;
inline constexpr int kReadingDown = 2700;

}  // namespace nivora
