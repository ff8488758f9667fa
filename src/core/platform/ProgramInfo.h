#pragma once
// The program's name, version and maker, as printed on every page and shown
// in the About box. Plain ASCII, so the bytes are the same in every code page.
namespace nivora::program {

inline constexpr const char* kName = "Nivora";
// The version text comes from the build (CMakeLists.txt).
inline constexpr const char* kVersion = NIVORA_VERSION_TEXT;
inline constexpr const char* kTitle = "Nivora " NIVORA_VERSION_TEXT;
inline constexpr const char* kMaker = "Morlant GmbH";
inline constexpr const char* kWebAddress = "www.morlant.de";
inline constexpr const char* kMailAddress = "info@morlant.de";
inline constexpr const char* kPhoneLine = "Tel. +49 (0)711 490 36-0   Fax +49 (0)711 490 36-99";
// The same numbers one per line, for the About box's contact block.
inline constexpr const char* kPhone = "Tel. +49 (0)711 490 36-0";
inline constexpr const char* kFax = "Fax +49 (0)711 490 36-99";
// The maker's notice line of the footer.
inline constexpr const char* kNoticeLine = "(c) Morlant GmbH - Auswertung mit Nivora 4";
// The notice block of the printed pages: where the full evaluation edition
// is to be had, then the maker and its contact lines.
inline constexpr const char* kNoticeIntro =
    "Die Vollversion der Auswertesoftware Nivora 4 erhalten Sie bei:";
inline constexpr const char* kMailLine = "E-Mail: info@morlant.de";

}  // namespace nivora::program
