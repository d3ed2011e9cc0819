#pragma once
// The data server's shared plain procedures: record arrays, value reading,
// fixed-width fields, apostrophe escaping, period codes and the national-layout
// key conversions. None of them touches the shared connection; the record
// arrays read a query their caller opened on it.
#include <cstdint>
#include <string>
#include <string_view>

#include "quelvort/variant.h"

namespace quelvodat::sqlite {
class Statement;
}
namespace zentalib {
class _cMiscelaneos;
}

namespace quelvodat::General {

// The outside component's miscellany of this thread (NIF check, an import
// line's preparation): it keeps nothing between calls, so one object serves
// them all rather than one made for each.
zentalib::_cMiscelaneos& Miscelaneos();

// Shapes of RecordsetAMatriz.
inline constexpr int32_t kUnaColumna = 1;  // 1-D, first column of every row
inline constexpr int32_t kUnaFila = 0;     // 1-D, the columns of one row, one spare element
inline constexpr int32_t kLista = 2;       // 2-D (field, row), rows from 1

// The rows of a query its caller prepared and bound, as a record array, or
// Null when it has no row. Each row is read once, straight into the array,
// which is made for filasPrevistas rows and follows the rows read; the query
// is left at its end (after its first row for kUnaFila).
rt::Variant RecordsetAMatriz(sqlite::Statement& rs, int32_t modo, int32_t filasPrevistas = 0);

// The value read as a number: 0 for anything that is not digits and "-".
double BC(const rt::Variant& valor);
bool EsNumerico(std::string_view texto);

// Fixed-width fields. RellenarNumero raises an error naming the value and the
// width when the rounded value needs more than the width.
std::string RellenarNumero(double valor, int16_t n, std::string_view relleno);
// Cuts `texto` (the caller's variable) to n characters when it is longer.
std::string RellenarTexto(std::string& texto, int16_t n, std::string_view relleno);
std::string RellenarTexto(const std::string& texto, int16_t n, std::string_view relleno);

rt::Variant CeroAVacio(const rt::Variant& valor);
std::string EscaparComillas(std::string_view texto);
std::string RestaurarComillas(const rt::Variant& valor);

// Period codes: "01".."12", "1T".."4T", "0A".
std::string MesDePeriodo(std::string_view codigo);
int16_t PeriodicidadDePeriodo(std::string_view codigo);

// National-layout operation keys (the key at position 133 of the line).
std::string ConvClaveEstatalA(std::string_view linea);
std::string ConvClaveEstatalB(std::string_view linea);
std::string MarcaTriangular(std::string_view clave);

}  // namespace quelvodat::General
