#pragma once
#include "con_rutas.h"
#include "quelvodat/cDeclarado.h"

namespace quelvodat {

class cDeclarado final : public ConRutas<_cDeclarado> {
public:
    bool DeclaradosCoincidentes(int32_t lngCodDecl, const std::string& strNif,
                                const std::string& strClaveOp, const std::string& strTriangular,
                                int32_t lngEjercicio, uint8_t btePeriodo, bool blnEditar,
                                int32_t codOpe) override;
    int32_t GuardarDeclarado(const rt::Variant& vBufferResultado) override;
    // GuardarDeclarado inside the transaction its caller holds on mdbmod (an
    // imported line's): the same conversions, checks and errors, no
    // transaction of its own.
    int32_t GuardarEnTransaccion(const rt::Variant& vBufferResultado);
    rt::Variant ObtenerDeclarados(int32_t lngDeclaracion) override;
    rt::Variant ObtenerTodosLosDecl(int32_t lngDeclaracion) override;
    bool comprobarBaseImpNegativas(int32_t lngDeclaracion) override;
    bool TieneDeclarados(int32_t lngDeclaracion) override;
    rt::Variant CargarDeclarado(int32_t lngDeclarado) override;
    void EliminarDeclarado(int32_t lngDeclarado) override;
};

}  // namespace quelvodat
