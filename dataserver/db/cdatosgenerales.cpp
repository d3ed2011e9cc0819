#include "cdatosgenerales.h"

#include <cctype>
#include <string_view>

#include "conexion_dao.h"
#include "general.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "tdeclarados.h"
#include "tlecmdb.h"
#include "tpersonalizacion.h"
#include "validar_nif_pais.h"
// The outside library's interface; the data server creates it only by name.
#include "zentalib/cMiscelaneos.h"

namespace quelvodat {

namespace {

bool esBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The pick lists send whole SELECT texts: anything else, or a SELECT that
// could change data, is refused before it runs.
void ComprobarConsulta(sqlite::Database& base, const std::string& sql) {
    size_t i = 0;
    while (i < sql.size() && esBlanco(sql[i])) ++i;
    constexpr std::string_view kSelect = "SELECT";
    bool select = sql.size() - i > kSelect.size();
    for (size_t k = 0; select && k < kSelect.size(); ++k)
        select = std::toupper(static_cast<unsigned char>(sql[i + k])) == kSelect[k];
    if (select) {
        char siguiente = sql[i + kSelect.size()];
        select = !std::isalnum(static_cast<unsigned char>(siguiente)) && siguiente != '_';
    }
    const auto rechazo = [&] {
        return rt::Error(rt::err::InvalidArgument, "Quelvodat",
                         "Solo se admite una consulta SELECT de lectura: " + sql);
    };
    if (!select) throw rechazo();
    try {
        auto sentencia = base.prepare(sql);
        if (sentencia.readOnly() && sentencia.columnCount() > 0) return;
    } catch (const rt::Error& e) {
        // The engine's misuse code (a second statement) shares its number with
        // "no current record"; a text the engine cannot read keeps its error.
        if (e.Number != sqlite::EngineError(SQLITE_MISUSE, "").Number) throw;
    }
    throw rechazo();
}

cTLecMDB LecturaEn(int32_t lngIdioma) {
    cTLecMDB tabla;
    tabla.datTIdioma(lngIdioma);
    return tabla;
}

}  // namespace

void cDatosGenerales::ActualizarMoneda() {
    ConUbicacion("cDatosGenerales.ActualizarMoneda", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        sqlite::Transaction tx(uso.base());
        // Names compare without regard to case, as the old engine compared texts.
        uso.conexion().execute(
            "UPDATE TDeclaraciones SET moneda = 'E' WHERE moneda = 'Euros' COLLATE NOCASE");
        uso.conexion().execute(
            "UPDATE TDeclaraciones SET moneda = 'P' WHERE moneda = 'Pesetas' COLLATE NOCASE");
        tx.commit();
    });
}

int32_t cDatosGenerales::NumeroDeclarantes() {
    return ConUbicacion("cDatosGenerales.NumeroDeclarantes", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        auto rs = uso.conexion().openRecordset("SELECT count(*) FROM TDeclarante");
        return rt::CLng(rs->Field(0));
    });
}

rt::Variant cDatosGenerales::CargarResultado(const std::string& strCadena) {
    UsoBD uso(bd794lec, mdblec_);
    ComprobarConsulta(uso.base(), strCadena);
    return uso.conexion().LeerMatriz(strCadena, {}, General::kLista);
}

std::string cDatosGenerales::ObtenerDescriVia(const std::string& strCod, int32_t lngIdioma) {
    UsoBD uso(bd794lec, mdblec_);
    auto tabla = LecturaEn(lngIdioma);
    tabla.datTViaCod(strCod);
    return tabla.ObtenerDescriVia();
}

std::string cDatosGenerales::ObtenerNombreProvincia(const std::string& strCod,
                                                    int32_t lngIdioma) {
    UsoBD uso(bd794lec, mdblec_);
    auto tabla = LecturaEn(lngIdioma);
    tabla.datTProvCod(strCod);
    return tabla.ObtenerNombreProvincia();
}

std::string cDatosGenerales::ObtenerNombrePais(const std::string& strCod, int32_t lngIdioma) {
    UsoBD uso(bd794lec, mdblec_);
    auto tabla = LecturaEn(lngIdioma);
    tabla.datTPaisCod(strCod);
    return tabla.ObtenerNombrePais();
}

std::string cDatosGenerales::RecogerRutaURL(uint8_t btRegistro) {
    UsoBD uso(bd794lec, mdblec_);
    cTLecMDB tabla;
    return tabla.RecogerRutaURL(btRegistro);
}

bool cDatosGenerales::ValidarNIFExtranjero(const std::string& strNif, const std::string& strPais) {
    return General::ValidarNifPais(strNif, strPais);
}

bool cDatosGenerales::ValidaNifCif(const std::string& Cadena, bool blnSinLetra) {
    rt::Variant cadena(Cadena);
    rt::Variant sinLetra(blnSinLetra);
    return General::Miscelaneos().ValidaNifCif(cadena, sinLetra);
}

std::string cDatosGenerales::ObtenerIdioma() {
    UsoBD uso(bd794mod, mdbmod_);
    cTPersonalizacion tabla;
    return tabla.ObtenerIdioma();
}

int16_t cDatosGenerales::ObtenerActOnline() {
    UsoBD uso(bd794mod, mdbmod_);
    cTPersonalizacion tabla;
    return tabla.ObtenerActOnline();
}

void cDatosGenerales::CambiarIdioma(const std::string& sidioma) try {
    UsoBD uso(bd794mod, mdbmod_);
    sqlite::Transaction tx(uso.base());
    cTPersonalizacion tabla;
    tabla.Idioma(sidioma);
    tabla.GuardarIdioma();
    tx.commit();
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cDatosGenerales.CambiarIdioma");
}

rt::Variant cDatosGenerales::GuardarActOnline(int16_t intActOnline) try {
    UsoBD uso(bd794mod, mdbmod_);
    sqlite::Transaction tx(uso.base());
    cTPersonalizacion tabla;
    tabla.ActOnline(intActOnline);
    tabla.GuardarActOnline();
    tx.commit();
    return {};
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cDatosGenerales.GuardarActOnline");
}

std::string cDatosGenerales::ObtenerURLAct() {
    UsoBD uso(bd794lec, mdblec_);
    cTLecMDB tabla;
    return tabla.URLAct();
}

int32_t cDatosGenerales::ObtenerAnoPais(const std::string& strPais) {
    UsoBD uso(bd794lec, mdblec_);
    cTDeclarados tabla;
    tabla.datTDeclarados_paiso(strPais);
    return tabla.ObtenerAnoPais();
}

void cDatosGenerales::CerrarConexiones() {
    ConUbicacion("cDatosGenerales.CerrarConexiones", [] { ConexionCompartida().CerrarTodo(); });
}

QUELVO_CREATABLE(cDatosGenerales)

}  // namespace quelvodat
