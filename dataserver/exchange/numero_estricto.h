#pragma once
// Numbers read from an import line: an optional leading "-" and digits, and
// nothing else (no blanks, no "+", no decimal comma, no exponent). A value
// that does not read is a finding of the line's checks, never an error.
#include <cstdint>
#include <optional>
#include <string_view>

#include "quelvort/variant.h"

namespace quelvodat::Importacion {

// At most 18 digits, so every value fits.
std::optional<int64_t> NumeroEstricto(std::string_view texto);
// Only values that fit 32 bits.
std::optional<int32_t> EnteroEstricto(std::string_view texto);

// A value of a value buffer: a number kind reads as itself (whole numbers
// only for EnteroDeValor), a text strictly.
std::optional<double> NumeroDeValor(const rt::Variant& valor);
std::optional<int32_t> EnteroDeValor(const rt::Variant& valor);

}  // namespace quelvodat::Importacion
