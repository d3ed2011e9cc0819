#pragma once
// Lines of a submission file in the national layout rewritten into lines of
// our own layout, which the import then cuts and checks as any other line.
// Exactly one own line comes out of every national line; a conversion never
// refuses a line and never raises: what it cannot read is carried into the own
// line so that the import's checks refuse it.
#include <cstdint>
#include <string>

namespace quelvodat::ConvDelEstatal {

// Dispatches on the first character: "0" comes back unchanged, "1" the
// declarant conversion, "2" the operation conversion when the base at 134-146
// is not blank and the rectification conversion otherwise; anything else gives
// an empty text (a line of unknown type). btePeriodo and btePeriodicidad are the
// import's current declaration's, written as the period code of type-2 lines.
std::string ConvertirLineaEstatal(const std::string& strLinea, int32_t btePeriodo,
                                  int32_t btePeriodicidad);

// A national type-1 line as an own type-1 line of 190 characters.
std::string ConvertirDteEstatal(const std::string& strLinea);

// A national type-2 line as an own type-2 line: 190 characters up to 2009,
// 189 from 2010 (exercise at 5-8 of the national line).
std::string ConvertirOperacionEstatal(const std::string& strLinea, int32_t btePeriodo,
                                      int32_t btePeriodicidad);
std::string ConvertirRectificacionEstatal(const std::string& strLinea, int32_t btePeriodo,
                                          int32_t btePeriodicidad);

}  // namespace quelvodat::ConvDelEstatal
