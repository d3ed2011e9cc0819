#pragma once
// Pieces the record builders of both layouts share.
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "exchange/diseno_registros.h"
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

// A buffer value as text, Null as nothing.
std::string TextoONada(const rt::Variant& valor);

// The fields where one layout's record differs from the other's, set on the
// line being built at their place in the sequence.
using CamposPropios = std::function<void(LineaFija&)>;

// The builders behind both layouts' public ones (registros.h): the fields the
// layouts share are set here, in the same order, so a value that stops the
// record raises the same error in either; the caller adds its location.

// Type 0: the presenter's buffer and the counts.
std::string FormarRegistro0(const Diseno& diseno, const rt::Variant& vBufferPresentador,
                            int32_t lngNoTotalDtes, int32_t lngNoTotalDos, int32_t lngEjercicio);
// Type 1: the declarant and period, the layout's totals, then the contact.
std::string FormarRegistro1(const Diseno& diseno, const rt::Variant& vBufferDeclarante,
                            int32_t lngEjercicio, const std::string& strPeriodo,
                            const CamposPropios& totales);
// Type 2: the declarant, period, declared operator and base (as the layout
// writes it), then the layout's own trailing fields.
std::string FormarRegistro2(const Diseno& diseno, const rt::Variant& vBufferDeclarado,
                            const rt::Variant& vBufferDeclarante, int32_t lngEjercicio,
                            const std::string& strPeriodo, const rt::Variant& base,
                            const CamposPropios& resto);

}  // namespace quelvodat
