// The declarant checks of an import line (declarant-file line or record 1).
#include "db/general.h"
#include "exchange/buffer_errores.h"
#include "exchange/numero_estricto.h"
#include "exchange/pasos_validacion.h"
#include "exchange/validar_importacion.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"
#include "zentalib/cMiscelaneos.h"

namespace quelvodat::Importacion {

namespace {

bool nifValido(const rt::Variant& nif) {
    rt::Variant cadena(pasos::Texto(nif));
    rt::Variant sinLetra(false);
    return General::Miscelaneos().ValidaNifCif(cadena, sinLetra);
}

// The postal code begins with the province code, both zero-filled, as the
// desktop's declarant check requires: the store keeps only the last three
// digits and rebuilds the rest from the province.
bool cpDeLaProvincia(const rt::Variant& cp, const rt::Variant& provincia) {
    if (!NumeroDeValor(cp) || !NumeroDeValor(provincia)) return true;
    return rt::Left(pasos::ConCeros(cp, 5), 2) == pasos::ConCeros(provincia, 2);
}

}  // namespace

rt::Variant ValidarDte(const rt::Variant& vBufferValores, int32_t lngLongitud) {
    try {
        const rt::Variant& v = vBufferValores;
        BufferErrores errores;
        if (pasos::LongitudTotal(v, lngLongitud, errores)) return errores.Matriz();

        const auto ejercicio = EnteroDeValor(pasos::Valor(v, "Ejercicio"));
        for (int32_t i = 1, fin = rt::UBound(v, 1); i <= fin; ++i) {
            const pasos::VistaTexto vistaEtiqueta(v(i, 1));
            const std::string_view etiqueta = vistaEtiqueta;
            const rt::Variant& valor = v(i, 0);
            if (etiqueta == "NIF") {
                if (!nifValido(valor)) errores.Agregar(0, pasos::Texto(valor));
            } else if (etiqueta == "Nombre") {
                pasos::Vacio(valor, 1, errores);
            } else if (etiqueta == "Siglas" || etiqueta == "Domicilio") {
                pasos::Vacio(valor, 3, errores);
            } else if (etiqueta == "Numero") {
                pasos::Numerico(valor, 19, errores);
            } else if (etiqueta == "Provincia") {
                pasos::Numerico(valor, 20, errores);
                pasos::VacioConValor(valor, 4, errores);
                pasos::Corto(valor, 2, 6, errores);
            } else if (etiqueta == "CP") {
                pasos::Numerico(valor, 21, errores);
                pasos::Corto(valor, 3, 6, errores);
                if (!cpDeLaProvincia(valor, pasos::Valor(v, "Provincia")))
                    errores.Agregar(6, pasos::Texto(valor));
            } else if (etiqueta == "Municipio") {
                pasos::Vacio(valor, 7, errores);
            } else if (etiqueta == "Telefono" || etiqueta == "Prefijo" ||
                       etiqueta == "PrefijoPD" || etiqueta == "TelefonoPD") {
                pasos::Numerico(valor, 23, errores);
            } else if (etiqueta == "Ejercicio") {
                pasos::Numerico(valor, 43, errores);
                pasos::Vacio(valor, 43, errores);
            } else if (etiqueta == "Periodo") {
                pasos::Vacio(valor, 33, errores);
                if (!pasos::CodigoPeriodoPermitido(pasos::Texto(valor), ejercicio))
                    errores.Agregar(39, pasos::Texto(valor));
            }
        }
        return errores.Matriz();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "Importacion.ValidarDte");
    }
}

}  // namespace quelvodat::Importacion
