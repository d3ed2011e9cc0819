#include "declarations/cdeclaracion.h"

#include "declarations/clistadeclaraciones.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/objetos.h"
#include "services/servidor.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cDeclaraciones> servidor() {
    return CrearServidor<quelvodat::_cDeclaraciones>("Quelvodat.cDeclaraciones");
}

}  // namespace

void cDeclaracion::NoTotalDeclarados(const QString& v) {
    NoTotalDeclarados_ = rt::CLng(rt::Variant(v.toStdString()));
}

void cDeclaracion::ObtenerTotalDeclarados(int32_t lngCodDecla) {
    ObtenerTotalDeclarados(lngCodDecla, objListaDeclaraciones().Ejercicio());
}

void cDeclaracion::ObtenerTotalDeclarados(int32_t lngCodDecla, int32_t lngEjercicio) {
    try {
        const int16_t ejercicio = rt::CInt(rt::Variant(lngEjercicio));
        rt::Variant totales = servidor()->ObtenerTotalDeclarados(lngCodDecla, ejercicio);
        // Counted before anything is kept, so a bad answer changes nothing.
        int32_t cuenta = 0;
        if (totales.isArray())
            for (int32_t i = 1; i <= rt::UBound(totales, 2); ++i)
                cuenta = rt::CLng(rt::Variant(static_cast<double>(cuenta) + rt::CDbl(totales(2, i))));
        else
            totales = rt::Variant::Null();
        BufferTotalDeclarados_ = totales;
        NoTotalDeclarados_ = cuenta;
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclaracion.ObtenerTotalDeclarados");
    }
}

QString cDeclaracion::ObtenerBimensualidad(int32_t lngCodDecla) {
    try {
        return QString::fromStdString(servidor()->ObtenerBimensualidad(lngCodDecla));
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclaracion.ObtenerBimensualidad");
    }
}

rt::Variant cDeclaracion::MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin) {
    try {
        return servidor()->MaxEjerPer(blnSoloEuros, intEjerMin);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclaracion.MaxEjerPer");
    }
}

int32_t cDeclaracion::ObtenerDeclaracion(int32_t lngCodDecl, int32_t lngEjercicio, uint8_t btePer,
                                         uint8_t btePerdad) {
    try {
        return servidor()->ObtenerDeclaracion(lngCodDecl, lngEjercicio, btePer, btePerdad);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclaracion.ObtenerDeclaracion");
    }
}

rt::Variant cDeclaracion::ObtenerTotalDeclaradosVarDtes(const rt::Variant& vDeclarantes,
                                                        int32_t lngEjercicio, uint8_t btePeriodo) {
    try {
        return servidor()->ObtenerTotalDeclaradosVarDtes(vDeclarantes, lngEjercicio, btePeriodo);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclaracion.ObtenerTotalDeclaradosVarDtes");
    }
}

}  // namespace quelvo
