#pragma once
// Pieces the record builders of both layouts share.
#include <cstdint>
#include <map>
#include <string>

#include "quelvort/variant.h"

namespace quelvodat {

struct TotalClave {
    int64_t numero = 0;
    double bases = 0;  // hundredths, as stored
};

// The totals rows of a declaration (field 0 key, 1 sum of the bases, 2 number
// of entries; Null for none) by key in upper case.
std::map<std::string, TotalClave> TotalesPorClave(const rt::Variant& vFilasTotales);

// A value that is absent (Empty, Null or blank text) as 0; anything else as it is.
rt::Variant CeroSiFalta(const rt::Variant& valor);

}  // namespace quelvodat
