#pragma once
// Conversions with the original runtime's rules, under Spanish number
// conventions (decimal comma, thousands point) whatever the machine's locale.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "quelvort/variant.h"

namespace rt {

// Empty gives "", Null raises 94, a Double gives up to 15 significant digits
// with a decimal comma, a Boolean gives "True" or "False".
std::string CStr(const Variant& v);

// Round halves to even; raise 6 when the result does not fit and 13 when the
// value is not a number.
int16_t CInt(const Variant& v);
int32_t CLng(const Variant& v);
double CDbl(const Variant& v);

// The leading number of a text, always with "." as decimal point; blanks
// inside the number are skipped; 0 when there is none.
double Val(std::string_view text);

// True when CDbl would succeed (Empty counts, Null does not).
bool IsNumeric(const Variant& v);

// A text in Spanish conventions as a number, or nothing when it is not one.
std::optional<double> ParseSpanishNumber(std::string_view text);

// A number as CStr writes it (15 significant digits, decimal comma).
std::string FormatDouble(double value);

// Room for a number as CStr writes it.
using NumberText = std::array<char, 32>;
// The same texts written into a buffer, for a caller that copies them once
// where they go: valid while the buffer is.
std::string_view FormatLong(int32_t value, NumberText& buffer);
std::string_view FormatDouble(double value, NumberText& buffer);

// The two roundings the runtime uses: CInt/CLng round halves to even; Format
// and Round-to-places in the money conversions round halves away from zero.
double RoundHalfEven(double value);
double RoundHalfAwayFromZero(double value, int decimals = 0);

}  // namespace rt
