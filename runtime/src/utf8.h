#pragma once
// Stepping through UTF-8 text one character at a time; shared by the string
// helpers and the Windows-1252 codec.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace rt::utf8 {

// Decodes the character that starts at pos into cp and returns its length in
// bytes, or 0 when the bytes there are not valid UTF-8 (stray continuation
// byte, truncated or overlong sequence, surrogate, beyond U+10FFFF).
std::size_t Decode(std::string_view s, std::size_t pos, char32_t& cp);

// Length of the character at pos. A byte that starts no valid character counts
// as one character of its own, so text that is not clean UTF-8 still splits
// without ever cutting a valid character.
inline std::size_t Step(std::string_view s, std::size_t pos) {
    // Most text is ASCII: one byte, one character, no decoding.
    if (pos < s.size() && static_cast<unsigned char>(s[pos]) < 0x80) return 1;
    char32_t cp;
    const std::size_t n = Decode(s, pos, cp);
    return n != 0 ? n : 1;
}

void Append(std::string& out, char32_t cp);

// The eight bytes from pos are there and plain ASCII (eight characters in
// UTF-8 and in Windows-1252 alike).
inline bool EightAscii(std::string_view s, std::size_t pos) {
    if (pos > s.size() || s.size() - pos < 8) return false;
    std::uint64_t bytes;
    std::memcpy(&bytes, s.data() + pos, 8);
    return (bytes & 0x8080808080808080ULL) == 0;
}

}  // namespace rt::utf8
