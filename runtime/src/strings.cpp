#include "quelvort/strings.h"

#include "quelvort/error.h"
#include "utf8.h"

namespace rt {

namespace {

[[noreturn]] void RaiseInvalidArgument() { throw Error::Runtime(err::InvalidArgument); }

// Byte offset where character number `chars` (from 0) starts; s.size() when s
// has no more characters than that.
std::size_t ByteOffset(std::string_view s, int64_t chars) {
    std::size_t pos = 0;
    while (chars > 0 && pos < s.size()) {
        if (chars >= 8 && utf8::EightAscii(s, pos)) {
            pos += 8;
            chars -= 8;
            continue;
        }
        pos += utf8::Step(s, pos);
        --chars;
    }
    return pos;
}

char32_t Upper(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    switch (c) {
    case 0x0153: return 0x0152;  // œ
    case 0x0161: return 0x0160;  // š
    case 0x017E: return 0x017D;  // ž
    case 0x00FF: return 0x0178;  // ÿ
    default: return c;
    }
}

char32_t Lower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
    case 0x0152: return 0x0153;  // Œ
    case 0x0160: return 0x0161;  // Š
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return c;
    }
}

template <typename Map>
std::string MapCase(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        char32_t cp;
        const std::size_t n = utf8::Decode(s, pos, cp);
        if (n == 0) {
            out += s[pos++];  // not UTF-8: keep the byte as it is
            continue;
        }
        utf8::Append(out, map(cp));
        pos += n;
    }
    return out;
}

}  // namespace

int32_t Len(std::string_view s) {
    int32_t count = 0;
    for (std::size_t pos = 0; pos < s.size();) {
        if (utf8::EightAscii(s, pos)) {
            pos += 8;
            count += 8;
            continue;
        }
        pos += utf8::Step(s, pos);
        ++count;
    }
    return count;
}

std::string Left(std::string_view s, int32_t n) {
    if (n < 0) RaiseInvalidArgument();
    return std::string(s.substr(0, ByteOffset(s, n)));
}

std::string Right(std::string_view s, int32_t n) {
    if (n < 0) RaiseInvalidArgument();
    const int32_t len = Len(s);
    if (n >= len) return std::string(s);
    return std::string(s.substr(ByteOffset(s, len - n)));
}

std::string Mid(std::string_view s, int32_t start) {
    if (start < 1) RaiseInvalidArgument();
    return std::string(s.substr(ByteOffset(s, int64_t{start} - 1)));
}

std::string Mid(std::string_view s, int32_t start, int32_t length) {
    if (start < 1 || length < 0) RaiseInvalidArgument();
    const std::string_view rest = s.substr(ByteOffset(s, int64_t{start} - 1));
    return std::string(rest.substr(0, ByteOffset(rest, length)));
}

int32_t InStr(std::string_view s, std::string_view find) { return InStr(1, s, find); }

int32_t InStr(int32_t start, std::string_view s, std::string_view find) {
    if (start < 1) RaiseInvalidArgument();
    if (s.empty()) return 0;
    // Walk to the start character; running out of text first means start lies
    // beyond the end plus one.
    std::size_t pos = 0;
    for (int32_t skip = start - 1; skip > 0; --skip) {
        if (pos >= s.size()) return 0;
        pos += utf8::Step(s, pos);
    }
    if (find.empty()) return start;
    for (int32_t index = start; pos + find.size() <= s.size(); ++index) {
        if (s.compare(pos, find.size(), find) == 0) return index;
        pos += utf8::Step(s, pos);
    }
    return 0;
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
    // Most texts hold nothing to replace: a plain search settles them.
    if (find.empty() || s.find(find) == std::string_view::npos) return std::string(s);
    std::string out;
    out.reserve(s.size());
    // Match only where a character starts, so a search cannot land inside one.
    for (std::size_t pos = 0; pos < s.size();) {
        if (s.compare(pos, find.size(), find) == 0) {
            out += with;
            pos += find.size();
        } else {
            const std::size_t n = utf8::Step(s, pos);
            out += s.substr(pos, n);
            pos += n;
        }
    }
    return out;
}

std::string LTrim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string_view TrimView(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

std::string UCase(std::string_view s) { return MapCase(s, Upper); }
std::string LCase(std::string_view s) { return MapCase(s, Lower); }

std::string Space(int32_t n) {
    if (n < 0) RaiseInvalidArgument();
    return std::string(static_cast<std::size_t>(n), ' ');
}

std::string StringOf(int32_t n, std::string_view ch) {
    if (n < 0 || ch.empty()) RaiseInvalidArgument();
    const std::string_view first = ch.substr(0, utf8::Step(ch, 0));
    std::string out;
    out.reserve(first.size() * static_cast<std::size_t>(n));
    for (int32_t i = 0; i < n; ++i) out += first;
    return out;
}

}  // namespace rt
