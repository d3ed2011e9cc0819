#include "exchange/solape_declaraciones.h"

#include "quelvort/convert.h"

namespace quelvodat::Importacion {

namespace {

constexpr int32_t kMensual = 1;
constexpr int32_t kTrimestral = 2;
constexpr int32_t kAnual = 3;

// The month falls in the quarter that ends in `trimestre`.
bool enTrimestre(int32_t mes, int32_t trimestre) { return trimestre - 3 < mes && mes <= trimestre; }

}  // namespace

bool DeclaracionCoincidente(int32_t periodo, int32_t periodicidad, int32_t periodoGuardado,
                            int32_t periodicidadGuardada) {
    auto conocida = [](int32_t p) { return p == kMensual || p == kTrimestral || p == kAnual; };
    if (!conocida(periodicidad) || !conocida(periodicidadGuardada)) return false;
    if (periodicidad == kAnual || periodicidadGuardada == kAnual) return true;
    if (periodicidad == kTrimestral && periodicidadGuardada == kTrimestral)
        return periodo == periodoGuardado;
    if (periodicidad == kTrimestral) return enTrimestre(periodoGuardado, periodo);
    if (periodicidadGuardada == kTrimestral) return enTrimestre(periodo, periodoGuardado);
    return periodo == periodoGuardado;
}

int32_t HallazgoSolape(const rt::Variant& vDeclaraciones, int32_t ejercicio, int32_t periodo,
                       int32_t periodicidad) {
    if (!vDeclaraciones.isArray()) return 0;
    bool solape = false;
    bool dentroDeAnual = false;
    for (int32_t fila = 1; fila <= rt::UBound(vDeclaraciones, 2); ++fila) {
        if (rt::CLng(vDeclaraciones(1, fila)) != ejercicio) continue;
        int32_t periodicidadGuardada = rt::CLng(vDeclaraciones(4, fila));
        if (!DeclaracionCoincidente(periodo, periodicidad, rt::CLng(vDeclaraciones(2, fila)),
                                    periodicidadGuardada))
            continue;
        solape = true;
        if (periodicidadGuardada == kAnual) dentroDeAnual = true;
    }
    if (!solape) return 0;
    if (periodicidad == kAnual) return 42;
    return dentroDeAnual ? 48 : 62;
}

}  // namespace quelvodat::Importacion
