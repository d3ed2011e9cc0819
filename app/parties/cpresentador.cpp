#include "parties/cpresentador.h"

#include "parties/formato_ceros.h"
#include "quelvodat/cPresentador.h"
#include "quelvort/convert.h"
#include "shell/servidor.h"

namespace quelvo {

void cPresentador::InicializaDatos() {
    Modificado(false);
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
    Domicilio d = LeerDomicilio(r);
    // Loaded postal code at 11, municipality at 12: the other way round from
    // the save.
    d.cpost = rt::CLng(FormatoCeros(r(11), 5));
    d.telefono = rt::CLng(r(13));
    int32_t telefonoP = rt::CLng(r(15));
    QString nombreP = Texto(r(14));

    CODPRES_ = codpres;
    Asignar(d);
    NombreP_ = nombreP;
    TelefonoP_ = telefonoP;
}

}  // namespace quelvo
