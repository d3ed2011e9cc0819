#pragma once
// The main window's small pictures, by their number in its image list, for
// the windows that show them: 6 a declaration in euros, 7 one in pesetas,
// 8 a new entry, 9 an entry being edited, 10 a declared entry, 12 a declarant
// in the two-list selectors.
#include <QIcon>

namespace quelvo {

inline constexpr int kImagenEuros = 6;
inline constexpr int kImagenPesetas = 7;
inline constexpr int kImagenAlta = 8;
inline constexpr int kImagenEdicion = 9;
inline constexpr int kImagenDeclarado = 10;
inline constexpr int kImagenDeclarante = 12;

// The picture; an empty icon for a number the list does not hold.
QIcon ImagenMDI16(int numero);

}  // namespace quelvo
