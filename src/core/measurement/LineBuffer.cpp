#include "measurement/LineBuffer.h"

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
    m_spans.clear();
}

void LineBuffer::push_back(std::string_view line) {
    if (line.size() > kMaxLine) throw std::length_error("LineBuffer: line too long");
    const std::size_t offset = m_bytes.size();
    m_bytes.append(line);
    AddSpan(offset, line.size());
}

void LineBuffer::Replace(std::size_t i, std::string_view text) {
    if (text.size() > kMaxLine) throw std::length_error("LineBuffer: line too long");
    if (text.size() <= (*this)[i].size()) {
        // memmove: the new text may be taken from the line itself.
        if (!text.empty()) std::memmove(MutableData(i), text.data(), text.size());
        Shorten(i, text.size());
        return;
    }
    const std::string copy(text);  // text may lie in the buffer that grows
    const std::size_t offset = m_bytes.size();
    m_bytes.append(copy);
    m_spans[i] = (static_cast<uint64_t>(offset) << 24) | copy.size();
}

void LineBuffer::Shorten(std::size_t i, std::size_t n) {
    if (n < (*this)[i].size()) m_spans[i] = (m_spans[i] & ~static_cast<uint64_t>(kMaxLine)) | n;
}

}  // namespace nivora
