#include "parties/datos_persona.h"

#include "parties/formato_ceros.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "services/cgeneral.h"
#include "services/objetos.h"

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

Hallazgos cDatosPersona::ValidarDatos(int16_t codigoNif) const {
    auto falta = [](const QString& texto) { return rt::Trim(texto.toStdString()).empty(); };
    // 1001 reads as 01001: the first two digits are the province's.
    const std::string prefijo = FormatoCeros(rt::Variant(d_.cpost), 5).substr(0, 2);
    Hallazgos h;
    h.Si(!objGeneral().ValidaNifCif(d_.nif, false), 1, codigoNif);
    h.Si(falta(d_.nombre), 2, 1);
    h.Si(d_.siglas.isEmpty(), 3, 2);
    h.Si(falta(d_.domicilio), 4, 3);
    h.Si(d_.codProvin == 0, 5, 4);
    h.Si(d_.cpost == 0, 6, 5);
    h.Si(prefijo != FormatoCeros(rt::Variant(d_.codProvin), 2), 7, 6);
    h.Si(falta(d_.municipio), 8, 7);
    return h;
}

QString cDatosPersona::Texto(const rt::Variant& v) {
    return QString::fromStdString(rt::CStr(v));
}

}  // namespace quelvo
