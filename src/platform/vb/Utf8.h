#pragma once
// Walking UTF-8 text by characters. A byte that does not start a valid
// sequence counts as one character of its own and is kept as it is.
#include <string>
#include <string_view>
#include <vector>

namespace vb::detail {

// Length in bytes of the character starting at s[i].
size_t CharBytes(std::string_view s, size_t i);
// Byte offset of the character with 0-based index n (s.size() when past the end).
size_t ByteOffset(std::string_view s, long n);
// Code point of the character starting at s[i]; a stray byte reads as its own value.
char32_t CodePointAt(std::string_view s, size_t i);
std::vector<char32_t> CodePoints(std::string_view s);
void AppendUtf8(std::string& out, char32_t c);

} // namespace vb::detail
