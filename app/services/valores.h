#pragma once
// Numbers in text boxes: zero shows as a blank box and a blank box reads as
// zero; amounts as the program shows them and as the user types them.
#include <QString>
#include <array>
#include <optional>
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

// An amount as the user writes it, read in Spanish conventions without
// guessing: "" for a blank text; else the amount as "-1234,56" (no thousands
// points, a comma only before decimals) or nothing when the text is no
// amount. The comma is the decimal mark; a point is a thousands point when
// three digits follow it, in groups of three ("1.234.567"), and the decimal
// mark when it is the last point and one or two digits end the text
// ("1234.56"); an optional leading minus, at most two decimals, any number
// of whole digits. "7,891", "1,2,3", "5-", "12a3" and "1.2345" are no amounts.
std::optional<QString> LeerImporte(const QString& texto);

// The amount a text holds, as LeerImporte reads it, shown as FormatoImporte
// shows an amount and exact whatever its digits; a blank text or one that is
// no amount is given back as it is.
QString FormatoImporte(const QString& texto);

}  // namespace quelvo
