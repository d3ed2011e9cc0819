#include "services/mensajes.h"

#include <stdexcept>

namespace quelvo {

namespace {

CajaMensaje& caja() {
    static CajaMensaje establecida;
    return establecida;
}

}  // namespace

int16_t MostrarMensaje(const QString& texto, const QString& titulo, bool soloAceptar) {
    if (!caja()) throw std::logic_error("MostrarMensaje: no hay caja de mensajes conectada");
    return caja()(texto, titulo, soloAceptar);
}

void EstablecerCajaMensaje(CajaMensaje nueva) { caja() = std::move(nueva); }

}  // namespace quelvo
