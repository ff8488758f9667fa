#pragma once
// Long measurement runs written for the benchmarks: PM01BS02 (1002), a
// "Datum:" list (1003) and a four-field list (3), a sample every decimetre,
// the same values in every layout.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace bench {

// Writes through a large buffer, so that generating stays cheap and small.
class Writer {
  public:
    explicit Writer(const std::string& path) : m_file(std::fopen(path.c_str(), "wb")) {
        if (!m_file) Fail("cannot create " + path);
        m_buffer.reserve(kFlushAt + 4096);
    }
    ~Writer() { Close(); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    void Put(std::string_view s) {
        m_buffer.append(s);
        if (m_buffer.size() >= kFlushAt) Flush();
    }
    void PutDoubleLE(double d) {
        uint64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        for (int i = 0; i < 8; ++i) m_buffer += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    void Close() {
        if (!m_file) return;
        Flush();
        if (std::fclose(m_file) != 0) Fail("cannot write the generated file");
        m_file = nullptr;
    }

  private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    void Flush() {
        if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
            Fail("cannot write the generated file");
        m_buffer.clear();
    }
    // A benchmark whose input cannot be written has nothing to measure.
    [[noreturn]] static void Fail(const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
        std::exit(1);
    }
    std::FILE* m_file;
    std::string m_buffer;
};

// Tenths of a millimetre, -2.0 to +3.0 mm with a bump every 99.7 m.
inline int32_t TenthsMm(int64_t i) {
    uint64_t x = static_cast<uint64_t>(i) * 0x9E3779B97F4A7C15ull;
    x ^= x >> 29;
    const int32_t base = static_cast<int32_t>(x % 51) - 20;
    return i % 997 == 0 ? base + 60 : base;
}
inline bool HasRemark(int64_t i) { return i % 5000 == 0; }

// "-1,5", "12,0".
inline std::string TenthsText(int64_t tenths) {
    char buf[32];
    const long long a = std::llabs(tenths);
    std::snprintf(buf, sizeof buf, "%s%lld,%lld", tenths < 0 ? "-" : "", a / 10, a % 10);
    return buf;
}

inline void WritePm01Bs02(const std::string& path, int64_t n) {
    Writer w(path);
    w.Put(
        "PM01BS02\r\nZeitstempel|10.03.2026 08:12\r\nDienststelle|Stra\xDF"
        "enmeisterei Rottweil\r\nAbteilung|Ebenheit\r\nPruefer|K. St\xE4rk\r\n"
        "Str.-Typ|B\r\nStr.-Nr.|14\r\n***\r\n");
    for (int64_t i = 0; i < n; ++i) {
        w.PutDoubleLE(TenthsMm(i) / 10.0);
        w.PutDoubleLE(0.0);
        w.PutDoubleLE(12.35 + static_cast<double>(i) / 10000.0);  // km, every 0.1 m
        w.PutDoubleLE(3.5);
        w.PutDoubleLE(0.0);
        w.Put(HasRemark(i) ? "Riss\r\n" : "\r\n");
    }
    w.Put("***\r\n");
}

inline void WriteDatumList(const std::string& path, int64_t n) {
    Writer w(path);
    w.Put(
        "Datum: 10.03.2026 Zeit: 08:12:00\r\nPr\xC3\xBC"
        "fer:;K. St\xE4rk\r\nStrasse:;B 14\r\nBaumassnahme:;Deckenerneuerung\r\n"
        "Gesamtl\xE4nge:;" +
        TenthsText(n) + " m\r\nStation;H\xF6he;Geschw;x;Breite;Kommentar\r\n");
    for (int64_t i = 0; i < n; ++i)
        w.Put(TenthsText(i) + ';' + TenthsText(TenthsMm(i)) + ";4," + std::to_string(i % 10) +
              ";0;3,50;" + (HasRemark(i) ? "Riss" : "") + "\r\n");
}

inline void WriteFourField(const std::string& path, int64_t n) {
    Writer w(path);
    w.Put(
        "10.03.2026 08:12:00 Rollstabmessung\r\nStra\xDF"
        "enmeisterei Rottweil\r\nB 14, Fahrstreifen 1\r\n");
    for (int64_t i = 0; i < n; ++i)
        w.Put(TenthsText(i) + ';' + TenthsText(TenthsMm(i)) + ";0;" + (HasRemark(i) ? "Riss" : "") +
              "\r\n");
}

// A state file for a four-field run of n samples from station 0: a section
// every kilometre, an exceedance every 450 m (every fourth not counted), an
// excluded area of 300 m every 10 km. No headings, so the identification is that of
// empty texts.
inline void WriteStateFile(const std::string& path, int64_t n) {
    Writer w(path);
    std::string sections, records;
    for (int64_t s = 0; s < n; s += 10000)
        sections += "[" + std::to_string(s) + "|350|40|10|0.60|12.50|1||||]";
    int number = 1;
    for (int64_t s = 250; s < n; s += 4500, ++number)
        records += "[" + std::to_string(s) + ";55;2;" + std::to_string(number) + ";1;" +
                   (number % 4 == 0 ? "0" : "1") + ";;6.0;;]";
    std::string excluded;
    for (int64_t s = 20000; s + 3000 < n; s += 100000)
        excluded += (excluded.empty() ? "" : "_") + std::to_string(s) + "_" +
                    std::to_string(s + 3000) + "_Einm\xFCndung";
    w.Put("MANUVONBIS=0;" + std::to_string(n - 1) + "\r\nABSCHNITTE=" + sections +
          "\r\nUEBERSCHREITUNGSDATEN_1=" + records +
          "\r\nUEBERSCHREITUNGSDATEN_2=0.0;1.0;0.60;;;EUR;;\r\nBEREICHOHNEERKENNUNGDATEN=" +
          excluded + "\r\nMASSSTAB_DER_LAENGE=400\r\nKENNUNG=135122\r\n");
}

}  // namespace bench
