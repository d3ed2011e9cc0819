#pragma once
// Numbers written as the record loads need them: whole, with zeros on the
// left to a minimum number of digits.
#include <string>

#include "quelvort/variant.h"

namespace quelvo {

// The value as Format(valor, "00...") writes it with `digitos` zeros: halves
// round away from zero, a minus sign goes in front of the zeros, more digits
// than `digitos` are kept. A value that is not a number raises 13.
std::string FormatoCeros(const rt::Variant& valor, int digitos);

}  // namespace quelvo
