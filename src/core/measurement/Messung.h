#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace nivora {

// One sample of a run. Units: value and limit in tenths of a millimetre,
// station in decimetres, width in centimetres, speed in km/h.
// The members are laid out to avoid padding: a run may hold millions.
struct MESSUNG {
    int32_t value = 0;
    int32_t station = 0;
    int32_t width = 0;
    int32_t limit = -1;
    double speed = -1.0;  // negative: the sample has no speed
    std::string comment;
    bool marked = false;

    bool HasSpeed() const { return speed >= 0; }
    // The comment becomes the trimmed text; a non-empty text is repaired and
    // marks the sample, an empty one leaves marked as it was.
    void SetComment(std::string_view text);
};

// Replaces the two-byte UTF-8 forms of the German letters by their
// Windows-1252 bytes.
void UmlautRepair(std::string& text);

// File numbers to the run's units: rounded halves away from zero, saturated.
int32_t ValueFromMm(double mm);
int32_t StationFromM(double m);
int32_t StationFromKm(double km);
int32_t WidthFromM(double m);
// The run's limit value is truncated, not rounded.
int32_t LimitFromMmTruncated(double mm);

}  // namespace nivora
