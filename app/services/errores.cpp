#include "services/errores.h"

#include "windows/frmGestErrores_794.h"

namespace quelvo {

void GestionarError(const QString& formulario, const QString& evento, const QString& descripcion) {
    // No parent: the window must outlive whatever window failed.
    frmGestErrores_794 ventana;
    ventana.Mostrar(formulario, evento, descripcion);
}

}  // namespace quelvo
