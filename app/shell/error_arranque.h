#pragma once
// The box that reports a failed start-up before the program ends. The error
// keeps its description; the box says, in the program's language, the
// number, where it happened and what happened apart, and the file that could
// not be opened when the message names one.
#include <QString>
#include <string_view>

#include "quelvort/error.h"

namespace quelvo {

// The text of the box for `e` as it left the start-up step whose location is
// `lugarPaso` ("" for a step that adds none).
QString TextoErrorArranque(const rt::Error& e, std::string_view lugarPaso);

// Shows that text with the critical icon and waits for the user.
void MostrarErrorArranque(const rt::Error& e, std::string_view lugarPaso);

}  // namespace quelvo
