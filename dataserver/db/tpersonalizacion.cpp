#include "tpersonalizacion.h"

#include "base_usuario.h"

#include "conexion_dao.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

std::string cTPersonalizacion::ObtenerIdioma() {
    auto rs = ConexionCompartida().openRecordset("SELECT Idioma FROM tgeneral");
    if (rs->RecordCount() < 1) return kIdiomaInicial;
    return rt::Trim(rt::CStr(rs->Field(0)));
}

int16_t cTPersonalizacion::ObtenerActOnline() {
    auto rs = ConexionCompartida().openRecordset("SELECT ActOnline FROM tgeneral");
    if (rs->RecordCount() < 1) return 0;
    return rt::CInt(rt::Trim(rt::CStr(rs->Field(0))));
}

void cTPersonalizacion::GuardarIdioma() {
    auto& conexion = ConexionCompartida();
    if (conexion.execute("UPDATE tgeneral SET Idioma = ?", {idioma_}) == 0)
        conexion.execute("INSERT INTO tgeneral (Idioma, ActOnline) VALUES (?, ?)",
                         {idioma_, kActOnlineInicial});
}

void cTPersonalizacion::GuardarActOnline() {
    auto& conexion = ConexionCompartida();
    if (conexion.execute("UPDATE tgeneral SET ActOnline = ?", {actOnline_}) == 0)
        conexion.execute("INSERT INTO tgeneral (Idioma, ActOnline) VALUES (?, ?)",
                         {kIdiomaInicial, actOnline_});
}

}  // namespace quelvodat
