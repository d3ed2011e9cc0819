#include "quelvort/cp1252.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "quelvort/error.h"
#include "utf8.h"

namespace rt {

namespace {

// Code points of bytes 0x80-0x9F; the rest of the upper half is U+00A0-U+00FF.
constexpr char32_t kHighRow[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

std::optional<unsigned char> EncodeChar(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (unsigned i = 0; i < 32; ++i)
        if (kHighRow[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

struct Problem {
    bool invalidUtf8 = false;
    std::size_t position = 0;
    char32_t cp = 0;
};

// Encodes into out (when given); on the first problem fills it and stops.
bool Encode(std::string_view utf8, std::string* out, Problem& problem) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        // A run of ASCII is the same bytes in both.
        std::size_t ascii = pos;
        while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
        if (ascii > pos) {
            if (out) out->append(utf8.data() + pos, ascii - pos);
            pos = ascii;
            continue;
        }
        char32_t cp;
        const std::size_t n = utf8::Decode(utf8, pos, cp);
        if (n == 0) {
            problem = {true, pos, static_cast<unsigned char>(utf8[pos])};
            return false;
        }
        const auto byte = EncodeChar(cp);
        if (!byte) {
            problem = {false, pos, cp};
            return false;
        }
        if (out) *out += static_cast<char>(*byte);
        pos += n;
    }
    return true;
}

}  // namespace

std::string ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    Problem problem;
    if (Encode(utf8, &out, problem)) return out;
    char text[96];
    if (problem.invalidUtf8) {
        std::snprintf(text, sizeof text, "The text is not valid UTF-8 (byte 0x%02X at byte %zu)",
                      static_cast<unsigned>(problem.cp), problem.position + 1);
    } else {
        std::snprintf(text, sizeof text, "The character U+%04X cannot be written in Windows-1252",
                      static_cast<unsigned>(problem.cp));
    }
    throw Error(err::InvalidArgument, "Quelvo", text);
}

std::string FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        // A run of ASCII is the same bytes in both.
        std::size_t ascii = pos;
        while (utf8::EightAscii(bytes, ascii)) ascii += 8;
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
        out.append(bytes.data() + pos, ascii - pos);
        if (ascii == bytes.size()) break;
        const auto b = static_cast<unsigned char>(bytes[ascii]);
        utf8::Append(out, b < 0xA0 ? kHighRow[b - 0x80] : char32_t{b});
        pos = ascii + 1;
    }
    return out;
}

bool CanEncodeCp1252(std::string_view utf8) {
    Problem problem;
    return Encode(utf8, nullptr, problem);
}

}  // namespace rt
