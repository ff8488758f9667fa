#pragma once
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "text/Number.h"

namespace nivora {

// The remark of a sample and whether the sample is marked. Nearly all
// samples have no remark, and a run may hold millions, so both cost one
// pointer: the remark's string, or none, with the mark in its lowest bit,
// which a string's alignment leaves free.
class CommentText {
  public:
    CommentText() = default;
    CommentText(std::string_view text) { Assign(text); }
    CommentText(const CommentText& other) : m_bits(other.m_bits & kMark) { Assign(other.view()); }
    CommentText(CommentText&& other) noexcept : m_bits(other.m_bits) { other.m_bits = 0; }
    CommentText& operator=(const CommentText& other) {
        if (this != &other) {
            Assign(other.view());
            SetMarked(other.Marked());
        }
        return *this;
    }
    CommentText& operator=(CommentText&& other) noexcept {
        if (this != &other) {
            Free();
            m_bits = other.m_bits;
            other.m_bits = 0;
        }
        return *this;
    }
    // The text changes, the mark stays.
    CommentText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    ~CommentText() { Free(); }

    bool empty() const { return !Text(); }
    std::size_t size() const { return Text() ? Text()->size() : 0; }
    std::string_view view() const {
        return Text() ? std::string_view(*Text()) : std::string_view();
    }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

    bool Marked() const { return m_bits & kMark; }
    void SetMarked(bool marked) { m_bits = (m_bits & ~kMark) | (marked ? kMark : 0); }

    friend bool operator==(const CommentText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const CommentText& a, const CommentText& b) {
        return a.view() == b.view();
    }

  private:
    static constexpr uintptr_t kMark = 1;
    static_assert(alignof(std::string) > 1);

    std::string* Text() const { return reinterpret_cast<std::string*>(m_bits & ~kMark); }
    void Assign(std::string_view text) {
        if (text.empty()) {
            Free();
        } else if (Text()) {
            Text()->assign(text);
        } else {
            auto owned = std::make_unique<std::string>(text);
            m_bits |= reinterpret_cast<uintptr_t>(owned.release());
        }
    }
    // The string is owned here; handing it back to a unique_ptr deletes it.
    void Free() {
        std::unique_ptr<std::string>{Text()};
        m_bits &= kMark;
    }

    uintptr_t m_bits = 0;  // the string's address | mark
};

std::ostream& operator<<(std::ostream& out, const CommentText& text);

// One sample of a run. Units: value and limit in tenths of a millimetre,
// station in decimetres, width in centimetres, speed in km/h.
// 32 bytes without padding: a run may hold millions.
struct MESSUNG {
    int32_t value = 0;
    int32_t station = 0;
    int32_t width = 0;
    int32_t limit = -1;
    double speed = -1.0;  // negative: the sample has no speed
    CommentText comment;  // the remark, and whether the sample is marked

    bool Marked() const { return comment.Marked(); }
    void SetMarked(bool marked) { comment.SetMarked(marked); }
    bool HasSpeed() const { return speed >= 0; }
    // The comment becomes the trimmed text; a non-empty text is repaired and
    // marks the sample, an empty one leaves the mark as it was.
    void SetComment(std::string_view text);
};
static_assert(sizeof(void*) != 8 || sizeof(MESSUNG) == 32);

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
