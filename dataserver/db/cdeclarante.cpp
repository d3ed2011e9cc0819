#include "cdeclarante.h"

#include "conexion_dao.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "tdeclaraciones.h"
#include "tdeclarante.h"

namespace quelvodat {

void cDeclarante::CargarDeclarante(int32_t lngCoddec, rt::Variant& vBufferResultado) {
    UsoBD uso(bd794mod, mdbmod_);
    cTDeclarante tabla;
    tabla.datTDeclarante_coddec(lngCoddec);
    tabla.Seleccionar();

    rt::VArray r(0, 15);
    r.at(0) = tabla.datTDeclarante_coddec();
    r.at(1) = tabla.datTDeclarante_dni_cifd();
    r.at(2) = tabla.datTDeclarante_nombred();
    r.at(3) = tabla.datTDeclarante_viad();
    r.at(4) = tabla.datTDeclarante_domiciliod();
    r.at(5) = tabla.datTDeclarante_numerod();
    r.at(6) = tabla.datTDeclarante_letrad();
    r.at(7) = tabla.datTDeclarante_escalerad();
    r.at(8) = tabla.datTDeclarante_pisod();
    r.at(9) = tabla.datTDeclarante_manod();
    r.at(10) = tabla.datTDeclarante_cod();
    // The column holds only the last three postal digits; the province code
    // supplies the first two.
    r.at(11) = rt::Right(std::to_string(tabla.datTDeclarante_codpostald()), 3);
    r.at(12) = tabla.datTDeclarante_municipiod();
    r.at(13) = tabla.datTDeclarante_nombrepd();
    r.at(14) = tabla.datTDeclarante_telefonod();
    r.at(15) = tabla.datTDeclarante_telefonopd();
    vBufferResultado = std::move(r);
}

int32_t cDeclarante::GuardarDeclarante(const rt::Variant& vBufferResultado) try {
    const auto& v = vBufferResultado;
    // Every value is converted before any statement runs.
    cTDeclarante tabla;
    tabla.datTDeclarante_coddec(rt::CLng(v(0)));
    tabla.datTDeclarante_dni_cifd(rt::CStr(v(1)));
    tabla.datTDeclarante_nombred(rt::CStr(v(2)));
    tabla.datTDeclarante_viad(rt::CStr(v(3)));
    tabla.datTDeclarante_domiciliod(rt::CStr(v(4)));
    tabla.datTDeclarante_numerod(rt::CLng(v(5)));
    tabla.datTDeclarante_letrad(rt::CStr(v(6)));
    tabla.datTDeclarante_escalerad(rt::CStr(v(7)));
    tabla.datTDeclarante_pisod(rt::CStr(v(8)));
    tabla.datTDeclarante_manod(rt::CStr(v(9)));
    tabla.datTDeclarante_cod(rt::CLng(v(10)));
    tabla.datTDeclarante_codpostald(rt::CLng(rt::Right(rt::CStr(v(11)), 3)));
    tabla.datTDeclarante_municipiod(rt::CStr(v(12)));
    tabla.datTDeclarante_telefonod(rt::CLng(v(13)));
    tabla.datTDeclarante_nombrepd(rt::CStr(v(14)));
    tabla.datTDeclarante_telefonopd(rt::CLng(v(15)));

    UsoBD uso(bd794mod, mdbmod_);
    sqlite::Transaction tx(uso.base());
    if (tabla.datTDeclarante_coddec() == 0)
        tabla.Insertar();
    else
        tabla.Modificar();
    tx.commit();
    return tabla.datTDeclarante_coddec();
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cDeclarante.GuardarDeclarante");
}

void cDeclarante::EliminarDeclarante(int32_t SecDte, bool bDeclaraciones) {
    ConUbicacion("cDeclarante.EliminarDeclarante", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        sqlite::Transaction tx(uso.base());
        cTDeclarante tabla;
        tabla.datTDeclarante_coddec(SecDte);
        if (bDeclaraciones) {
            cTDeclaraciones declaraciones;
            declaraciones.BorrarTodas(SecDte);
        }
        tabla.Borrar();
        tx.commit();
    });
}

rt::Variant cDeclarante::ObtenerUltimosDeclarantes() {
    return ConUbicacion("cDeclarante.ObtenerUltimosDeclarantes", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        return cTDeclarante().ObtenerUltimosDeclarantes();
    });
}

int32_t cDeclarante::NifRepetido(const std::string& strNif) {
    UsoBD uso(bd794mod, mdbmod_);
    cTDeclarante tabla;
    tabla.datTDeclarante_dni_cifd(strNif);
    return tabla.ExisteNif();
}

rt::Variant cDeclarante::ObtenerDeclarantes() {
    return ConUbicacion("cDeclarante.ObtenerDeclarantes", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        return cTDeclarante().ObtenerDeclarantes();
    });
}

QUELVO_CREATABLE(cDeclarante)

}  // namespace quelvodat
