#include "exchange/registros_comun.h"

#include "exchange/disenos_presentacion.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

using namespace campo;

namespace {
// Types 1 and 2 open with the declarant's identification.
LineaFija ConDeclarante(const Diseno& diseno, const rt::Variant& vBufferDeclarante,
                        int32_t lngEjercicio, const std::string& strPeriodo) {
    const rt::Variant& d = vBufferDeclarante;
    LineaFija r(diseno);
    r.Poner(kEjercicio, lngEjercicio)
        .Poner(kPeriodo, strPeriodo)
        .Poner(kProvincia, d(10))
        .Poner(kNif, d(1));
    return r;
}
}  // namespace

std::map<std::string, TotalClave> TotalesPorClave(const rt::Variant& vFilasTotales) {
    std::map<std::string, TotalClave> totales;
    if (vFilasTotales.isNull() || vFilasTotales.isEmpty()) return totales;
    for (int32_t fila = 1; fila <= rt::UBound(vFilasTotales, 2); ++fila) {
        // A key that differs only in case is the same key.
        TotalClave& t = totales[rt::UCase(rt::Trim(rt::CStr(vFilasTotales(0, fila))))];
        t.bases += rt::CDbl(CeroSiFalta(vFilasTotales(1, fila)));
        t.numero +=
            static_cast<int64_t>(rt::RoundHalfAwayFromZero(rt::CDbl(vFilasTotales(2, fila))));
    }
    return totales;
}

rt::Variant CeroSiFalta(const rt::Variant& valor) {
    if (valor.isEmpty() || valor.isNull()) return 0;
    if (valor.isString() && rt::Trim(valor.str()).empty()) return 0;
    return valor;
}

std::string TextoONada(const rt::Variant& valor) {
    return valor.isNull() ? std::string() : rt::CStr(valor);
}

std::string FormarRegistro0(const Diseno& diseno, const rt::Variant& vBufferPresentador,
                            int32_t lngNoTotalDtes, int32_t lngNoTotalDos, int32_t lngEjercicio) {
    const rt::Variant& p = vBufferPresentador;
    LineaFija r(diseno);
    r.Poner(kEjercicio, lngEjercicio)
        .Poner(kNif, p(1))
        .Poner(kNombre, p(2))
        .Poner(kSiglas, p(3))
        .Poner(kVia, p(4))
        .Poner(kNumero, p(5))
        .Poner(kEscalera, p(7))
        .Poner(kPiso, p(8))
        .Poner(kPuerta, p(9))
        .Poner(kCodigoPostal, TextoONada(p(10)) + TextoONada(p(11)))
        .Poner(kMunicipio, p(12))
        .Poner(kNumeroDeclarantes, lngNoTotalDtes)
        .Poner(kNumeroDeclarados, lngNoTotalDos)
        .Poner(kTelefono, p(13))
        .Poner(kContacto, p(14));
    return r.Formar();
}

std::string FormarRegistro1(const Diseno& diseno, const rt::Variant& vBufferDeclarante,
                            int32_t lngEjercicio, const std::string& strPeriodo,
                            const CamposPropios& totales) {
    const rt::Variant& d = vBufferDeclarante;
    LineaFija r = ConDeclarante(diseno, d, lngEjercicio, strPeriodo);
    r.Poner(kNombre, d(2));
    totales(r);
    r.Poner(kTelefono, d(14)).Poner(kContacto, d(13));
    return r.Formar();
}

std::string FormarRegistro2(const Diseno& diseno, const rt::Variant& vBufferDeclarado,
                            const rt::Variant& vBufferDeclarante, int32_t lngEjercicio,
                            const std::string& strPeriodo, const rt::Variant& base,
                            const CamposPropios& resto) {
    using C = CampoCargado;
    const rt::Variant& o = vBufferDeclarado;
    LineaFija r = ConDeclarante(diseno, vBufferDeclarante, lngEjercicio, strPeriodo);
    r.Poner(kClave, o(C::claveopo))
        .Poner(kPais, o(C::paiso))
        .Poner(kNifOperador, o(C::nifo))
        .Poner(kNombreOperador, o(C::razon))
        .Poner(kBase, base);
    resto(r);
    return r.Formar();
}

}  // namespace quelvodat
