#pragma once
// The public class of the declarants ("Quelvodat.cDeclarante").
#include "con_rutas.h"
#include "quelvodat/cDeclarante.h"

namespace quelvodat {

class cDeclarante final : public ConRutas<_cDeclarante> {
public:
    void CargarDeclarante(int32_t lngCoddec, rt::Variant& vBufferResultado) override;
    int32_t GuardarDeclarante(const rt::Variant& vBufferResultado) override;
    void EliminarDeclarante(int32_t SecDte, bool bDeclaraciones = false) override;
    rt::Variant ObtenerUltimosDeclarantes() override;
    int32_t NifRepetido(const std::string& strNif) override;
    rt::Variant ObtenerDeclarantes() override;
};

}  // namespace quelvodat
