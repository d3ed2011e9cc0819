#pragma once
// String helpers with the original runtime's semantics on UTF-8 text. Every
// length and position counts characters (code points), never bytes; positions
// start at 1. A byte that is not valid UTF-8 counts as one character.
#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

int32_t Len(std::string_view s);

// The first / last n characters (all of s when it is shorter); n < 0 raises 5.
std::string Left(std::string_view s, int32_t n);
std::string Right(std::string_view s, int32_t n);

// From character start to the end, or at most length characters. start < 1 or
// length < 0 raises 5; start past the end gives "".
std::string Mid(std::string_view s, int32_t start);
std::string Mid(std::string_view s, int32_t start, int32_t length);

// Position of the first find in s at or after character start, 0 if none.
// An empty s gives 0; an empty find gives start (0 when start is past the end
// plus one). start < 1 raises 5.
int32_t InStr(std::string_view s, std::string_view find);
int32_t InStr(int32_t start, std::string_view s, std::string_view find);

// Every occurrence, left to right, without overlaps; an empty find changes
// nothing.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);

// Remove blanks (U+0020 only; tabs and other spaces stay).
std::string Trim(std::string_view s);
// Trim's result where it lies in s.
std::string_view TrimView(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Case of ASCII letters and of the Latin letters Windows-1252 holds in both
// cases; any other character is left as it is.
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);

// n blanks / n copies of the first character of ch. n < 0 or an empty ch
// raises 5.
std::string Space(int32_t n);
std::string StringOf(int32_t n, std::string_view ch);

}  // namespace rt
