#pragma once
// Which field of a submission-file record a character stands in, so that a
// refusal can name it to the user. Only the fields that carry typed text are
// named; the others hold numbers and codes the program itself writes.
#include <QString>
#include <string_view>

namespace quelvo {

// The name, in the current language, of the field of `registro` (a record of
// type 0, 1 or 2, of either layout) holding the character at `posicion`
// (1-based, in characters); "" when it is none of the text fields.
QString CampoDeRegistro(std::string_view registro, int posicion);

}  // namespace quelvo
