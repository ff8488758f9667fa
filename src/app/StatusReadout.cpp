#include "StatusReadout.h"

#include <cmath>
#include <cstdio>

#include "text/Number.h"

namespace nivora::app {

std::string StationReadoutText(const std::string& newest, const std::string& older) {
    if (newest.empty() && older.empty()) return "[ ] [ ]";
    const double a = text::ToInt(newest) / 10.0, b = text::ToInt(older) / 10.0;
    char buffer[128];
    if (older.empty())
        std::snprintf(buffer, sizeof buffer, "[ %.1f ] [ ]", a);
    else
        std::snprintf(buffer, sizeof buffer, "[ %.1f ] [ %.1f ]  Distanz %.1fm", a, b,
                      std::fabs(a - b));
    return buffer;
}

}  // namespace nivora::app
