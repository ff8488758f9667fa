#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/LargeBlocks.h"

namespace nivora {

// The lines of a file in one buffer: a million lines cost one allocation for
// their bytes and five bytes each for where they lie (a 32-bit offset and a
// length byte; the few lines of 255 bytes or more keep their length aside),
// not a string apiece. A line is a view that stays valid until the buffer is
// changed.
class LineBuffer {
  public:
    // Longest line the buffer holds (the splitters never come near it).
    static constexpr std::size_t kMaxLine = (std::size_t{1} << 24) - 1;
    // Most bytes the buffer holds; a larger file is not read.
    static constexpr std::size_t kMaxBytes = 0xFFFFFFFFu - (std::size_t{1} << 20);

    class const_iterator {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const LineBuffer* b, std::size_t i) : m_b(b), m_i(i) {}
        std::string_view operator*() const { return (*m_b)[m_i]; }
        std::string_view operator[](difference_type n) const {
            return (*m_b)[m_i + static_cast<std::size_t>(n)];
        }
        const_iterator& operator++() { return ++m_i, *this; }
        const_iterator operator++(int) { return {m_b, m_i++}; }
        const_iterator& operator--() { return --m_i, *this; }
        const_iterator operator--(int) { return {m_b, m_i--}; }
        const_iterator& operator+=(difference_type n) {
            return m_i += static_cast<std::size_t>(n), *this;
        }
        const_iterator& operator-=(difference_type n) {
            return m_i -= static_cast<std::size_t>(n), *this;
        }
        friend const_iterator operator+(const_iterator a, difference_type n) { return a += n; }
        friend const_iterator operator+(difference_type n, const_iterator a) { return a += n; }
        friend const_iterator operator-(const_iterator a, difference_type n) { return a -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.m_i) - static_cast<difference_type>(b.m_i);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.m_i == b.m_i;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.m_i <=> b.m_i;
        }

      private:
        const LineBuffer* m_b = nullptr;
        std::size_t m_i = 0;
    };

    LineBuffer() = default;
    LineBuffer(std::initializer_list<std::string_view> lines) { *this = lines; }
    LineBuffer& operator=(std::initializer_list<std::string_view> lines);

    std::size_t size() const { return m_offsets.size(); }
    bool empty() const { return m_offsets.empty(); }
    // Line i. The byte after it can always be read: it belongs to another
    // line, to a line end, or is the buffer's closing null.
    std::string_view operator[](std::size_t i) const {
        const std::size_t n = m_lengths[i];
        return {m_bytes.data() + m_offsets[i], n == kLong ? LongLength(i) : n};
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void clear();
    // Appends a line (its bytes are copied into the buffer).
    void push_back(std::string_view line);
    // Line i becomes text: written over the old bytes when it fits, else
    // appended to the buffer.
    void Replace(std::size_t i, std::string_view text);
    // Writable bytes of line i, for rewriting it in place; the line is then
    // cut to its first n bytes with Shorten.
    char* MutableData(std::size_t i) { return m_bytes.data() + m_offsets[i]; }
    void Shorten(std::size_t i, std::size_t n);

    // Takes over a byte buffer and lets the lines be spans of it; the
    // splitters fill it.
    std::string& Storage() { return m_bytes; }
    [[gnu::always_inline]] void AddSpan(std::size_t offset, std::size_t length) {
        if (offset > kMaxBytes || length > kMaxLine) Refuse();
        if (length >= kLong)
            m_long.push_back({static_cast<uint32_t>(size()), static_cast<uint32_t>(length)});
        m_offsets.push_back(static_cast<uint32_t>(offset));
        m_lengths.push_back(static_cast<uint8_t>(std::min(length, kLong)));
    }
    void ReserveLines(std::size_t n, const LargeBlockAdvice& advice = {}) {
        m_offsets.reserve(n);
        m_lengths.reserve(n);
        AdviseLargeBlock(advice, m_offsets.data(), m_offsets.capacity() * sizeof(uint32_t));
        AdviseLargeBlock(advice, m_lengths.data(), m_lengths.capacity());
    }

  private:
    static constexpr std::size_t kLong = 255;  // the length is kept in m_long
    struct LongLine {
        uint32_t index;
        uint32_t length;
    };

    std::size_t LongLength(std::size_t i) const;
    void SetLength(std::size_t i, std::size_t length);
    [[noreturn]] static void Refuse();

    std::string m_bytes;
    std::vector<uint32_t> m_offsets;
    std::vector<uint8_t> m_lengths;  // kLong: the length is in m_long
    std::vector<LongLine> m_long;    // ordered by index
};

}  // namespace nivora
