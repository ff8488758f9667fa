#include "measurement/LineBuffer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace nivora {

LineBuffer& LineBuffer::operator=(std::initializer_list<std::string_view> lines) {
    clear();
    for (std::string_view l : lines) push_back(l);
    return *this;
}

void LineBuffer::clear() {
    m_bytes.clear();
    m_offsets.clear();
    m_lengths.clear();
    m_long.clear();
}

void LineBuffer::Refuse() { throw std::length_error("LineBuffer: line or buffer too long"); }

std::size_t LineBuffer::LongLength(std::size_t i) const {
    const auto it = std::lower_bound(m_long.begin(), m_long.end(), i,
                                     [](const LongLine& l, std::size_t k) { return l.index < k; });
    return it->length;
}

void LineBuffer::SetLength(std::size_t i, std::size_t length) {
    const auto it = std::lower_bound(m_long.begin(), m_long.end(), i,
                                     [](const LongLine& l, std::size_t k) { return l.index < k; });
    const bool listed = it != m_long.end() && it->index == i;
    if (length >= kLong) {
        if (listed)
            it->length = static_cast<uint32_t>(length);
        else
            m_long.insert(it, {static_cast<uint32_t>(i), static_cast<uint32_t>(length)});
    } else if (listed) {
        m_long.erase(it);
    }
    m_lengths[i] = static_cast<uint8_t>(std::min(length, kLong));
}

void LineBuffer::push_back(std::string_view line) {
    if (line.size() > kMaxLine || m_bytes.size() + line.size() > kMaxBytes) Refuse();
    const std::size_t offset = m_bytes.size();
    m_bytes.append(line);
    AddSpan(offset, line.size());
}

void LineBuffer::Replace(std::size_t i, std::string_view text) {
    if (text.size() > kMaxLine) Refuse();
    if (text.size() <= (*this)[i].size()) {
        // memmove: the new text may be taken from the line itself.
        if (!text.empty()) std::memmove(MutableData(i), text.data(), text.size());
        Shorten(i, text.size());
        return;
    }
    if (m_bytes.size() + text.size() > kMaxBytes) Refuse();
    const std::string copy(text);  // text may lie in the buffer that grows
    const std::size_t offset = m_bytes.size();
    m_bytes.append(copy);
    m_offsets[i] = static_cast<uint32_t>(offset);
    SetLength(i, copy.size());
}

void LineBuffer::Shorten(std::size_t i, std::size_t n) {
    if (n < (*this)[i].size()) SetLength(i, n);
}

}  // namespace nivora
