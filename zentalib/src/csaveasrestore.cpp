#include "csaveasrestore.h"

#include <filesystem>
#include <system_error>

#include "avisos.h"
#include "copia_bd.h"
#include "quelvort/class_registry.h"
#include "textos_copia.h"

namespace zentalib {

std::string cSaveAsRestore::Origen() const { return UnirRuta(rutaOrigen_, archivoOrigen_); }

std::string cSaveAsRestore::Destino() const { return UnirRuta(rutaDestino_, archivoDestino_); }

bool cSaveAsRestore::CrearBackup() {
    const std::string destino = Destino();
    std::error_code ec;
    // Whatever was deleted since the earlier backup lives only there: the
    // user decides whether it goes.
    const bool sustituye = std::filesystem::is_regular_file(destino, ec);
    return Copiar(Operacion::Copia, Origen(), destino,
                  sustituye ? TextoConfirmarSustitucion(destino, idioma_) : QString());
}

bool cSaveAsRestore::CrearRestore() {
    const std::string origen = Origen();
    const std::string destino = Destino();
    return Copiar(Operacion::Restauracion, origen, destino, TextoConfirmarRestauracion(origen, destino, idioma_));
}

bool cSaveAsRestore::Copiar(Operacion operacion, const std::string& origen, const std::string& destino,
                            const QString& pregunta) {
    detalleFallo_.clear();
    // Checked before the user is asked and before anything is touched: a
    // broken database must not replace a good one.
    ResultadoCopia resultado = ComprobarBaseUsuario(origen);
    if (resultado.ok()) {
        if (!pregunta.isEmpty() && !Confirmar(parent_, idioma_, TituloOperacion(operacion, idioma_), pregunta))
            return false;
        resultado = CopiarBaseDatos(origen, destino);
    }
    return Terminar(operacion, resultado, origen, destino);
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
