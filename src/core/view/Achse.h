#pragma once
// Maps a value range onto a length of logical units (0.01 mm).
#include <cstdint>

namespace nivora {

class CAchse {
  public:
    enum Mode { Linear = 0, Logarithmic = 1 };

    void Set(int32_t length, double min, double max, int mode = Linear);
    // Truncated toward zero; a y coordinate is drawn as -Map(v).
    int32_t Map(double v) const;
    double Inverse(double a) const;

  private:
    double m_length = 0.0;
    double m_min = 0.0;
    double m_max = 1.0;
    int m_mode = Linear;
};

}  // namespace nivora
