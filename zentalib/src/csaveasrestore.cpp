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
    detalleFallo_.clear();
    // A broken database must not replace a good backup.
    ResultadoCopia resultado = ComprobarBaseUsuario(origen);
    if (resultado.ok()) resultado = CopiarBaseDatos(origen, destino);
    return Terminar(Operacion::Copia, resultado, origen, destino);
}

bool cSaveAsRestore::CrearRestore() {
    const std::string origen = Origen();
    const std::string destino = Destino();
    detalleFallo_.clear();
    // Checked before the user is asked and before anything is touched.
    ResultadoCopia resultado = ComprobarBaseUsuario(origen);
    if (resultado.ok()) {
        if (!Confirmar(parent_, idioma_, TituloOperacion(Operacion::Restauracion, idioma_),
                       TextoConfirmarRestauracion(origen, destino, idioma_)))
            return false;
        resultado = CopiarBaseDatos(origen, destino);
    }
    return Terminar(Operacion::Restauracion, resultado, origen, destino);
}

bool cSaveAsRestore::Terminar(Operacion operacion, const ResultadoCopia& resultado, const std::string& origen,
                              const std::string& destino) {
    const QString titulo = TituloOperacion(operacion, idioma_);
    if (resultado.ok()) {
        Informar(parent_, idioma_, titulo, TextoHecho(operacion, origen, destino, idioma_));
        return true;
    }
    const QString texto = TextoFallo(operacion, resultado, origen, destino, idioma_);
    // The user reads what is wrong in their words; the engine's own words
    // are kept for whoever reads the error log.
    if (!resultado.detalle.empty())
        detalleFallo_ = texto.toStdString() + "\r\n" + resultado.detalle;
    AvisarFallo(parent_, idioma_, titulo, texto);
    return false;
}

QUELVO_CREATABLE(cSaveAsRestore)

}  // namespace zentalib
