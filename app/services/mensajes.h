#pragma once
// The program's own message box and the two values it shares with its callers.
#include <QString>
#include <cstdint>

#include "services/hook.h"

namespace quelvo {

// Answer of the last message box: 1 "Aceptar", 2 "Cancelar". Not reset
// before a box is shown.
inline int16_t intRespuesta = 0;
// While true the message box offers "No mostrar más este mensaje de aviso";
// the box ticked when the question is answered sets this to false.
inline bool blnMostrarAviso = false;

// MostrarMensaje(texto, titulo, soloAceptar) shows the text under the title
// with "Aceptar" and "Cancelar", or only "Aceptar" when soloAceptar is true,
// and waits for the answer: 1 accepted, 2 cancelled. The box is a window, set
// by the windows at start-up.
inline Hook<int16_t(const QString& texto, const QString& titulo, bool soloAceptar)> MostrarMensaje{
    "MostrarMensaje"};

}  // namespace quelvo
