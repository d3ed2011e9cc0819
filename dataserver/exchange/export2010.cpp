// Records of the submission file in the layout from 2010.
#include "db/conexion_dao.h"
#include "exchange/disenos_presentacion.h"
#include "exchange/registros.h"
#include "exchange/registros_comun.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat::Export2010 {

using namespace campo;

std::string CodigoPeriodo(int32_t periodo, int32_t periodicidad) {
    if (periodicidad == 1 && periodo >= 1 && periodo <= 12)
        return (periodo < 10 ? "0" : "") + std::to_string(periodo);
    return Exportacion::CodigoPeriodoAnt(periodo, periodicidad);
}

std::string ExportarRegistro0_2010(const rt::Variant& vBufferPresentador, int32_t lngNoTotalDtes,
                                   int32_t lngNoTotalDos, int32_t lngEjercicio) {
    return ConUbicacion("Export2010.ExportarRegistro0_2010", [&] {
        return FormarRegistro0(kDisenoRegistro0_2010, vBufferPresentador, lngNoTotalDtes,
                               lngNoTotalDos, lngEjercicio);
    });
}

std::string ExportarRegistro1_2010(const rt::Variant& vBufferDeclarante,
                                   const rt::Variant& vFilasTotales, int32_t lngEjercicio,
                                   int32_t btePeriodo, int32_t btePeriodicidad,
                                   const std::string& strBimensual) {
    return ConUbicacion("Export2010.ExportarRegistro1_2010", [&] {
        auto totales = TotalesPorClave(vFilasTotales);
        const TotalClave& normales = totales["N"];
        const TotalClave& rectificaciones = totales["R"];
        return FormarRegistro1(
            kDisenoRegistro1_2010, vBufferDeclarante, lngEjercicio,
            CodigoPeriodo(btePeriodo, btePeriodicidad), [&](LineaFija& r) {
                r.Poner(kNumeroTipoN, static_cast<double>(normales.numero))
                    .Poner(kBasesTipoN, normales.bases)
                    .Poner(kNumeroTipoR, static_cast<double>(rectificaciones.numero))
                    .Poner(kBimensual, strBimensual);
            });
    });
}

std::string ExportarRegistro2_2010(int32_t lngEjercicio, int32_t btePeriodo,
                                   const rt::Variant& vBufferDeclarado,
                                   const rt::Variant& vBufferDeclarante,
                                   const std::string& /*strMoneda*/, int32_t btePeriodicidad) {
    return ConUbicacion("Export2010.ExportarRegistro2_2010", [&] {
        using C = CampoCargado;
        const rt::Variant& o = vBufferDeclarado;
        const Diseno& diseno = kDisenoRegistro2_2010;
        return FormarRegistro2(
            diseno, o, vBufferDeclarante, lngEjercicio, CodigoPeriodo(btePeriodo, btePeriodicidad),
            o(C::base), [&](LineaFija& r) {
                // Only a rectification carries the sign and the rectified period.
                if (rt::UCase(rt::Trim(TextoONada(o(C::tipoopo)))) == "R") {
                    double periodo =
                        ValorNumerico(diseno, kPeriodoRectificado, CeroSiFalta(o(C::periodoo)));
                    double periodicidad = ValorNumerico(diseno, kPeriodoRectificado,
                                                        CeroSiFalta(o(C::periodicidad)));
                    r.Poner(kSigno, o(C::signoo))
                        .Poner(kEjercicioRectificado, CeroSiFalta(o(C::ejercicioo)))
                        .Poner(kPeriodoRectificado,
                               CodigoPeriodo(rt::CLng(periodo), rt::CLng(periodicidad)));
                } else {
                    r.Blanco(kSigno).Blanco(kEjercicioRectificado).Blanco(kPeriodoRectificado);
                }
            });
    });
}

}  // namespace quelvodat::Export2010
