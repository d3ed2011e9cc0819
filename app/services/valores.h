#pragma once
// Numbers in text boxes: zero shows as a blank box and a blank box reads as
// zero.
#include <QString>
#include <array>
#include <string_view>

#include "quelvort/variant.h"

namespace quelvo {

// "" for a value that is zero (a blank value also sets the caller's variable
// to 0), else the value unchanged. A value that is no number raises, with
// "General.CB" in front of the description.
rt::Variant CB(rt::Variant& valor);

// 0 for "" (and Empty), else the value as a number in Spanish conventions;
// blanks are not removed first. A value that is no number raises, with
// "General.BC" in front of the description.
double BC(const rt::Variant& valor);


// An amount in currency units as the program shows it, "#,###,###,###,##0.00"
// in Spanish conventions: "1.234.567,89", "0,00", "-5,00"; rounded to
// hundredths, halves away from zero.
QString FormatoImporte(double importe);
// The same text written into `texto`, for a caller that measures many
// amounts without making a QString of each.
std::string_view FormatoImporte(double importe, std::array<char, 32>& texto);

}  // namespace quelvo
