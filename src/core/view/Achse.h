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

    double Length() const { return m_length; }
    double Min() const { return m_min; }
    double Max() const { return m_max; }
    int GetMode() const { return m_mode; }

  private:
    double m_length = 0.0;
    double m_min = 0.0;
    double m_max = 1.0;
    int m_mode = Linear;
};

}  // namespace nivora
