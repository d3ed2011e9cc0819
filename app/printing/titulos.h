#pragma once
// Fixed titles of the printing and recording windows' messages, the same in
// both languages.

namespace quelvo {

// Input errors a window finds itself.
inline constexpr char kTituloErrorIntroduccion[] = "Error en la Introducción de Datos";

}  // namespace quelvo
