// Records of the submission file in the layout from 2010.
#include "db/conexion_dao.h"
#include "exchange/disenos_presentacion.h"
#include "exchange/registros.h"
#include "exchange/registros_comun.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat::Export2010 {

using namespace campo;

namespace {
std::string texto(const rt::Variant& v) { return v.isNull() ? std::string() : rt::CStr(v); }
}  // namespace

std::string CodigoPeriodo(int32_t periodo, int32_t periodicidad) {
    if (periodicidad == 1 && periodo >= 1 && periodo <= 12)
        return (periodo < 10 ? "0" : "") + std::to_string(periodo);
    return Exportacion::CodigoPeriodoAnt(periodo, periodicidad);
}

std::string ExportarRegistro0_2010(const rt::Variant& vBufferPresentador, int32_t lngNoTotalDtes,
                                   int32_t lngNoTotalDos, int32_t lngEjercicio) {
    return ConUbicacion("Export2010.ExportarRegistro0_2010", [&] {
        const rt::Variant& p = vBufferPresentador;
        LineaFija r(kDisenoRegistro0_2010);
        r.Poner(kEjercicio, lngEjercicio)
            .Poner(kNif, p(1))
            .Poner(kNombre, p(2))
            .Poner(kSiglas, p(3))
            .Poner(kVia, p(4))
            .Poner(kNumero, p(5))
            .Poner(kEscalera, p(7))
            .Poner(kPiso, p(8))
            .Poner(kPuerta, p(9))
            .Poner(kCodigoPostal, texto(p(10)) + texto(p(11)))
            .Poner(kMunicipio, p(12))
            .Poner(kNumeroDeclarantes, lngNoTotalDtes)
            .Poner(kNumeroDeclarados, lngNoTotalDos)
            .Poner(kTelefono, p(13))
            .Poner(kContacto, p(14));
        return r.Formar();
    });
}

std::string ExportarRegistro1_2010(const rt::Variant& vBufferDeclarante,
                                   const rt::Variant& vFilasTotales, int32_t lngEjercicio,
                                   int32_t btePeriodo, int32_t btePeriodicidad,
                                   const std::string& strBimensual) {
    return ConUbicacion("Export2010.ExportarRegistro1_2010", [&] {
        const rt::Variant& d = vBufferDeclarante;
        auto totales = TotalesPorClave(vFilasTotales);
        const TotalClave& normales = totales["N"];
        const TotalClave& rectificaciones = totales["R"];
        LineaFija r(kDisenoRegistro1_2010);
        r.Poner(kEjercicio, lngEjercicio)
            .Poner(kPeriodo, CodigoPeriodo(btePeriodo, btePeriodicidad))
            .Poner(kProvincia, d(10))
            .Poner(kNif, d(1))
            .Poner(kNombre, d(2))
            .Poner(kNumeroTipoN, static_cast<double>(normales.numero))
            .Poner(kBasesTipoN, normales.bases)
            .Poner(kNumeroTipoR, static_cast<double>(rectificaciones.numero))
            .Poner(kBimensual, strBimensual)
            .Poner(kTelefono, d(14))
            .Poner(kContacto, d(13));
        return r.Formar();
    });
}

std::string ExportarRegistro2_2010(int32_t lngEjercicio, int32_t btePeriodo,
                                   const rt::Variant& vBufferDeclarado,
                                   const rt::Variant& vBufferDeclarante,
                                   const std::string& /*strMoneda*/, int32_t btePeriodicidad) {
    return ConUbicacion("Export2010.ExportarRegistro2_2010", [&] {
        const rt::Variant& o = vBufferDeclarado;
        const rt::Variant& d = vBufferDeclarante;
        const Diseno& diseno = kDisenoRegistro2_2010;
        LineaFija r(diseno);
        r.Poner(kEjercicio, lngEjercicio)
            .Poner(kPeriodo, CodigoPeriodo(btePeriodo, btePeriodicidad))
            .Poner(kProvincia, d(10))
            .Poner(kNif, d(1))
            .Poner(kClave, o(4))
            .Poner(kPais, o(1))
            .Poner(kNifOperador, o(2))
            .Poner(kNombreOperador, o(3))
            .Poner(kBase, o(5));
        if (rt::UCase(rt::Trim(texto(o(11)))) == "R") {
            double periodo = ValorNumerico(diseno, kPeriodoRectificado, CeroSiFalta(o(8)));
            double periodicidad = ValorNumerico(diseno, kPeriodoRectificado, CeroSiFalta(o(10)));
            r.Poner(kSigno, o(6))
                .Poner(kEjercicioRectificado, CeroSiFalta(o(7)))
                .Poner(kPeriodoRectificado,
                       CodigoPeriodo(rt::CLng(periodo), rt::CLng(periodicidad)));
        } else {
            r.Blanco(kSigno).Blanco(kEjercicioRectificado).Blanco(kPeriodoRectificado);
        }
        return r.Formar();
    });
}

}  // namespace quelvodat::Export2010
