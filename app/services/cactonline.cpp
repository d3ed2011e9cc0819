#include "services/cactonline.h"

#include "quelvodat/cDatosGenerales.h"
#include "services/servidor.h"

namespace quelvo {

namespace {
std::shared_ptr<quelvodat::_cDatosGenerales> datosGenerales() {
    return CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales");
}
}  // namespace

void cActOnline::ObtenerURLAct() { URLAct = QString::fromStdString(datosGenerales()->ObtenerURLAct()); }

void cActOnline::GuardarActOnline() { datosGenerales()->GuardarActOnline(ActOnline); }

void cActOnline::LeerActOnline() { ActOnline = datosGenerales()->ObtenerActOnline(); }

}  // namespace quelvo
