#include "parties/cdeclarante.h"

#include "parties/formato_ceros.h"
#include "quelvodat/cDeclarante.h"
#include "quelvodat/territorio.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "shell/servidor.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cDeclarante> servidor() {
    return CrearServidor<quelvodat::_cDeclarante>("Quelvodat.cDeclarante");
}

QString texto(const rt::Variant& v) {
    return QString::fromStdString(rt::CStr(v));
}

}  // namespace

void cDeclarante::ObtenerUltimosDeclarantes() {
    try {
        vBufferUltimos_ = servidor()->ObtenerUltimosDeclarantes();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarante.ObtenerUltimosDeclarantes");
    }
}

void cDeclarante::InicializaDatos() {
    Modificado_ = false;
    if (Modo_ == 1) {
        CargarDeclarante(CODDEC_);
    } else if (Modo_ == 0 || Modo_ == 2) {
        CODDEC_ = 0;
        NIF_.clear();
        Nombre_.clear();
        Siglas_ = "CL";
        domicilio_.clear();
        numero_ = 0;
        letra_.clear();
        Escal_.clear();
        piso_.clear();
        mano_.clear();
        CodProvin_ = quelvodat::kProvinciaTerritorio;
        municipio_.clear();
        CPost_ = 0;
        Telefono_ = 0;
        NombrePd_.clear();
        TelefonoPd_ = 0;
    }
}

void cDeclarante::ObtenerDeclarantes() {
    try {
        vBufferDeclarantes_ = servidor()->ObtenerDeclarantes();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarante.ObtenerDeclarantes");
    }
}

void cDeclarante::CargarDeclarante(int32_t lngCoddec) {
    rt::Variant r;
    servidor()->CargarDeclarante(lngCoddec, r);
    CargarDeclarante(r);
}

void cDeclarante::CargarDeclarante(const rt::Variant& r) {
    // Every value is converted before any field changes, so a bad record
    // leaves the declarant as it was.
    int32_t coddec = rt::CLng(r(0));
    int32_t numero = rt::CLng(r(5));
    // The server keeps only the last three postal digits; the province code
    // gives the first two.
    std::string provincia = FormatoCeros(r(10), 2);
    int16_t codProvin = rt::CInt(provincia);
    int32_t cpost = rt::CLng(provincia + FormatoCeros(r(11), 3));
    int32_t telefono = rt::CLng(r(14));
    int32_t telefonoPd = rt::CLng(r(15));
    QString nif = texto(r(1)), nombre = texto(r(2)), siglas = texto(r(3)), domicilio = texto(r(4)),
            letra = texto(r(6)), escal = texto(r(7)), piso = texto(r(8)), mano = texto(r(9)),
            municipio = texto(r(12)), nombrePd = texto(r(13));

    CODDEC_ = coddec;
    NIF_ = nif;
    Nombre_ = nombre;
    Siglas_ = siglas;
    domicilio_ = domicilio;
    numero_ = numero;
    letra_ = letra;
    Escal_ = escal;
    piso_ = piso;
    mano_ = mano;
    CodProvin_ = codProvin;
    CPost_ = cpost;
    municipio_ = municipio;
    NombrePd_ = nombrePd;
    Telefono_ = telefono;
    TelefonoPd_ = telefonoPd;
}

}  // namespace quelvo
