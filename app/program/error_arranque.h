#pragma once
// The box that reports a failed start-up before the program ends. The error
// keeps its description; the box says, in the program's language, the
// number, where it happened and what happened apart, and the file that could
// not be opened when the message names one.
#include <QString>
#include <string_view>
#include <vector>

#include "quelvort/error.h"

namespace quelvo {

// The text of the box for `e` as it left the start-up step whose location is
// `lugarPaso` ("" for a step that adds none).
QString TextoErrorArranque(const rt::Error& e, std::string_view lugarPaso);

// Shows that text with the critical icon and waits for the user.
void MostrarErrorArranque(const rt::Error& e, std::string_view lugarPaso);

// A button of a start-up box: its objectName and its text.
struct BotonArranque {
    QString nombre;
    QString texto;
};

// Shows a start-up box (the warning icon, objectName `nombre`) with these
// buttons in this order, the last one the default and the one Esc presses,
// and waits; answers the index of the button pressed.
int PreguntarArranque(const QString& nombre, const QString& texto, const std::vector<BotonArranque>& botones);

}  // namespace quelvo
