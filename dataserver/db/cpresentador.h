#pragma once
// The public class of the presenter ("Quelvodat.cPresentador").
#include "con_rutas.h"
#include "quelvodat/cPresentador.h"

namespace quelvodat {

class cPresentador final : public ConRutas<_cPresentador> {
public:
    void CargarPresentador(rt::Variant& vBufferResultado) override;
    int32_t GuardarPresentador(const rt::Variant& vBufferResultado) override;
    void EliminarPresentador(int32_t lngCodpres) override;
};

}  // namespace quelvodat
