#pragma once
// Texts that users typed (remarks, area texts, section texts) are copied
// into the report lines, whose markup splits at "|", "<<<", ">>>", "=" and
// the byte 0xBF. These helpers replace exactly those characters by
// look-alikes, so that a text cannot break the markup; every other byte
// stays as it is.
#include <string>
#include <string_view>

namespace nivora {

// For a text inside a field list: "|" becomes the broken bar 0xA6, "<<<"
// and ">>>" become the single guillemets 0x8B and 0x9B, 0xBF becomes "?".
std::string ReportFieldText(std::string_view text);

// For the value of a marker item: additionally "=" becomes "-".
std::string ReportItemText(std::string_view text);

}  // namespace nivora
