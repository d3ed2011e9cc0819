#include "csaveasrestore.h"

#include "avisos.h"
#include "copia_bd.h"
#include "quelvort/class_registry.h"
#include "textos_copia.h"

namespace zentalib {

std::string cSaveAsRestore::Origen() const { return UnirRuta(rutaOrigen_, archivoOrigen_); }

std::string cSaveAsRestore::Destino() const { return UnirRuta(rutaDestino_, archivoDestino_); }

bool cSaveAsRestore::CrearBackup() {
    const std::string origen = Origen();
    const std::string destino = Destino();
    // A broken database must not replace a good backup.
    ResultadoCopia resultado = ComprobarBaseUsuario(origen);
    if (resultado.ok()) resultado = CopiarBaseDatos(origen, destino);
    if (!resultado.ok())
        AvisarFallo(parent_, idioma_, TituloOperacion(Operacion::Copia, idioma_),
                    TextoFallo(Operacion::Copia, resultado, origen, destino, idioma_));
    return resultado.ok();
}

bool cSaveAsRestore::CrearRestore() {
    const std::string origen = Origen();
    const std::string destino = Destino();
    const QString titulo = TituloOperacion(Operacion::Restauracion, idioma_);
    // Checked before the user is asked and before anything is touched.
    ResultadoCopia resultado = ComprobarBaseUsuario(origen);
    if (resultado.ok()) {
        if (!Confirmar(parent_, idioma_, titulo, TextoConfirmarRestauracion(origen, destino, idioma_)))
            return false;
        resultado = CopiarBaseDatos(origen, destino);
    }
    if (!resultado.ok())
        AvisarFallo(parent_, idioma_, titulo,
                    TextoFallo(Operacion::Restauracion, resultado, origen, destino, idioma_));
    return resultado.ok();
}

QUELVO_CREATABLE(cSaveAsRestore)

}  // namespace zentalib
