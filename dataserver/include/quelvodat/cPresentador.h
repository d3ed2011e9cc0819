#pragma once
// The one presenter, as a 16-value record array.
//
// Load order (CargarPresentador): 0 codpres (0 when there is none), 1 dni_cif,
// 2 nombre, 3 via, 4 domicilio, 5 numero, 6 letra, 7 escalera, 8 piso, 9 mano,
// 10 cod, 11 codpostal, 12 municipio, 13 telefono, 14 nombrep, 15 telefonop.
// Save order (GuardarPresentador): the same except 11 municipio and
// 12 codpostal.
#include <cstdint>

#include "quelvodat/rutas.h"
#include "quelvort/variant.h"

namespace quelvodat {

class _cPresentador : public _RutasBD {
public:
    // The stored presenter (the lowest key), or key 0 with empty texts and
    // zeros.
    virtual void CargarPresentador(rt::Variant& vBufferResultado) = 0;
    // Updates the stored presenter (key 0 too, when one is stored) or inserts
    // the first; always answers 0.
    virtual int32_t GuardarPresentador(const rt::Variant& vBufferResultado) = 0;
    virtual void EliminarPresentador(int32_t lngCodpres) = 0;
};

}  // namespace quelvodat
