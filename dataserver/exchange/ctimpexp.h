#pragma once
// The import and export queries ("Quelvodat.cTImpExp").
#include "quelvodat/cTImpExp.h"

namespace quelvodat {

class cTImpExp final : public _cTImpExp {
public:
    rt::Variant ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                   const std::string& strMoneda) override;
    int32_t TotalDeclarados(int32_t lngEjercicio, uint8_t btePeriodo,
                            const std::string& strDtes) override;
};

}  // namespace quelvodat
