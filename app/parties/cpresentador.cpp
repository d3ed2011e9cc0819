#include "parties/cpresentador.h"

#include "parties/formato_ceros.h"
#include "quelvodat/cPresentador.h"
#include "quelvort/convert.h"
#include "shell/servidor.h"

namespace quelvo {

namespace {

QString texto(const rt::Variant& v) {
    return QString::fromStdString(rt::CStr(v));
}

}  // namespace

void cPresentador::InicializaDatos() {
    Modificado_ = false;
    CargarPresentador();
}

void cPresentador::CargarPresentador() {
    rt::Variant vBuffer;
    CrearServidor<quelvodat::_cPresentador>("Quelvodat.cPresentador")->CargarPresentador(vBuffer);
    CargarPresentador(vBuffer);
}

void cPresentador::CargarPresentador(const rt::Variant& r) {
    if (r.isNull()) return;
    // Every value is converted before any field changes, so a bad record
    // leaves the presenter as it was.
    int32_t codpres = rt::CLng(r(0));
    int32_t numero = rt::CLng(r(5));
    int16_t codProvin = rt::CInt(FormatoCeros(r(10), 2));
    // Loaded postal code at 11, municipality at 12: the other way round from
    // the save.
    int32_t cpost = rt::CLng(FormatoCeros(r(11), 5));
    int32_t telefono = rt::CLng(r(13));
    int32_t telefonoP = rt::CLng(r(15));
    QString nif = texto(r(1)), nombre = texto(r(2)), siglas = texto(r(3)), domicilio = texto(r(4)),
            letra = texto(r(6)), escal = texto(r(7)), piso = texto(r(8)), mano = texto(r(9)),
            municipio = texto(r(12)), nombreP = texto(r(14));

    CODPRES_ = codpres;
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
    Telefono_ = telefono;
    NombreP_ = nombreP;
    TelefonoP_ = telefonoP;
}

}  // namespace quelvo
