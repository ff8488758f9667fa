#pragma once
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace nivora {

// Bounds-checked reading of binary fields; doubles are little-endian
// IEEE 754 whatever the host's byte order.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<double> DoubleLE(std::size_t offset) const {
        if (offset > m_bytes.size() || m_bytes.size() - offset < 8) return std::nullopt;
        uint64_t bits = 0;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&bits, m_bytes.data() + offset, sizeof bits);
        } else {
            for (int i = 7; i >= 0; --i)
                bits = (bits << 8) |
                       static_cast<unsigned char>(m_bytes[offset + static_cast<std::size_t>(i)]);
        }
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

  private:
    std::string_view m_bytes;
};

}  // namespace nivora
