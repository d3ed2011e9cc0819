#include "declarations/cdeclarado.h"

#include "declarations/cdeclaracion.h"
#include "declarations/clistadeclaraciones.h"
#include "quelvodat/cDatosGenerales.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"
#include "services/catalogo.h"
#include "services/claves.h"
#include "services/hallazgos.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "services/servidor.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cDeclarado> servidor() {
    return CrearServidor<quelvodat::_cDeclarado>("Quelvodat.cDeclarado");
}

std::shared_ptr<quelvodat::_cDatosGenerales> datosGenerales() {
    return CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales");
}

std::string s(const QString& q) { return q.toStdString(); }

// Values of a loaded row: Null and blank read as empty text or 0.
QString textoDe(const rt::Variant& v) {
    return v.isNull() ? QString() : QString::fromStdString(rt::CStr(v));
}
double numeroDe(const rt::Variant& v) {
    if (v.isNull() || v.isEmpty() || rt::Trim(rt::CStr(v)).empty()) return 0;
    return rt::CDbl(v);
}

bool esUno(const QString& valor, std::initializer_list<const char*> lista) {
    for (const char* c : lista)
        if (valor == QLatin1String(c)) return true;
    return false;
}

constexpr int32_t kEjercicioMeses = 2010;

// The amount field of the submission file an entry's base is summed into:
// key 1 or key 2 up to 2009, the normal entries from 2010; "" for none.
QString GrupoEnFichero(const QString& clave, const QString& tipo, int32_t ejercicio) {
    if (ejercicio >= kEjercicioMeses)
        return tipo.trimmed().toUpper() == "N" ? QStringLiteral("N") : QString();
    const QString c = clave.trimmed();
    return c == "1" || c == "2" ? c : QString();
}

}  // namespace

QString cDeclarado::claveopo() {
    DerivarTipoOperacion();
    return claveopo_;
}

void cDeclarado::DerivarTipoOperacion() {
    if (esUno(claveopo_, {"1", "2"}))
        tipoopo_ = "N";
    else if (esUno(claveopo_, {"3", "4"}))
        tipoopo_ = "R";
    else if (esUno(claveopo_, {"EN", "AN", "TN", "SN", "IN", "ER", "AR", "TR", "SR", "IR"}))
        tipoopo_ = claveopo_.right(1);
}

int16_t cDeclarado::Ejercicio() const { return rt::CInt(rt::Variant(Ejercicio_)); }

void cDeclarado::importe(double v) {
    // Whole hundredths, so a typed 1234,56 is held as 123456 exactly.
    importe_ = rt::RoundHalfAwayFromZero(v * 100);
    importeIlegible_.clear();
}

void cDeclarado::InicializarDeclarado() {
    const int32_t modo = objDeclaracion().ModoDeclaracion();
    if (modo != kModoAlta && modo != kModoTrasBaja && modo != kModoDescarga) return;
    codope_ = 0;
    importe_ = 0;
    importeIlegible_.clear();
    Periodoo_ = 0;
    Ejercicio_ = 0;
    paiso_.clear();
    nifo_.clear();
    razon_.clear();
    claveopo_.clear();
    Signo_.clear();
    Triangularo_.clear();
}

bool cDeclarado::ValidarDeclarado() {
    const cListaDeclaraciones& lista = objListaDeclaraciones();
    const int32_t Y = lista.Ejercicio();
    const int32_t P = lista.Periodo();
    const int32_t PD = lista.Periodicidad();
    const int32_t EjR = Ejercicio_;
    const int32_t PerR = Periodoo_;
    const int32_t PdR = Periodicidad_;
    const QString clave = claveopo();
    const bool sinSigno = Signo_.trimmed().isEmpty();

    Hallazgos h;
    if (paiso_.isEmpty()) h.Anadir(1, 27);
    if (!datosGenerales()->ValidarNIFExtranjero(s(nifo_), s(paiso_))) h.Anadir(2, 47);
    if (razon_.isEmpty()) h.Anadir(3, 1);
    if (esUno(clave, {"3", "4"}) && Y < kEjercicioMeses) {
        if (sinSigno) h.Anadir(4, 38);
        if (EjR == 0) h.Anadir(5, 9);
        if (EjR < 1993 || EjR > 2013) h.Anadir(6, 44);
        if (int64_t{EjR} * 100 + PerR >= int64_t{Y} * 100 + P) h.Anadir(6, 51);
        if (PerR == 0) h.Anadir(6, 33);
    }
    // "0" stood for no key before 2010; no key at all is refused in any exercise.
    if ((clave == "0" && Y < kEjercicioMeses) || clave.trimmed().isEmpty()) h.Anadir(4, 12);
    // An amount not read leaves the one held before unchecked: it is not the entry's.
    const bool leido = importeIlegible_.isEmpty();
    if (!leido) h.Anadir(5, kCodigoImporteIlegible);
    else if (importe_ == 0) h.Anadir(5, 41);
    if (DeclaradosCoincidentes(objDeclaracion().ModoDeclaracion() == kModoEdicion))
        h.Anadir(5, 14);
    if (esUno(clave, {"S", "I"}) && EjR > 0 && EjR < kEjercicioMeses) h.Anadir(5, 52);
    if (esUno(clave, {"H", "M"}) && EjR >= 1 && (EjR < 2011 || (EjR == 2011 && PerR <= 6)))
        h.Anadir(5, 66);
    if (tipoopo_ == "R" && (sinSigno || EjR == 0 || PerR == 0)) {
        h.Anadir(5, 57);
    } else if (EjR == Y && EjR < kEjercicioMeses) {
        // Only quarterly rectifications of the first three quarters, before
        // the declared period, of a declaration that is not annual.
        if (!(PD != 3 && PdR == 2 && PerR < P && PerR < 10)) h.Anadir(5, 54);
    } else if (EjR == Y) {
        const bool cabe = PD != 3 && PdR != 3 && PerR < 12 && (PD != 2 || PerR < P - 2) &&
                          (PD != 1 || PerR < P);
        if (!cabe) h.Anadir(5, 55);
    } else if (EjR > Y) {
        h.Anadir(5, 58);
    }
    if (leido && importe_ < 0) h.Anadir(5, 65);
    if (PaisIncorporadoDespues()) h.Anadir(5, 59);
    if (leido)
        if (const int16_t codigo = ImporteFueraDelFichero()) h.Anadir(5, codigo);
    return h.Mostrar();
}

bool cDeclarado::ValidarImporte() {
    Hallazgos h;
    if (!importeIlegible_.isEmpty()) h.Anadir(5, kCodigoImporteIlegible);
    else if (const int16_t codigo = ImporteFueraDelFichero()) h.Anadir(5, codigo);
    return h.Mostrar();
}

int16_t cDeclarado::ImporteFueraDelFichero() {
    const cListaDeclaraciones& lista = objListaDeclaraciones();
    // Every entry's record has an amount field of the same digits.
    if (EurosDeCentesimas(importe_, lista.MonedaOrigen()) > kImporteMaximoFichero) return kCodigoImporteFichero;
    const int32_t ejercicio = lista.Ejercicio();
    const QString grupo = GrupoEnFichero(claveopo(), tipoopo_, ejercicio);
    if (grupo.isEmpty()) return 0;
    double suma = importe_;
    const rt::Variant totales =
        CrearServidor<quelvodat::_cDeclaraciones>("Quelvodat.cDeclaraciones")
            ->ObtenerTotalDeclarados(lista.CodDecla(), rt::CInt(rt::Variant(ejercicio)));
    if (totales.isArray())
        for (int32_t i = 1; i <= rt::UBound(totales, 2); ++i)
            if (textoDe(totales(0, i)).trimmed().toUpper() == grupo) suma += numeroDe(totales(1, i));
    // An entry being edited is in that total with its stored amount.
    if (codope_ != 0) {
        using C = quelvodat::CampoCargado;
        const rt::Variant guardado = servidor()->CargarDeclarado(codope_);
        if (!guardado.isNull() && GrupoEnFichero(textoDe(guardado(C::claveopo)),
                                                 textoDe(guardado(C::tipoopo)), ejercicio) == grupo)
            suma -= numeroDe(guardado(C::base));
    }
    return EurosDeCentesimas(suma, lista.MonedaOrigen()) > kImporteMaximoFichero ? kCodigoTotalFichero : 0;
}

bool cDeclarado::PaisIncorporadoDespues() {
    // Both sides as exercise * 100 + month, so they compare in time order.
    const int64_t rectificado = int64_t{Ejercicio_} * 100 + Periodoo_;
    if (rectificado <= 0) return false;
    const int32_t adhesion = datosGenerales()->ObtenerAnoPais(s(paiso_));
    return adhesion > rectificado;
}

int32_t cDeclarado::GuardarDeclarado(const QString& strPeriodo) {
    rt::VArray r(0, 12);
    r.at(0) = rt::Variant::Long(codope_);
    r.at(1) = rt::Variant::Long(coddeclar_);
    r.at(2) = s(paiso_);
    r.at(3) = s(nifo_);
    r.at(4) = s(razon_);
    r.at(5) = s(claveopo_);
    r.at(6) = importe_;
    r.at(7) = s(Signo_);
    r.at(8) = rt::Variant::Integer(ValorPeriodo(strPeriodo));
    r.at(9) = rt::Variant::Long(Ejercicio_);
    r.at(10) = s(Triangularo_);
    r.at(11) = s(tipoopo_);
    r.at(12) = rt::Variant::Integer(TipoPeriodo(strPeriodo));
    const int32_t clave = servidor()->GuardarDeclarado(rt::Variant(std::move(r)));
    Modificado_ = false;
    return clave;
}

bool cDeclarado::DeclaradosCoincidentes(bool blnEditar) {
    try {
        if (Periodoo_ < 0 || Periodoo_ > 255) throw rt::Error::Runtime(rt::err::Overflow);
        return servidor()->DeclaradosCoincidentes(
            objListaDeclaraciones().CodDecla(), s(nifo_), s(claveopo()), s(Triangularo_),
            Ejercicio_, static_cast<uint8_t>(Periodoo_), blnEditar, codope_);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarado.DeclaradosCoincidentes");
    }
}

void cDeclarado::ObtenerDeclarados(int32_t lngDeclaracion) {
    try {
        BufferDeclarados_ = servidor()->ObtenerDeclarados(lngDeclaracion);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarado.ObtenerDeclarados");
    }
}

bool cDeclarado::TieneDeclarados(int32_t lngDeclaracion) {
    try {
        return servidor()->TieneDeclarados(lngDeclaracion);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarado.TieneDeclarados");
    }
}

void cDeclarado::ObtenerTodosLosDecl(int32_t lngDeclaracion) {
    try {
        BufferTodosLosDecl_ = servidor()->ObtenerTodosLosDecl(lngDeclaracion);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarado.ObtenerTodosLosDecl");
    }
}

void cDeclarado::CargarDeclarado() {
    try {
        rt::Variant r = servidor()->CargarDeclarado(codope_);
        BufferDeclarado_ = r;
        if (r.isNull()) return;
        using C = quelvodat::CampoCargado;
        // Every value is converted before any field changes.
        const int32_t coddeclar = rt::CLng(rt::Variant(numeroDe(r(C::coddeclar))));
        const double base = numeroDe(r(C::base));
        const int32_t ejercicio = rt::CLng(rt::Variant(numeroDe(r(C::ejercicioo))));
        const int16_t periodo =
            ejercicio != 0 ? rt::CInt(rt::Variant(numeroDe(r(C::periodoo)))) : 0;
        const int16_t periodicidad = rt::CInt(rt::Variant(numeroDe(r(C::periodicidad))));
        coddeclar_ = coddeclar;
        paiso_ = textoDe(r(C::paiso));
        nifo_ = textoDe(r(C::nifo));
        razon_ = textoDe(r(C::razon));
        claveopo_ = textoDe(r(C::claveopo));
        importe_ = base;
        importeIlegible_.clear();
        Signo_ = textoDe(r(C::signoo));
        Ejercicio_ = ejercicio;
        Periodoo_ = periodo;
        Triangularo_ = textoDe(r(C::triangularo));
        Periodicidad_ = periodicidad;
        tipoopo_ = textoDe(r(C::tipoopo));
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclarado.CargarDeclarado");
    }
}

void cDeclarado::EliminarDeclarado() {
    servidor()->EliminarDeclarado(codope_);
    codope_ = 0;
}

}  // namespace quelvo
