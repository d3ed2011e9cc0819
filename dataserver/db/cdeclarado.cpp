#include "cdeclarado.h"

#include <cmath>

#include "conexion_dao.h"
#include "errores.h"
#include "general.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "tdeclarados.h"

namespace quelvodat {

bool cDeclarado::DeclaradosCoincidentes(int32_t lngCodDecl, const std::string& strNif,
                                        const std::string& strClaveOp,
                                        const std::string& strTriangular, int32_t lngEjercicio,
                                        uint8_t btePeriodo, bool blnEditar, int32_t codOpe) {
    return ConUbicacion("cdeclarado.DeclaradosCoincidentes", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_coddeclar(lngCodDecl);
        tabla.datTDeclarados_nifo(strNif);
        tabla.datTDeclarados_claveopo(strClaveOp);
        tabla.datTDeclarados_ejercicioo(lngEjercicio);
        tabla.datTDeclarados_periodoo(btePeriodo);
        tabla.datTDeclarados_triangularo(strTriangular);
        tabla.datTDeclarados_codope(codOpe);
        return tabla.DeclaradosCoincidentes(blnEditar);
    });
}

namespace {

// The save array's values as the table object holds them.
void Convertir(const rt::Variant& v, cTDeclarados& tabla) {
    tabla.datTDeclarados_codope(rt::CLng(v(0)));
    tabla.datTDeclarados_coddeclar(rt::CLng(v(1)));
    tabla.datTDeclarados_paiso(rt::CStr(v(2)));
    tabla.datTDeclarados_paisaux("");
    tabla.datTDeclarados_nifo(rt::CStr(v(3)));
    tabla.datTDeclarados_razon(rt::CStr(v(4)));
    tabla.datTDeclarados_claveopo(rt::CStr(v(5)));
    const double importe = rt::CDbl(v(6));
    // The database would store no amount at all.
    if (!std::isfinite(importe)) throw rt::Error::Runtime(rt::err::TypeMismatch, "Quelvodat");
    tabla.datTDeclarados_importe(importe);
    tabla.datTDeclarados_signoo(rt::CStr(v(7)));
    tabla.datTDeclarados_periodoo(rt::CInt(General::BC(v(8))));
    tabla.datTDeclarados_ejercicioo(rt::CLng(v(9)));
    tabla.datTDeclarados_triangularo(rt::CStr(v(10)));
    tabla.datTDeclarados_tipoopo(rt::CStr(v(11)));
    tabla.datTDeclarados_periodicidad(rt::CInt(v(12)));
}

// Inserts or updates the entry in the transaction open on the user database;
// a new or edited entry never goes to a declaration that does not exist.
int32_t Guardar(sqlite::Database& db, cTDeclarados& tabla) {
    const int32_t codope = tabla.datTDeclarados_codope();
    if (codope >= 0)
        ExigirClave(db, "TDeclaraciones", "coddecla", "la declaración",
                    tabla.datTDeclarados_coddeclar());
    if (codope != 0) {
        tabla.Modificar();
        return codope;
    }
    return tabla.Insertar();
}

}  // namespace

int32_t cDeclarado::GuardarDeclarado(const rt::Variant& vBufferResultado) try {
    // Every value is converted before the database is touched.
    cTDeclarados tabla;
    Convertir(vBufferResultado, tabla);
    UsoBD uso(bd794mod, mdbmod_);
    sqlite::Transaction tx(uso.base());
    const int32_t codope = Guardar(uso.base(), tabla);
    tx.commit();
    return codope;
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cdeclarado.GuardarDeclarado");
}

int32_t cDeclarado::GuardarEnTransaccion(const rt::Variant& vBufferResultado) try {
    cTDeclarados tabla;
    Convertir(vBufferResultado, tabla);
    UsoBD uso(bd794mod, mdbmod_);
    if (!uso.base().inTransaction())
        throw rt::Error(rt::err::InvalidArgument, "Quelvodat", "no transaction is open");
    return Guardar(uso.base(), tabla);
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cdeclarado.GuardarDeclarado");
}

rt::Variant cDeclarado::ObtenerDeclarados(int32_t lngDeclaracion) {
    return ConUbicacion("cdeclarado.ObtenerDeclarados", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_coddeclar(lngDeclaracion);
        return tabla.ObtenerDeclarados();
    });
}

rt::Variant cDeclarado::ObtenerTodosLosDecl(int32_t lngDeclaracion) {
    return ConUbicacion("cdeclarado.ObtenerTodosLosDecl", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_coddeclar(lngDeclaracion);
        return tabla.ObtenerTodosLosDecl();
    });
}

bool cDeclarado::comprobarBaseImpNegativas(int32_t lngDeclaracion) {
    return ConUbicacion("cdeclarado.comprobarBaseImpNegativas", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_coddeclar(lngDeclaracion);
        return tabla.comprobarBaseImpNegativas() > 0;
    });
}

bool cDeclarado::TieneDeclarados(int32_t lngDeclaracion) {
    return ConUbicacion("cdeclarado.TieneDeclarados", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_coddeclar(lngDeclaracion);
        return tabla.TieneDeclarados();
    });
}

rt::Variant cDeclarado::CargarDeclarado(int32_t lngDeclarado) {
    return ConUbicacion("cdeclarado.CargarDeclarado", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_codope(lngDeclarado);
        return tabla.CargarDeclarado();
    });
}

void cDeclarado::EliminarDeclarado(int32_t lngDeclarado) {
    ConUbicacion("cdeclarado.EliminarDeclarado", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        cTDeclarados tabla;
        tabla.datTDeclarados_codope(lngDeclarado);
        sqlite::Transaction tx(uso.base());
        tabla.EliminarDeclarado();
        tx.commit();
    });
}

QUELVO_CREATABLE(cDeclarado)

}  // namespace quelvodat
