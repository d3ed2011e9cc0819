#pragma once
// Dates as the user types and reads them: "dd/mm/yyyy" in Spanish,
// "yyyy/mm/dd" in Basque; as numbers yyyymmdd, 0 the empty date and -1 an
// invalid one.
#include <QString>
#include <cstdint>

namespace quelvo {

// The empty date box of the print and record dialog, which sets it to the
// mask of the current language when it shows an empty date; "" until then.
inline QString strFechaVacia;

// The date box's input mask of the current language: "__/__/____" or
// "____/__/__".
QString MascaraFecha();

// True for a real date in the current language's layout (year from 1000 and
// from anoMinimo), for strFechaVacia and for the current mask.
bool FechaValida(const QString& texto, int16_t anoMinimo = 0);

// yyyymmdd of a date text; 0 for the empty date, -1 for an invalid text.
int32_t FechaANumero(const QString& texto, int16_t anoMinimo = 0);

// The date text of a yyyymmdd number (ddmmyyyy when diaPrimero); the current
// mask for 0, a negative number or a number that is no date.
QString NumeroAFecha(int32_t numero, bool diaPrimero = false);

// Basque suffix written after the day number: "ean", "an" or "n"; "" outside
// 1 to 31.
QString SufijoDia(int16_t dia);

}  // namespace quelvo
