#pragma once
// Fixed texts of the printing and recording windows' messages.
#include <QString>

#include "services/globales.h"

namespace quelvo {

// Input errors a window finds itself.
inline constexpr char kTituloErrorIntroduccion[] = "Error en la Introducción de Datos";

// A run asked for without any declarant.
inline QString TextoSinDeclarantes() {
    return lngIdioma == 0 ? QStringLiteral("No se ha elegido ningún declarante.")
                          : QStringLiteral("Ez da aitortzailerik aukeratu.");
}

}  // namespace quelvo
