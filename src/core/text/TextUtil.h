#pragma once
// Free functions on 8-bit texts shared by the readers, the state file, the
// sections and the evaluation. Their edge behaviour (missing fields, absent
// markers, decimal separators) is relied on by their callers.
#include <string>
#include <string_view>

namespace nivora::text {

int FindText(std::string_view text, std::string_view what, int start = 0);
int FindTextNoCase(std::string_view text, std::string_view what, int start = 0);
int ReplaceText(std::string& text, std::string_view oldText, std::string_view newText, bool all);
std::string GetField(std::string_view text, std::string_view separator, int n);
std::string GetCharField(std::string_view text, char separator, int n);
int CountFields(std::string_view text, std::string_view separator);
int CountFields(std::string_view text, char separator);
std::string GetBetween(std::string_view text, std::string_view open, std::string_view close, int n);
double ReadNumber(std::string_view text);
std::string FormatDecimal(double value, int decimals);
std::string FormatInt(int value);
std::string NormalizeDecimal(std::string_view text, int decimals);
std::string FormatTenths(int value);

// White space as the readers trim it: blank, TAB, CR, LF, VT, FF.
bool IsBlank(char c);
std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);
std::string_view Trim(std::string_view s);
bool StartsWith(std::string_view s, std::string_view prefix);
bool Contains(std::string_view s, std::string_view what);
// Every occurrence of one character replaced, on a copy.
std::string ReplacedChar(std::string_view s, char from, char to);
// Windows-1252 upper case (ASCII and the Latin letters of the code page).
char UpperCp1252(char c);

}  // namespace nivora::text
