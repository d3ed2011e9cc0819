#include "parties/cdeclarante.h"

#include "parties/formato_ceros.h"
#include "quelvodat/cDeclarante.h"
#include "quelvodat/territorio.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"
#include "services/servidor.h"

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

bool cDeclarante::ValidarDeclarante(bool blnNoMostrar, bool& blnNifRepetido, rt::Variant& vErrores) {
    Hallazgos h = ValidarDatos(0);
    // Asked every time; it counts only for a declarant not stored yet.
    if (DeclaranteRepetido() >= 1 && Modo_ == 0) {
        h.Anadir(9, 8);
        blnNifRepetido = true;
    }
    if (h.Vacia()) {
        vErrores = rt::Variant::Null();
        return true;
    }
    if (!blnNoMostrar) return h.Mostrar();
    vErrores = h.Matriz();
    return false;
}

int32_t cDeclarante::DeclaranteRepetido() {
    const std::string nif = rt::UCase(rt::Trim(NIF().toStdString()));
    if (nif.empty()) return 0;
    auto server = servidor();
    // The server finds NIFs that begin with the text; none means no equal
    // one either, so the whole list is read only when there is a candidate.
    if (server->NifRepetido(nif) == 0) return 0;
    const rt::Variant lista = server->ObtenerDeclarantes();
    if (!lista.isArray()) return 0;
    for (int32_t i = 1; i <= rt::UBound(lista, 2); ++i)
        if (rt::UCase(rt::Trim(rt::CStr(lista(1, i)))) == nif) return rt::CLng(lista(0, i));
    return 0;
}

rt::Variant cDeclarante::RegistroGuardado() const {
    auto t = [](const QString& q) { return rt::Variant(rt::Trim(q.toStdString())); };
    auto n = [](int32_t v) { return rt::Variant(std::to_string(v)); };
    return rt::VArray::Of({rt::Variant::Long(CODDEC_), t(NIF()), t(Nombre()), t(Siglas()),
                           t(domicilio()), n(numero()), t(letra()), t(Escal()), t(piso()), t(mano()),
                           n(CodProvin()), n(CPost()), t(municipio()), n(Telefono()), t(NombrePd_),
                           n(TelefonoPd_)});
}

int32_t cDeclarante::GuardarDeclarante() {
    const int32_t clave = servidor()->GuardarDeclarante(RegistroGuardado());
    Modificado(false);
    return clave;
}

void cDeclarante::EliminarDeclarante() {
    servidor()->EliminarDeclarante(CODDEC_, true);
    CODDEC_ = 0;
}

}  // namespace quelvo
