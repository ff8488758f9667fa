#pragma once
// One exceedance of the limit value, as the full evaluation edition found it.
#include <cstdint>

namespace nivora {

struct UEBERSCHREITUNG {
    // Page value of a record that the diagram has not drawn yet.
    static constexpr int32_t kNotDrawn = -999;

    int32_t page = 0;      // diagram page on which it was last drawn
    int32_t station = 0;   // dm
    int32_t value = 0;     // measured value, tenths of a millimetre
    int32_t p = 0;         // size of the exceedance, whole millimetres
    int32_t number = 0;    // position in the sorted list, from 1
    int32_t pSquared = 0;  // integer part of p² + 0.00001, saturated
    bool counted = false;  // false: "nicht berücksichtigen"
    double speed = 0.0;    // km/h; negative when there is none
};

}  // namespace nivora
