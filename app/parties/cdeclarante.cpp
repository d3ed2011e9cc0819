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

}  // namespace

void cDeclarante::ObtenerUltimosDeclarantes() {
    try {
        vBufferUltimos_ = servidor()->ObtenerUltimosDeclarantes();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarante.ObtenerUltimosDeclarantes");
    }
}

void cDeclarante::InicializaDatos() {
    Modificado(false);
    if (Modo_ == 1) {
        CargarDeclarante(CODDEC_);
    } else if (Modo_ == 0 || Modo_ == 2) {
        CODDEC_ = 0;
        Domicilio nuevo;
        nuevo.siglas = "CL";
        nuevo.codProvin = quelvodat::kProvinciaTerritorio;
        Asignar(nuevo);
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
    Domicilio d = LeerDomicilio(r);
    // The server keeps only the last three postal digits; the province code
    // gives the first two.
    d.cpost = rt::CLng(FormatoCeros(r(10), 2) + FormatoCeros(r(11), 3));
    d.telefono = rt::CLng(r(14));
    int32_t telefonoPd = rt::CLng(r(15));
    QString nombrePd = Texto(r(13));

    CODDEC_ = coddec;
    Asignar(d);
    NombrePd_ = nombrePd;
    TelefonoPd_ = telefonoPd;
}

}  // namespace quelvo
