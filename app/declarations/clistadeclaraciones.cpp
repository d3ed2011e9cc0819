#include "declarations/clistadeclaraciones.h"

#include "parties/cdeclarante.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/hallazgos.h"
#include "services/objetos.h"
#include "services/servidor.h"

namespace quelvo {

namespace {

std::shared_ptr<quelvodat::_cDeclaraciones> servidor() {
    return CrearServidor<quelvodat::_cDeclaraciones>("Quelvodat.cDeclaraciones");
}

std::string texto(const QString& q) { return q.toStdString(); }

constexpr int32_t kEjercicioMinimo = 1993;
constexpr int32_t kEjercicioMaximo = 2013;
constexpr int32_t kEjercicioMeses = 2010;

}  // namespace

void cListaDeclaraciones::RellenarDeclaraciones() {
    try {
        BufferDeclaraciones_ = servidor()->ObtenerDeclaraciones(objDeclarante().CODDEC());
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cListaDeclaraciones.RellenarDeclaraciones");
    }
}

void cListaDeclaraciones::GuardarDeclaracion() {
    try {
        CodDecla_ = servidor()->GuardarDeclaracion(Ejercicio_, texto(Moneda_), Periodo_,
                                                   objDeclarante().CODDEC(), Periodicidad_,
                                                   texto(Bimensual_));
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cListaDeclaraciones.GuardarDeclaracion");
    }
}

void cListaDeclaraciones::EliminarDeclaracion() {
    try {
        servidor()->EliminarDeclaracion(CodDecla_);
        CodDecla_ = 0;
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cListaDeclaraciones.EliminarDeclaracion");
    }
}

void cListaDeclaraciones::DuplicarDeclaracion(const QString& strOperador) {
    try {
        CodDecla_ = servidor()->DuplicarDeclaracion(Ejercicio_, Periodo_, Periodicidad_,
                                                    texto(Moneda_), CodDecla_, texto(strOperador),
                                                    texto(Bimensual_), EjercicioOrg_);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cListaDeclaraciones.DuplicarDeclaracion");
    }
}

bool cListaDeclaraciones::ValidarNuevaDeclaracion(bool blnSinMostrar) {
    Hallazgos hallazgos;
    if (Ejercicio_ == 0) hallazgos.Anadir(1, 9);
    if (Periodo_ == 0) hallazgos.Anadir(1, 39);
    if (Moneda().isEmpty()) hallazgos.Anadir(2, 18);
    if (Ejercicio_ < kEjercicioMinimo || Ejercicio_ > kEjercicioMaximo) hallazgos.Anadir(3, 10);
    // Months exist from 2010 only.
    if (Periodo_ != 0 && Periodicidad_ == 1 && Ejercicio_ < kEjercicioMeses) hallazgos.Anadir(2, 61);
    if (!BufferDeclaraciones_.isNull()) {
        const rt::Variant& b = BufferDeclaraciones_;
        for (int32_t i = 1; i <= rt::UBound(b, 2); ++i) {
            if (DeclaracionCoincidente(rt::CLng(b(1, i)), rt::CLng(b(2, i)), rt::CLng(b(4, i)))) {
                hallazgos.Anadir(4, 15);
                break;
            }
        }
    }
    if (hallazgos.Vacia()) return true;
    if (!blnSinMostrar) hallazgos.Mostrar();
    return false;
}

bool cListaDeclaraciones::DeclaracionCoincidente(int32_t ejercicio, int32_t periodo,
                                                 int32_t periodicidad) const {
    if (ejercicio != Ejercicio_) return false;
    const int32_t nuevo = Periodo_;
    // A quarter covers the month it ends in and the two before.
    auto enTrimestre = [](int32_t mes, int32_t fin) { return fin - 3 < mes && mes <= fin; };
    switch (Periodicidad_) {
    case 3:
        return periodicidad == 1 || periodicidad == 2 || periodicidad == 3;
    case 2:
        if (periodicidad == 3) return true;
        if (periodicidad == 2) return periodo == nuevo;
        if (periodicidad == 1) return enTrimestre(periodo, nuevo);
        return false;
    case 1:
        if (periodicidad == 3) return true;
        if (periodicidad == 2) return enTrimestre(nuevo, periodo);
        if (periodicidad == 1) return periodo == nuevo;
        return false;
    default:
        return false;
    }
}

bool cListaDeclaraciones::validarCopiaDeclaracion(int16_t intEjercicio, int16_t intPeriodicidad) {
    Hallazgos hallazgos;
    const bool deMesesAAntes = intEjercicio < kEjercicioMeses && Ejercicio_ >= kEjercicioMeses;
    if (deMesesAAntes) hallazgos.Anadir(1, 60);
    if (intPeriodicidad == 1 && deMesesAAntes) hallazgos.Anadir(2, 61);
    return hallazgos.Mostrar();
}

}  // namespace quelvo
