#include "services/errores.h"

#include <stdexcept>

namespace quelvo {

namespace {

VentanaError& ventana() {
    static VentanaError establecida;
    return establecida;
}

}  // namespace

void GestionarError(const QString& formulario, const QString& evento, const QString& descripcion) {
    if (!ventana()) throw std::logic_error("GestionarError: no hay ventana de errores conectada");
    ventana()(formulario, evento, descripcion);
}

void EstablecerVentanaError(VentanaError nueva) { ventana() = std::move(nueva); }

}  // namespace quelvo
