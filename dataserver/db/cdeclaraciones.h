#pragma once
#include "con_rutas.h"
#include "quelvodat/cDeclaraciones.h"

namespace quelvodat {

class cDeclaraciones final : public ConRutas<_cDeclaraciones> {
public:
    rt::Variant ObtenerDeclaraciones(int32_t lngDeclarante) override;
    void EliminarDeclaracion(int32_t lngDeclaracion) override;
    int32_t DuplicarDeclaracion(int32_t lngEjercicio, uint8_t btePeriodo, uint8_t btePeriodicidad,
                                const std::string& strMoneda, int32_t lngCodDeclaOrigen,
                                const std::string& strConversor, const std::string& strBimensual,
                                int32_t intEjerOrg) override;
    int32_t GuardarDeclaracion(int32_t lngEjercicio, const std::string& strMoneda,
                               uint8_t btePeriodo, int32_t lngDeclarante, uint8_t btePeriodicidad,
                               const std::string& strBimensual) override;
    rt::Variant ObtenerTotalDeclarados(int32_t lngCodeclar, int16_t Ejercicio) override;
    int32_t ObtenerDeclaracion(int32_t lngCodDecl, int32_t lngEjercicio, uint8_t btePer,
                               uint8_t btePerdad) override;
    int32_t ObtenerDeclaracionAno(int32_t lngCodDecl, int32_t lngEjercicio) override;
    std::string ObtenerBimensualidad(int32_t lngCodDecl) override;
    rt::Variant MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin) override;
    std::string ObtenerMonedaDcion(const rt::Variant& lngCodDcion) override;
    rt::Variant ObtenerTotalDeclaradosVarDtes(const rt::Variant& vBuffer, int32_t lngEjercicio,
                                              uint8_t btePeriodo) override;
};

}  // namespace quelvodat
