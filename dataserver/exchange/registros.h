#pragma once
// The submission file's records: the builders of types 0, 1 and 2 in the layout
// up to 2009 (190 characters) and from 2010 (250 characters), the cutters of
// type-1 and type-2 records read back, the period codes and the peseta
// conversion. Every builder returns a record of exactly its layout's length or
// raises an error with its location; none opens a database or a file.
// The layouts themselves are the tables of diseno_registros.h.
#include <cstdint>
#include <string>

#include "quelvort/variant.h"

namespace quelvodat {

inline constexpr int32_t kLargoRegistroAnt = 190;   // layout up to 2009
inline constexpr int32_t kLargoRegistro2010 = 250;  // layout from 2010
inline constexpr double kPesetasPorEuro = 166.386;

// Buffers read by the builders (Variant arrays):
// - presenter export buffer (0 To 15): 1 NIF, 2 name, 3 street type, 4 street,
//   5 number, 6 letter, 7 stair, 8 floor, 9 door, 10 province "00", 11 last three
//   postal digits "000", 12 municipality, 13 telephone, 14 contact name,
//   15 contact telephone;
// - declarant load buffer (0 To 15, as cDeclarante.CargarDeclarante fills it):
//   1 NIF, 2 name, 10 province code, 13 contact name, 14 telephone;
// - totals rows (as cDeclaraciones.ObtenerTotalDeclarados returns them): a
//   (field, row) array, rows from 1, field 0 the key, 1 the sum of the bases in
//   hundredths, 2 the number of entries; Null when the declaration has none;
// - declared-entry buffer (as cDeclarado.CargarDeclarado returns it), read by
//   the names of CampoCargado (the base in hundredths, the type "N"/"R").

namespace Exportacion {  // layout up to 2009

// "1T".."4T" for a quarter (period 3, 6, 9, 12), "0A" for the year, "" otherwise
// (a month included).
std::string CodigoPeriodoAnt(int32_t periodo, int32_t periodicidad);

// A stored amount of a peseta declaration (hundredths of a peseta) as whole
// hundredths of a euro: round(importe / 100 / 166.386, 2) * 100, halves away
// from zero.
double PesetasAEuros(double importe);
// The amount a record up to 2009 writes: converted when the currency is "P".
double ImporteSegunMoneda(double importe, const std::string& strMoneda);

std::string ExportarRegistro0(const rt::Variant& vBufferPresentador, int32_t lngNoTotalDtes,
                              int32_t lngNoTotalDos, int32_t lngEjercicio);
std::string ExportarRegistro1(const rt::Variant& vBufferDeclarante,
                              const rt::Variant& vFilasTotales, const std::string& strMoneda,
                              int32_t lngEjercicio, int32_t btePeriodo, int32_t btePeriodicidad);
std::string ExportarRegistro2(int32_t lngEjercicio, int32_t btePeriodo,
                              const rt::Variant& vBufferDeclarado,
                              const rt::Variant& vBufferDeclarante, const std::string& strMoneda,
                              int32_t btePeriodicidad);

}  // namespace Exportacion

namespace Export2010 {  // layout from 2010

// "01".."12" for a month, "1T".."4T" for a quarter, "0A" for the year, "" otherwise.
std::string CodigoPeriodo(int32_t periodo, int32_t periodicidad);

std::string ExportarRegistro0_2010(const rt::Variant& vBufferPresentador, int32_t lngNoTotalDtes,
                                   int32_t lngNoTotalDos, int32_t lngEjercicio);
std::string ExportarRegistro1_2010(const rt::Variant& vBufferDeclarante,
                                   const rt::Variant& vFilasTotales, int32_t lngEjercicio,
                                   int32_t btePeriodo, int32_t btePeriodicidad,
                                   const std::string& strBimensual);
// The currency is accepted and not used: the layout from 2010 never converts.
std::string ExportarRegistro2_2010(int32_t lngEjercicio, int32_t btePeriodo,
                                   const rt::Variant& vBufferDeclarado,
                                   const rt::Variant& vBufferDeclarante,
                                   const std::string& strMoneda, int32_t btePeriodicidad);

}  // namespace Export2010

// Cutters: each returns a value buffer (0 To n, 0 To 1): (i, 0) the value of
// field i, (i, 1) its label; field 0 stays empty.
namespace Importacion {

// A type-1 record of either layout: ValoresDteCion (0 To 18, 0 To 1).
rt::Variant ObtenerValoresDteCion(const std::string& strLinea);
// A type-2 record up to 2009: ValoresDeclarado (0 To 11, 0 To 1); with
// blnConvertir the amount is divided by 166.386 and rounded to two decimals.
rt::Variant ObtenerValoresDeclarado(const std::string& strLinea, bool blnConvertir);

}  // namespace Importacion

namespace Import2010 {

// A type-2 record from 2010: ValoresDeclarado (0 To 11, 0 To 1).
rt::Variant ObtenerValoresDeclarado2010(const std::string& strLinea);

}  // namespace Import2010

}  // namespace quelvodat
