#pragma once
// The message catalog (every caption and message of the program, in Spanish
// and Basque) and the texts of the validation and import error codes.
#include <QString>
#include <cstdint>

namespace quelvo {

// Text of entry id: 101-360 Spanish, 10101-10360 Basque. An id the catalog
// lacks raises 326, as the missing resource did in the old program.
const QString& TextoCatalogo(int32_t id);

// Text of entry id in the current language (id + lngIdioma).
QString Cat(int32_t id);

// How many texts the catalog holds, both languages together.
int32_t NumeroTextosCatalogo();

// The error code of a declaration whose total the submission file cannot
// hold; its text is the program's own, not the catalog's.
inline constexpr int16_t kCodigoTotalFichero = 67;

// The error code of an amount typed as a text that is no amount.
inline constexpr int16_t kCodigoImporteIlegible = 70;

// The error code of an entry whose own amount the submission file cannot
// hold; its text is the program's own.
inline constexpr int16_t kCodigoImporteFichero = 71;

// Message of a validation or import error code (0-71) in the current
// language; any other code gives "".
QString DescripcionError(int16_t codigo);

}  // namespace quelvo
