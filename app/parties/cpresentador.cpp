#include "parties/cpresentador.h"

#include "parties/formato_ceros.h"
#include "quelvodat/cPresentador.h"
#include "quelvort/convert.h"
#include "services/servidor.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cPresentador> servidor() {
    return CrearServidor<quelvodat::_cPresentador>("Quelvodat.cPresentador");
}

rt::Variant texto(const QString& q) { return rt::Variant(q.toStdString()); }

}  // namespace

void cPresentador::InicializaDatos() {
    Modificado(false);
    CargarPresentador();
}

void cPresentador::CargarPresentador() {
    rt::Variant vBuffer;
    servidor()->CargarPresentador(vBuffer);
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

rt::Variant cPresentador::RegistroGuardado() const {
    return rt::VArray::Of({rt::Variant::Long(CODPRES_), texto(NIF()), texto(Nombre()), texto(Siglas()),
                           texto(domicilio()), rt::Variant::Long(numero()), texto(letra()),
                           texto(Escal()), texto(piso()), texto(mano()),
                           rt::Variant::Integer(CodProvin()), texto(municipio()),
                           rt::Variant::Long(CPost()), rt::Variant::Long(Telefono()), texto(NombreP_),
                           rt::Variant::Long(TelefonoP_)});
}

void cPresentador::GuardarPresentador() {
    servidor()->GuardarPresentador(RegistroGuardado());
    Modificado(false);
}

void cPresentador::EliminarPresentador() {
    servidor()->EliminarPresentador(CODPRES_);
    CODPRES_ = 0;
}

bool cPresentador::ValidarPresentador() {
    return ValidarDatos(45).Mostrar();
}

rt::Variant cPresentador::CargarPresParaExport() const {
    const std::string postal = std::to_string(CPost());
    const std::string ultimas = postal.size() > 3 ? postal.substr(postal.size() - 3) : postal;
    return rt::VArray::Of({rt::Variant::Long(CODPRES_), texto(NIF()), texto(Nombre()), texto(Siglas()),
                           texto(domicilio()), rt::Variant::Long(numero()), texto(letra()),
                           texto(Escal()), texto(piso()), texto(mano()),
                           rt::Variant(FormatoCeros(rt::Variant(CodProvin()), 2)),
                           rt::Variant(FormatoCeros(rt::Variant(ultimas), 3)), texto(municipio()),
                           rt::Variant::Long(Telefono()), texto(NombreP_),
                           rt::Variant::Long(TelefonoP_)});
}

}  // namespace quelvo
