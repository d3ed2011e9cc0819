// Records of the submission file in the layout up to 2009.
#include "db/conexion_dao.h"
#include "exchange/disenos_presentacion.h"
#include "exchange/registros.h"
#include "exchange/registros_comun.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat::Exportacion {

using namespace campo;

namespace {
std::string texto(const rt::Variant& v) { return v.isNull() ? std::string() : rt::CStr(v); }
}  // namespace

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
        const rt::Variant& p = vBufferPresentador;
        LineaFija r(kDisenoRegistro0Ant);
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

std::string ExportarRegistro1(const rt::Variant& vBufferDeclarante,
                              const rt::Variant& vFilasTotales, const std::string& strMoneda,
                              int32_t lngEjercicio, int32_t btePeriodo, int32_t btePeriodicidad) {
    return ConUbicacion("Exportacion.ExportarRegistro1", [&] {
        const rt::Variant& d = vBufferDeclarante;
        auto totales = TotalesPorClave(vFilasTotales);
        const TotalClave& t1 = totales["1"];
        const TotalClave& t2 = totales["2"];
        int64_t rectificaciones = totales["3"].numero + totales["4"].numero;
        LineaFija r(kDisenoRegistro1Ant);
        r.Poner(kEjercicio, lngEjercicio)
            .Poner(kPeriodo, CodigoPeriodoAnt(btePeriodo, btePeriodicidad))
            .Poner(kProvincia, d(10))
            .Poner(kNif, d(1))
            .Poner(kNombre, d(2))
            .Poner(kNumeroClave1, static_cast<double>(t1.numero))
            .Poner(kBasesClave1, ImporteSegunMoneda(t1.bases, strMoneda))
            .Poner(kNumeroClave2, static_cast<double>(t2.numero))
            .Poner(kBasesClave2, ImporteSegunMoneda(t2.bases, strMoneda))
            .Poner(kNumeroClaves34, static_cast<double>(rectificaciones))
            .Poner(kTelefono, d(14))
            .Poner(kContacto, d(13));
        return r.Formar();
    });
}

std::string ExportarRegistro2(int32_t lngEjercicio, int32_t btePeriodo,
                              const rt::Variant& vBufferDeclarado,
                              const rt::Variant& vBufferDeclarante, const std::string& strMoneda,
                              int32_t btePeriodicidad) {
    return ConUbicacion("Exportacion.ExportarRegistro2", [&] {
        const rt::Variant& o = vBufferDeclarado;
        const rt::Variant& d = vBufferDeclarante;
        const Diseno& diseno = kDisenoRegistro2Ant;
        double ejercicioRect = ValorNumerico(diseno, kEjercicioRectificado, CeroSiFalta(o(7)));
        double periodoRect = ValorNumerico(diseno, kPeriodoRectificado, CeroSiFalta(o(8)));
        std::string codigoRect;
        if (ejercicioRect > 0) {
            double periodicidad = ValorNumerico(diseno, kPeriodoRectificado, CeroSiFalta(o(10)));
            codigoRect = CodigoPeriodoAnt(rt::CLng(periodoRect), rt::CLng(periodicidad));
        } else if (periodoRect != 0) {
            codigoRect = rt::CStr(o(8));
        }
        double base = ImporteSegunMoneda(ValorNumerico(diseno, kBase, o(5)), strMoneda);
        LineaFija r(diseno);
        r.Poner(kEjercicio, lngEjercicio)
            .Poner(kPeriodo, CodigoPeriodoAnt(btePeriodo, btePeriodicidad))
            .Poner(kProvincia, d(10))
            .Poner(kNif, d(1))
            .Poner(kClave, o(4))
            .Poner(kPais, o(1))
            .Poner(kNifOperador, o(2))
            .Poner(kNombreOperador, o(3))
            .Poner(kBase, base)
            .Poner(kTriangular, o(9))
            .Poner(kSigno, o(6))
            .Poner(kEjercicioRectificado, ejercicioRect)
            .Poner(kPeriodoRectificado, codigoRect);
        return r.Formar();
    });
}

}  // namespace quelvodat::Exportacion
