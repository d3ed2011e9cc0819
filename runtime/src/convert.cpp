#include "quelvort/convert.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

#include "quelvort/error.h"

namespace rt {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::optional<double> parseRadix(std::string_view digits, int radix) {
    if (digits.empty()) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    // "&H" numbers are 16-bit or 32-bit two's complement in the runtime.
    if (digits.size() <= 4 && radix == 16 && value > 0x7FFF) value -= 0x10000;
    else if (radix == 16 && value > 0x7FFFFFFF && value <= 0xFFFFFFFF) value -= 0x100000000LL;
    return static_cast<double>(value);
}

std::optional<double> parseC(const std::string& normalized) {
    double value = 0;
    auto first = normalized.data();
    auto last = first + normalized.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) return std::nullopt;
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

[[noreturn]] void overflow() { throw Error::Runtime(err::Overflow); }
[[noreturn]] void typeMismatch() { throw Error::Runtime(err::TypeMismatch); }

template <typename T>
T roundToWhole(const Variant& v) {
    double d = CDbl(v);
    double r = RoundHalfEven(d);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max())))
        overflow();
    return static_cast<T>(r);
}

}  // namespace

std::optional<double> ParseSpanishNumber(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view s = text.substr(b, e - b);
    if (s.empty()) return std::nullopt;

    if (s.size() > 2 && s[0] == '&') {
        char kind = static_cast<char>(s[1] | 0x20);
        if (kind == 'h') return parseRadix(s.substr(2), 16);
        if (kind == 'o') return parseRadix(s.substr(2), 8);
        return std::nullopt;
    }

    // A whole number of up to 15 digits, as stored amounts and keys are, is
    // exact as a double: read at once.
    {
        const bool hasSign = s[0] == '+' || s[0] == '-';
        const size_t count = s.size() - (hasSign ? 1 : 0);
        if (count > 0 && count <= 15) {
            int64_t whole = 0;
            size_t k = hasSign ? 1 : 0;
            while (k < s.size() && isDigit(s[k])) whole = whole * 10 + (s[k++] - '0');
            if (k == s.size()) return s[0] == '-' ? -static_cast<double>(whole) : static_cast<double>(whole);
        }
    }

    std::string out;
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') {
        if (s[i] == '-') out += '-';
        ++i;
    }
    bool digits = false;
    // Integer part: the thousands point may stand between digits.
    while (i < s.size()) {
        if (isDigit(s[i])) {
            out += s[i++];
            digits = true;
        } else if (s[i] == '.' && digits && i + 1 < s.size() && isDigit(s[i + 1])) {
            ++i;
        } else {
            break;
        }
    }
    if (i < s.size() && s[i] == ',') {
        out += '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            out += s[i++];
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        out += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) out += s[i++];
        bool expDigits = false;
        while (i < s.size() && isDigit(s[i])) {
            out += s[i++];
            expDigits = true;
        }
        if (!expDigits) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return parseC(out);
}

std::string_view FormatLong(int32_t value, NumberText& buffer) {
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), static_cast<size_t>(end - buffer.data())};
}

std::string_view FormatDouble(double value, NumberText& buffer) {
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    if (value == 0) {
        *first = '0';
        return {first, 1};
    }
    // A whole number of up to 15 digits prints as its digits alone.
    char* end = nullptr;
    if (std::fabs(value) < 1e15 && std::trunc(value) == value) {
        end = std::to_chars(first, last, static_cast<long long>(value)).ptr;
    } else {
        // What printf's "%.15G" writes: the general form with 15 significant
        // digits, its letters in capitals.
        end = std::to_chars(first, last, value, std::chars_format::general, 15).ptr;
        for (char* c = first; c != end; ++c) {
            if (*c == '.') *c = ',';
            else if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
        }
    }
    return {first, static_cast<size_t>(end - first)};
}

std::string FormatDouble(double value) {
    NumberText buffer;
    return std::string(FormatDouble(value, buffer));
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

double RoundHalfAwayFromZero(double value, int decimals) {
    double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    // A half that binary fractions store a hair below still counts as a half;
    // the hair is a few units in the last place, never a whole fraction of
    // a large number.
    double floorPart = std::floor(std::fabs(scaled));
    double frac = std::fabs(scaled) - floorPart;
    double tolerance = std::max(1e-9, std::fabs(scaled) * 4 * DBL_EPSILON);
    double magnitude = (frac + tolerance >= 0.5) ? floorPart + 1 : floorPart;
    return std::copysign(magnitude, scaled) / scale;
}

std::string CStr(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty: return {};
    case VarType::Null: throw Error::Runtime(err::InvalidUseOfNull);
    case VarType::Boolean: return v.boolean() ? "True" : "False";
    case VarType::Integer: return std::to_string(v.integer());
    case VarType::Long: {
        NumberText buffer;
        return std::string(FormatLong(v.lng(), buffer));
    }
    case VarType::Double: return FormatDouble(v.dbl());
    case VarType::String: return v.str();
    case VarType::Array: break;
    }
    typeMismatch();
}

double CDbl(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty: return 0;
    case VarType::Null: throw Error::Runtime(err::InvalidUseOfNull);
    case VarType::Boolean: return v.boolean() ? -1 : 0;
    case VarType::Integer: return v.integer();
    case VarType::Long: return v.lng();
    case VarType::Double: return v.dbl();
    case VarType::String: {
        auto d = ParseSpanishNumber(v.str());
        if (!d) typeMismatch();
        return *d;
    }
    case VarType::Array: break;
    }
    typeMismatch();
}

int16_t CInt(const Variant& v) { return roundToWhole<int16_t>(v); }
int32_t CLng(const Variant& v) { return roundToWhole<int32_t>(v); }

bool IsNumeric(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double: return true;
    case VarType::String: return ParseSpanishNumber(v.str()).has_value();
    default: return false;
    }
}

double Val(std::string_view text) {
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                                   text[i] == '\r'))
            ++i;
    };
    skipBlanks();
    if (i + 1 < text.size() && text[i] == '&') {
        char kind = static_cast<char>(text[i + 1] | 0x20);
        int radix = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
        if (radix == 0) return 0;
        i += 2;
        std::string digits;
        while (i < text.size()) {
            char c = text[i];
            bool ok = radix == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                                  : (c >= '0' && c <= '7');
            if (!ok) break;
            digits += c;
            ++i;
        }
        return parseRadix(digits, radix).value_or(0);
    }
    std::string out;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    bool point = false, digits = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == ' ' || c == '\t') continue;
        if (isDigit(c)) {
            out += c;
            digits = true;
        } else if (c == '.' && !point) {
            out += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exp = "e";
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
        bool expDigits = false;
        while (j < text.size() && isDigit(text[j])) {
            exp += text[j++];
            expDigits = true;
        }
        if (expDigits) out += exp;
    }
    if (out.back() == '.') out.pop_back();
    return parseC(out).value_or(0);
}

}  // namespace rt
