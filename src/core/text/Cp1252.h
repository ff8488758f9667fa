#pragma once
// Windows-1252 <-> UTF-8, used only where text leaves or enters the core.
#include <string>
#include <string_view>

namespace nivora::text {

// Lossless: every byte maps to one code point; the five bytes that the code
// page leaves undefined map to the C1 control of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

// The inverse; a code point that Windows-1252 cannot hold becomes '?'.
// Invalid UTF-8 bytes are taken over as they are.
std::string Utf8ToCp1252(std::string_view utf8);

// Code point of one Windows-1252 byte.
char32_t Cp1252CodePoint(unsigned char byte);

// Builds an 8-bit literal from UTF-8 source text, so that sources stay UTF-8
// while the core compares Windows-1252 bytes: W("Prüfer") gives "Pr\xFC" "fer".
inline std::string W(std::string_view utf8) { return Utf8ToCp1252(utf8); }

}  // namespace nivora::text
