#include "cmiscelaneos.h"

#include "asistencia_online.h"
#include "caracteres_importacion.h"
#include "departamento.h"
#include "nif_cif.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"

namespace zentalib {

namespace {

// A left-out optional argument arrives Empty and means False.
bool comoBooleano(const rt::Variant& v) {
    if (v.isEmpty()) return false;
    if (v.type() == rt::VarType::Boolean) return v.boolean();
    if (v.isNumber()) return rt::CDbl(v) != 0;
    throw rt::Error::Runtime(rt::err::TypeMismatch, "Zentalib");
}

}  // namespace

bool cMiscelaneos::ValidaNifCif(rt::Variant& Cadena, rt::Variant& blnSinLetra) {
    bool sinLetra = comoBooleano(blnSinLetra);
    // No text at all is no valid number.
    if (Cadena.isNull() || Cadena.isEmpty()) return false;
    std::string texto = rt::CStr(Cadena);
    return sinLetra ? ValidarNifSinLetra(texto) : ValidarNifCif(texto);
}

std::string cMiscelaneos::ValidarCaracErrEnImp(const std::string& strLinea,
                                               const std::string& strSustituto) {
    return PrepararLineaImportada(strLinea, strSustituto);
}

std::string cMiscelaneos::HaciendaFiscalidad() { return NombreDepartamento(idioma_); }

void cMiscelaneos::MostrarOnlineInfo() { MostrarDescripcionAsistencia(parent_, idioma_); }

void cMiscelaneos::AccesoAyuOnline() { AbrirAsistencia(parent_, idioma_); }

QUELVO_CREATABLE(cMiscelaneos)

}  // namespace zentalib
