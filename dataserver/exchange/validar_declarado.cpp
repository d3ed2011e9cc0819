// The declared-entry checks of an import line, by the rules up to 2009 and
// from 2010.
#include <memory>

#include "db/cdatosgenerales.h"
#include "db/cdeclarado.h"
#include "db/general.h"
#include "db/validar_nif_pais.h"
#include "exchange/buffer_errores.h"
#include "exchange/numero_estricto.h"
#include "exchange/pasos_validacion.h"
#include "exchange/validar_importacion.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"

namespace quelvodat::Importacion {

namespace {

using pasos::Texto;
using pasos::Valor;
using pasos::VistaTexto;

bool esClave2010(const std::string& clave) {
    return clave == "A" || clave == "E" || clave == "S" || clave == "T" || clave == "I" ||
           clave == "M" || clave == "H";
}

// Keys 1 to 4; 3 and 4 are rectifications, 2 and 4 acquisitions, which
// cannot be triangular.
void clavesAnteriores(const rt::Variant& v, const std::string& clave, BufferErrores& errores) {
    const std::string recortada = rt::Trim(clave);
    if (!General::EsNumerico(clave)) {
        errores.Agregar(40, recortada);
        return;
    }
    auto n = EnteroEstricto(clave);
    if (!n || *n < 1 || *n > 4) errores.Agregar(40, recortada);
    if (n && (*n == 3 || *n == 4)) {
        pasos::Vacio(Valor(v, "Signo"), 38, errores);
        std::string rectificado = rt::Trim(Texto(Valor(v, "Ejercicio")));
        if (rectificado.empty() || rectificado == "0") errores.Agregar(29);
    }
    if (n && (*n == 2 || *n == 4) && Texto(Valor(v, "Triangular")) == "X") errores.Agregar(49);
}

void importe(const rt::Variant& valor, BufferErrores& errores) {
    if (pasos::Numerico(valor, 36, errores)) {
        if (*NumeroDeValor(valor) < 0) errores.Agregar(65, Texto(valor));
    } else if (General::EsNumerico(Texto(valor))) {
        pasos::VacioConValor(valor, 41, errores);
    }
}

void ejercicioRectificado(const rt::Variant& valor, const DeclaracionDestino& d,
                          BufferErrores& errores) {
    const VistaTexto vista(valor);
    const std::string_view texto = rt::TrimView(vista);
    if (texto.empty() || !pasos::Numerico(valor, 43, errores)) return;
    auto ejercicio = EnteroDeValor(valor);
    if (ejercicio && *ejercicio != 0 && (*ejercicio < d.ejercicioMin || *ejercicio > d.ejercicioMax))
        errores.Agregar(10, std::string(texto));
}

// The rectified month: within the year, before the declaration's own period
// (compared as exercise * 100 + month) and not before the member state
// counted.
void periodoRectificado(const rt::Variant& v, const DeclaracionDestino& d,
                        _cDatosGenerales& referencia, BufferErrores& errores) {
    auto mes = EnteroDeValor(Valor(v, "Periodo"));
    if (!mes) {
        errores.Agregar(39, Texto(Valor(v, "Periodo")));
        return;
    }
    if (*mes > 12 || *mes < 0) errores.Agregar(39, std::to_string(*mes));
    auto ejercicio = EnteroDeValor(Valor(v, "Ejercicio"));
    if (!ejercicio) return;
    const int64_t rectificado = int64_t{*ejercicio} * 100 + *mes;
    if (rectificado >= int64_t{d.ejercicio} * 100 + d.periodo)
        errores.Agregar(58, std::to_string(rectificado));
    // A month with a blank exercise is a date too, and one before any
    // accession: the line must not be stored with a stray rectified period.
    if (rectificado > 0) {
        const std::string pais = Texto(Valor(v, "Pais"));
        if (referencia.ObtenerAnoPais(pais) > rectificado)
            errores.Agregar(59, pais + " " + std::to_string(rectificado));
    }
}

void duplicado(const rt::Variant& v, const DeclaracionDestino& d, _cDeclarado& declarados,
               BufferErrores& errores) {
    auto ejercicio = EnteroDeValor(Valor(v, "Ejercicio"));
    auto mes = EnteroDeValor(Valor(v, "Periodo"));
    // A line that did not read is refused already; it has nothing to repeat.
    if (!ejercicio || !mes || *mes < 0 || *mes > 255) return;
    const std::string nif = Texto(Valor(v, "NIF"));
    if (declarados.DeclaradosCoincidentes(d.declaracion, nif, Texto(Valor(v, "ClaveOpe")),
                                          Texto(Valor(v, "Triangular")), *ejercicio,
                                          static_cast<uint8_t>(*mes), false, 0))
        errores.Agregar(30, rt::Trim(nif));
}

rt::Variant validar(const rt::Variant& v, int32_t limite, const DeclaracionDestino& d,
                    bool de2010) {
    BufferErrores errores;
    if (pasos::LongitudTotal(v, limite, errores)) return errores.Matriz();

    cDeclarado declarados;
    declarados.mdbmod(d.mdbmod);
    cDatosGenerales referencia;
    referencia.mdblec(d.mdblec);

    const std::string clave = Texto(Valor(v, "ClaveOpe"));
    for (int32_t i = 1, fin = rt::UBound(v, 1); i <= fin; ++i) {
        const VistaTexto vistaEtiqueta(v(i, 1));
        const std::string_view etiqueta = vistaEtiqueta;
        const rt::Variant& valor = v(i, 0);
        if (etiqueta == "Ejercicio") {
            ejercicioRectificado(valor, d, errores);
        } else if (etiqueta == "Periodo") {
            periodoRectificado(v, d, referencia, errores);
        } else if (etiqueta == "Periodicidad" && !de2010) {
            auto p = EnteroDeValor(valor);
            if (!p || (*p > 0 && *p != 2 && *p != 3)) errores.Agregar(39, Texto(valor));
        } else if (etiqueta == "NIF") {
            const std::string pais = Texto(Valor(v, "Pais"));
            if (!General::ValidarNifPais(VistaTexto(valor), pais))
                errores.Agregar(32, pais + rt::Trim(Texto(valor)));
        } else if (etiqueta == "Nombre") {
            pasos::Vacio(valor, 1, errores);
        } else if (etiqueta == "ClaveOpe") {
            if (de2010) {
                if (!esClave2010(clave)) errores.Agregar(63, rt::Trim(clave));
            } else {
                clavesAnteriores(v, clave, errores);
            }
        } else if (etiqueta == "Importe") {
            importe(valor, errores);
        }
    }
    if (de2010 || General::EsNumerico(clave)) duplicado(v, d, declarados, errores);
    return errores.Matriz();
}

}  // namespace

rt::Variant ValidarDeclarado(const rt::Variant& vBufferValores, int32_t lngLongitud,
                             const DeclaracionDestino& destino) {
    try {
        return validar(vBufferValores, lngLongitud, destino, false);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "Importacion.ValidarDeclarado");
    }
}

rt::Variant ValidarDeclarado2010(const rt::Variant& vBufferValores, int32_t lngLongitud,
                                 const DeclaracionDestino& destino) {
    try {
        return validar(vBufferValores, lngLongitud, destino, true);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "Importacion.ValidarDeclarado2010");
    }
}

}  // namespace quelvodat::Importacion
