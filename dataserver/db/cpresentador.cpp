#include "cpresentador.h"

#include "conexion_dao.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "tpresentador.h"

namespace quelvodat {

void cPresentador::CargarPresentador(rt::Variant& vBufferResultado) {
    UsoBD uso(bd794mod, mdbmod_);
    cTPresentador tabla;
    tabla.Seleccionar();

    rt::VArray r(0, 15);
    r.at(0) = tabla.datTPresentador_codpres();
    r.at(1) = tabla.datTPresentador_dni_cif();
    r.at(2) = tabla.datTPresentador_nombre();
    r.at(3) = tabla.datTPresentador_via();
    r.at(4) = tabla.datTPresentador_domicilio();
    r.at(5) = tabla.datTPresentador_numero();
    r.at(6) = tabla.datTPresentador_letra();
    r.at(7) = tabla.datTPresentador_escalera();
    r.at(8) = tabla.datTPresentador_piso();
    r.at(9) = tabla.datTPresentador_mano();
    r.at(10) = tabla.datTPresentador_cod();
    r.at(11) = tabla.datTPresentador_codpostal();
    r.at(12) = tabla.datTPresentador_municipio();
    r.at(13) = tabla.datTPresentador_telefono();
    r.at(14) = tabla.datTPresentador_nombrep();
    r.at(15) = tabla.datTPresentador_telefonop();
    vBufferResultado = std::move(r);
}

int32_t cPresentador::GuardarPresentador(const rt::Variant& vBufferResultado) try {
    const auto& v = vBufferResultado;
    // Every value is converted before any statement runs.
    cTPresentador tabla;
    tabla.datTPresentador_codpres(rt::CLng(v(0)));
    tabla.datTPresentador_dni_cif(rt::CStr(v(1)));
    tabla.datTPresentador_nombre(rt::CStr(v(2)));
    tabla.datTPresentador_via(rt::CStr(v(3)));
    tabla.datTPresentador_domicilio(rt::CStr(v(4)));
    tabla.datTPresentador_numero(rt::CLng(v(5)));
    tabla.datTPresentador_letra(rt::CStr(v(6)));
    tabla.datTPresentador_escalera(rt::CStr(v(7)));
    tabla.datTPresentador_piso(rt::CStr(v(8)));
    tabla.datTPresentador_mano(rt::CStr(v(9)));
    tabla.datTPresentador_cod(rt::CLng(v(10)));
    tabla.datTPresentador_municipio(rt::CStr(v(11)));
    tabla.datTPresentador_codpostal(rt::CLng(v(12)));
    tabla.datTPresentador_telefono(rt::CLng(v(13)));
    tabla.datTPresentador_nombrep(rt::CStr(v(14)));
    tabla.datTPresentador_telefonop(rt::CLng(v(15)));

    UsoBD uso(bd794mod, mdbmod_);
    sqlite::Transaction tx(uso.base());
    if (tabla.datTPresentador_codpres() == 0) {
        // There is one presenter: a save without a key replaces the stored one
        // rather than adding a second.
        cTPresentador guardado;
        if (guardado.Seleccionar()) {
            tabla.datTPresentador_codpres(guardado.datTPresentador_codpres());
            tabla.Modificar();
        } else {
            tabla.Insertar();
        }
    } else {
        tabla.Modificar();
    }
    tx.commit();
    return 0;
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cPresentador.GuardarPresentador");
}

void cPresentador::EliminarPresentador(int32_t lngCodpres) {
    ConUbicacion("cPresentador.EliminarPresentador", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        sqlite::Transaction tx(uso.base());
        cTPresentador tabla;
        tabla.datTPresentador_codpres(lngCodpres);
        tabla.Borrar();
        tx.commit();
    });
}

QUELVO_CREATABLE(cPresentador)

}  // namespace quelvodat
