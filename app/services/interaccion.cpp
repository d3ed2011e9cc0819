#include "services/interaccion.h"

#include <stdexcept>

namespace quelvo {

namespace {

Interaccion* pantalla = nullptr;
Interaccion* instalada = nullptr;

}  // namespace

Interaccion& interaccion() {
    if (instalada) return *instalada;
    if (!pantalla) throw std::logic_error("interaccion: no hay pantalla conectada");
    return *pantalla;
}

void EstablecerInteraccion(Interaccion* otra) { instalada = otra; }

void EstablecerInteraccionPantalla(Interaccion* nueva) { pantalla = nueva; }

}  // namespace quelvo
