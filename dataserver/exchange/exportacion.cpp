// Records of the submission file in the layout up to 2009.
#include "db/conexion_dao.h"
#include "exchange/disenos_presentacion.h"
#include "exchange/registros.h"
#include "exchange/registros_comun.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat::Exportacion {

using namespace campo;

std::string CodigoPeriodoAnt(int32_t periodo, int32_t periodicidad) {
    if (periodicidad == 3) return "0A";
    if (periodicidad == 2) {
        switch (periodo) {
            case 3:
                return "1T";
            case 6:
                return "2T";
            case 9:
                return "3T";
            case 12:
                return "4T";
        }
    }
    return {};
}

double PesetasAEuros(double importe) {
    // The stored amount is in hundredths of a peseta; euros are written with
    // two decimals as whole hundredths.
    double euros = rt::RoundHalfAwayFromZero(importe / 100.0 / kPesetasPorEuro, 2);
    return rt::RoundHalfAwayFromZero(euros * 100.0);
}

double ImporteSegunMoneda(double importe, const std::string& strMoneda) {
    return strMoneda == "P" ? PesetasAEuros(importe) : importe;
}

std::string ExportarRegistro0(const rt::Variant& vBufferPresentador, int32_t lngNoTotalDtes,
                              int32_t lngNoTotalDos, int32_t lngEjercicio) {
    return ConUbicacion("Exportacion.ExportarRegistro0", [&] {
        return FormarRegistro0(kDisenoRegistro0Ant, vBufferPresentador, lngNoTotalDtes,
                               lngNoTotalDos, lngEjercicio);
    });
}

std::string ExportarRegistro1(const rt::Variant& vBufferDeclarante,
                              const rt::Variant& vFilasTotales, const std::string& strMoneda,
                              int32_t lngEjercicio, int32_t btePeriodo, int32_t btePeriodicidad) {
    return ConUbicacion("Exportacion.ExportarRegistro1", [&] {
        auto totales = TotalesPorClave(vFilasTotales);
        const TotalClave& t1 = totales["1"];
        const TotalClave& t2 = totales["2"];
        int64_t rectificaciones = totales["3"].numero + totales["4"].numero;
        return FormarRegistro1(
            kDisenoRegistro1Ant, vBufferDeclarante, lngEjercicio,
            CodigoPeriodoAnt(btePeriodo, btePeriodicidad), [&](LineaFija& r) {
                r.Poner(kNumeroClave1, static_cast<double>(t1.numero))
                    .Poner(kBasesClave1, ImporteSegunMoneda(t1.bases, strMoneda))
                    .Poner(kNumeroClave2, static_cast<double>(t2.numero))
                    .Poner(kBasesClave2, ImporteSegunMoneda(t2.bases, strMoneda))
                    .Poner(kNumeroClaves34, static_cast<double>(rectificaciones));
            });
    });
}

std::string ExportarRegistro2(int32_t lngEjercicio, int32_t btePeriodo,
                              const rt::Variant& vBufferDeclarado,
                              const rt::Variant& vBufferDeclarante, const std::string& strMoneda,
                              int32_t btePeriodicidad) {
    return ConUbicacion("Exportacion.ExportarRegistro2", [&] {
        using C = CampoCargado;
        const rt::Variant& o = vBufferDeclarado;
        const Diseno& diseno = kDisenoRegistro2Ant;
        // Every value is read before the first field is set, as this layout always did.
        double ejercicioRect =
            ValorNumerico(diseno, kEjercicioRectificado, CeroSiFalta(o(C::ejercicioo)));
        double periodoRect =
            ValorNumerico(diseno, kPeriodoRectificado, CeroSiFalta(o(C::periodoo)));
        std::string codigoRect;
        if (ejercicioRect > 0) {
            double periodicidad =
                ValorNumerico(diseno, kPeriodoRectificado, CeroSiFalta(o(C::periodicidad)));
            codigoRect = CodigoPeriodoAnt(rt::CLng(periodoRect), rt::CLng(periodicidad));
        } else if (periodoRect != 0) {
            codigoRect = rt::CStr(o(C::periodoo));
        }
        double base = ImporteSegunMoneda(ValorNumerico(diseno, kBase, o(C::base)), strMoneda);
        return FormarRegistro2(diseno, o, vBufferDeclarante, lngEjercicio,
                               CodigoPeriodoAnt(btePeriodo, btePeriodicidad), base,
                               [&](LineaFija& r) {
                                   r.Poner(kTriangular, o(C::triangularo))
                                       .Poner(kSigno, o(C::signoo))
                                       .Poner(kEjercicioRectificado, ejercicioRect)
                                       .Poner(kPeriodoRectificado, codigoRect);
                               });
    });
}

}  // namespace quelvodat::Exportacion
