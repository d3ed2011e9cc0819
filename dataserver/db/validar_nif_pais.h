#pragma once
// Format checks of EU VAT numbers by member-state code. Pure text tests on the
// number without its country prefix; lengths and positions count characters.
// The digit class is EsNumerico's: "0"-"9" and "-".
#include <span>
#include <string_view>

#include "quelvort/variant.h"

namespace quelvodat::General {

// The form of the member state `codigo` (two upper-case letters, compared
// exactly). False for Spain and for any code without a rule.
bool ValidarNifPais(std::string_view numero, std::string_view codigo);

bool ValidarNifRO(std::string_view numero);
bool ValidarNifAT(std::string_view numero);
bool ValidarNifCY(std::string_view numero);
bool ValidarNifIE(std::string_view numero);
bool ValidarNifNL(std::string_view numero);
bool ValidarNifFR(std::string_view numero);

// The all-digit rule with the code's set of lengths; False for an unknown code.
bool ValidarNifLongitud(std::string_view numero, std::string_view codigo);

// True when the number is all digits and its length is one of `longitudes`.
bool LongitudValida(std::string_view numero, std::span<const int> longitudes);

// Every character is "A"-"Z" or "Ñ" (case-sensitive); True for the empty text.
bool SoloLetras(const rt::Variant& valor);
// Every character is a letter as above, "0"-"9" or "-"; True for the empty text.
bool SoloAlfanumericos(const rt::Variant& valor);

}  // namespace quelvodat::General
