#include "view/Achse.h"

#include <cmath>

#include "text/Number.h"

namespace nivora {

void CAchse::Set(int32_t length, double min, double max, int mode) {
    m_length = length;
    m_min = min;
    m_max = max;
    m_mode = mode;
}

int32_t CAchse::Map(double v) const {
    double a = 0.0;
    if (m_mode == Linear) {
        a = (v - m_min) * (m_length / (m_max - m_min));
    } else if (m_mode == Logarithmic) {
        const double lmin = std::log10(m_min);
        a = (std::log10(v) - lmin) * (m_length / (std::log10(m_max) - lmin));
    } else {
        return 0;
    }
    // An empty range (a strip of zero length) maps to 0 instead of dividing by zero.
    if (!std::isfinite(a)) return 0;
    return text::TruncToInt(a);
}

double CAchse::Inverse(double a) const {
    if (m_mode == Linear) return a / (m_length / (m_max - m_min)) + m_min;
    if (m_mode == Logarithmic) {
        const double lmin = std::log10(m_min);
        return std::pow(10.0, a / (m_length / (std::log10(m_max) - lmin)) + lmin);
    }
    return 0.0;
}

}  // namespace nivora
