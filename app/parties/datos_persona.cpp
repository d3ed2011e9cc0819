#include "parties/datos_persona.h"

#include "parties/formato_ceros.h"
#include "quelvort/convert.h"

namespace quelvo {

cDatosPersona::Domicilio cDatosPersona::LeerDomicilio(const rt::Variant& r) {
    Domicilio d;
    d.numero = rt::CLng(r(5));
    d.codProvin = rt::CInt(FormatoCeros(r(10), 2));
    d.nif = Texto(r(1));
    d.nombre = Texto(r(2));
    d.siglas = Texto(r(3));
    d.domicilio = Texto(r(4));
    d.letra = Texto(r(6));
    d.escal = Texto(r(7));
    d.piso = Texto(r(8));
    d.mano = Texto(r(9));
    d.municipio = Texto(r(12));
    return d;
}

QString cDatosPersona::Texto(const rt::Variant& v) {
    return QString::fromStdString(rt::CStr(v));
}

}  // namespace quelvo
