#include "cdeclaraciones.h"

#include "conexion_dao.h"
#include "errores.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "tdeclaraciones.h"
#include "tdeclarados.h"

namespace quelvodat {

rt::Variant cDeclaraciones::ObtenerDeclaraciones(int32_t lngDeclarante) {
    return ConUbicacion("cDeclaraciones.ObtenerDeclaraciones", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclaraciones tabla;
        return tabla.ObtenerDeclaraciones(lngDeclarante);
    });
}

void cDeclaraciones::EliminarDeclaracion(int32_t lngDeclaracion) try {
    UsoBD uso(bd794mod, mdbmod_);
    cTDeclaraciones tabla;
    tabla.datTDeclaraciones_CodDecla(lngDeclaracion);
    sqlite::Transaction tx(uso.base());
    tabla.Borrar();
    tx.commit();
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cDeclaraciones.EliminarDeclaracion");
}

int32_t cDeclaraciones::GuardarDeclaracion(int32_t lngEjercicio, const std::string& strMoneda,
                                           uint8_t btePeriodo, int32_t lngDeclarante,
                                           uint8_t btePeriodicidad,
                                           const std::string& strBimensual) {
    return ConUbicacion("cDeclaraciones.GuardarDeclaracion", [&] {
        cTDeclaraciones tabla;
        tabla.datTDeclaraciones_Ejercicio(lngEjercicio);
        tabla.datTDeclaraciones_Moneda(strMoneda);
        tabla.datTDeclaraciones_periodo(btePeriodo);
        tabla.datTDeclaraciones_CodDecr(lngDeclarante);
        tabla.datTDeclaraciones_periodicidad(btePeriodicidad);
        tabla.datTDeclaraciones_bimensual(strBimensual);
        UsoBD uso(bd794mod, mdbmod_);
        sqlite::Transaction tx(uso.base());
        ExigirClave(uso.base(), "TDeclarante", "coddec", "el declarante", lngDeclarante);
        int32_t clave = tabla.Insertar();
        tx.commit();
        return clave;
    });
}

rt::Variant cDeclaraciones::ObtenerTotalDeclarados(int32_t lngCodeclar, int16_t Ejercicio) {
    return ConUbicacion("cDeclaraciones.ObtenerTotalDeclarados", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_coddeclar(lngCodeclar);
        tabla.datTDeclarados_ejercicioo(Ejercicio);
        return tabla.ObtenerTotalDeclarados();
    });
}

int32_t cDeclaraciones::ObtenerDeclaracion(int32_t lngCodDecl, int32_t lngEjercicio,
                                           uint8_t btePer, uint8_t btePerdad) {
    return ConUbicacion("cDeclaraciones.ObtenerDeclaracion", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclaraciones tabla;
        tabla.datTDeclaraciones_CodDecr(lngCodDecl);
        tabla.datTDeclaraciones_Ejercicio(lngEjercicio);
        tabla.datTDeclaraciones_periodo(btePer);
        tabla.datTDeclaraciones_periodicidad(btePerdad);
        return tabla.ObtenerDeclaracion();
    });
}

int32_t cDeclaraciones::ObtenerDeclaracionAno(int32_t lngCodDecl, int32_t lngEjercicio) {
    return ConUbicacion("cDeclaraciones.ObtenerDeclaracionAno", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclaraciones tabla;
        tabla.datTDeclaraciones_CodDecr(lngCodDecl);
        tabla.datTDeclaraciones_Ejercicio(lngEjercicio);
        return tabla.ObtenerDeclaracionAno();
    });
}

std::string cDeclaraciones::ObtenerBimensualidad(int32_t lngCodDecl) {
    return ConUbicacion("cDeclaraciones.ObtenerBimensualidad", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclaraciones tabla;
        tabla.datTDeclaraciones_CodDecr(lngCodDecl);
        return tabla.ObtenerBimensualidad();
    });
}

rt::Variant cDeclaraciones::MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin) {
    return ConUbicacion("cDeclaraciones.MaxEjerPer", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclaraciones tabla;
        return tabla.MaxEjerPer(blnSoloEuros, intEjerMin);
    });
}

std::string cDeclaraciones::ObtenerMonedaDcion(const rt::Variant& lngCodDcion) {
    return ConUbicacion("cDeclaraciones.ObtenerMonedaDcion", [&] {
        cTDeclaraciones tabla;
        tabla.datTDeclaraciones_CodDecla(rt::CLng(lngCodDcion));
        UsoBD uso(bd794mod, mdbmod_);
        return tabla.ObtenerMonedaDcion();
    });
}

rt::Variant cDeclaraciones::ObtenerTotalDeclaradosVarDtes(const rt::Variant& vBuffer,
                                                          int32_t lngEjercicio,
                                                          uint8_t btePeriodo) {
    return ConUbicacion("cDeclaraciones.ObtenerTotalDeclaradosVarDtes", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        return tabla.ObtenerTotalDeclaradosVarDtes(vBuffer, lngEjercicio, btePeriodo);
    });
}

QUELVO_CREATABLE(cDeclaraciones)

}  // namespace quelvodat
