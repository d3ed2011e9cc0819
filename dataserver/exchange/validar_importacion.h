#pragma once
// The checks an import line passes before anything is stored: the character
// check of the raw line, the record-type check, and the field checkers of the
// value buffers (ValoresDte, ValoresDteCion, ValoresDeclarado). Each checker
// returns a new error buffer (buffer_errores.h) holding every finding, not
// only the first; fields are found by their label.
#include <cstdint>
#include <string>
#include <string_view>

#include "quelvort/variant.h"

namespace quelvodat::Importacion {

// The outcome of one imported line (Resultado).
namespace resultado {
inline constexpr uint8_t kGuardado = 0;          // stored as new
inline constexpr uint8_t kExistente = 1;         // the declarant was there already
inline constexpr uint8_t kDeclaranteSinCambio = 2;  // or: its declaration was refused
inline constexpr uint8_t kErroresCampos = 3;
inline constexpr uint8_t kSinDeclaracion = 4;    // the declaration cannot be created
inline constexpr uint8_t kCaracteres = 6;
}  // namespace resultado

// Limits of the length step.
inline constexpr int32_t kLimiteDte = 190;            // declarant-file line
inline constexpr int32_t kLimiteDteCion = 164;        // record 1
inline constexpr int32_t kLimiteDeclarado = 190;      // record 2 up to 2009
inline constexpr int32_t kLimiteDeclarado2010 = 250;  // record 2 from 2010

// A Windows-1252 code the authority's files may hold.
bool CaracterPermitido(unsigned char codigo);

// Hands the line to Zentalib's ValidarCaracErrEnImp and replaces it with the
// line that comes back; then the first character outside the allowed set
// (one that Windows-1252 cannot hold included) is finding 50 with that
// character. At most one finding.
rt::Variant ValidarCaracteres(std::string& strLinea);

// The first character is "0", "1" or "2". A line starting "3", or empty, is
// of no known type.
bool ComprobarTipoRegistro(std::string_view strLinea);

// A declarant: a declarant-file line (limit 190) or a record 1 (limit 164).
rt::Variant ValidarDte(const rt::Variant& vBufferValores, int32_t lngLongitud);

// The declaration a declared entry goes to.
struct DeclaracionDestino {
    std::string mdblec;
    std::string mdbmod;
    int32_t ejercicioMax = 0;
    int32_t ejercicioMin = 0;
    int32_t declaracion = 0;
    int32_t periodo = 0;  // last month of its period
    int32_t ejercicio = 0;
    int32_t periodicidad = 0;
};

// Declared entries of the rules up to 2009 (keys 1 to 4) and from 2010 (keys
// A, E, S, T, I, M, H).
rt::Variant ValidarDeclarado(const rt::Variant& vBufferValores, int32_t lngLongitud,
                             const DeclaracionDestino& destino);
rt::Variant ValidarDeclarado2010(const rt::Variant& vBufferValores, int32_t lngLongitud,
                                 const DeclaracionDestino& destino);

}  // namespace quelvodat::Importacion
