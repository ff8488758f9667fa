#pragma once
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "text/Number.h"

namespace nivora {

// The remark of a sample. Nearly all samples have none, and a run may hold
// millions, so an empty remark costs one pointer instead of a whole string.
class CommentText {
  public:
    CommentText() = default;
    CommentText(std::string_view text) { Assign(text); }
    CommentText(const CommentText& other) { Assign(other); }
    CommentText(CommentText&&) noexcept = default;
    CommentText& operator=(const CommentText& other) {
        if (this != &other) Assign(other);
        return *this;
    }
    CommentText& operator=(CommentText&&) noexcept = default;
    CommentText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }

    bool empty() const { return !m_text; }
    std::size_t size() const { return m_text ? m_text->size() : 0; }
    std::string_view view() const {
        return m_text ? std::string_view(*m_text) : std::string_view();
    }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

    friend bool operator==(const CommentText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const CommentText& a, const CommentText& b) {
        return a.view() == b.view();
    }

  private:
    void Assign(std::string_view text) {
        if (text.empty())
            m_text.reset();
        else if (m_text)
            m_text->assign(text);
        else
            m_text = std::make_unique<std::string>(text);
    }
    std::unique_ptr<std::string> m_text;  // null when empty
};

std::ostream& operator<<(std::ostream& out, const CommentText& text);

// One sample of a run. Units: value and limit in tenths of a millimetre,
// station in decimetres, width in centimetres, speed in km/h.
// The members are laid out to avoid padding: a run may hold millions.
struct MESSUNG {
    int32_t value = 0;
    int32_t station = 0;
    int32_t width = 0;
    int32_t limit = -1;
    double speed = -1.0;  // negative: the sample has no speed
    CommentText comment;
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
// Inline: the readers call them for every sample.
inline int32_t ValueFromMm(double mm) { return text::RoundToInt(mm * 10); }
inline int32_t StationFromM(double m) { return text::RoundToInt(m * 10); }
inline int32_t StationFromKm(double km) { return text::RoundToInt(km * 10000); }
inline int32_t WidthFromM(double m) { return text::RoundToInt(m * 100); }
// The run's limit value is truncated, not rounded.
inline int32_t LimitFromMmTruncated(double mm) { return text::TruncToInt(mm * 10); }

}  // namespace nivora
