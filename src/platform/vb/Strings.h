#pragma once
// String helpers over UTF-8 text that count characters, not bytes, and fold
// the Latin-1 letters (æøå ÆØÅ é ü ...) for case.
#include <string>
#include <string_view>

namespace vb {

constexpr const char* vbCr = "\r";
constexpr const char* vbLf = "\n";
constexpr const char* vbCrLf = "\r\n";
constexpr const char* vbTab = "\t";

long Len(std::string_view s);                                   // characters
std::string Left(std::string_view s, long n);
std::string Right(std::string_view s, long n);
std::string Mid(std::string_view s, long start, long length = -1); // 1-based; -1 = to the end
// 1-based position of needle from start, 0 when absent; compare 1 = text (case-folding).
long InStr(long start, std::string_view haystack, std::string_view needle, int compare = 0);
long InStr(std::string_view haystack, std::string_view needle, int compare = 0);
long InStrRev(std::string_view haystack, std::string_view needle, int compare = 0);
std::string Trim(std::string_view s);    // blanks only, as the runtime did
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
std::string Space(long n);
std::string String(long n, std::string_view ch);  // n times the first character of ch
std::string Chr(int code);                         // Latin-1 code to UTF-8
int Asc(std::string_view s);                       // Latin-1 code of the first character
std::string Replace(std::string_view s, std::string_view find, std::string_view with);
// Text compare: 0 equal, -1 / 1; folds case, Æ Ø Å sort after Z.
int StrCompText(std::string_view a, std::string_view b);
// Upper-cased code point (Latin-1 range folded), for collations and matching.
char32_t FoldUpper(char32_t c);
// Wildcard match as the Like operator and file patterns use it: * ? [..]; case-folding when asked.
bool LikeMatch(std::string_view text, std::string_view pattern, bool ignoreCase);

} // namespace vb
