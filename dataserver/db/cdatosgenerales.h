#pragma once
#include "con_rutas.h"
#include "quelvodat/cDatosGenerales.h"

namespace quelvodat {

class cDatosGenerales final : public ConRutas<_cDatosGenerales> {
public:
    void ActualizarMoneda() override;
    int32_t NumeroDeclarantes() override;
    rt::Variant CargarResultado(const std::string& strCadena) override;
    std::string ObtenerDescriVia(const std::string& strCod, int32_t lngIdioma) override;
    std::string ObtenerNombreProvincia(const std::string& strCod, int32_t lngIdioma) override;
    std::string ObtenerNombrePais(const std::string& strCod, int32_t lngIdioma) override;
    std::string RecogerRutaURL(uint8_t btRegistro) override;
    bool ValidarNIFExtranjero(const std::string& strNif, const std::string& strPais) override;
    bool ValidaNifCif(const std::string& Cadena, bool blnSinLetra) override;
    std::string ObtenerIdioma() override;
    int16_t ObtenerActOnline() override;
    void CambiarIdioma(const std::string& sidioma) override;
    rt::Variant GuardarActOnline(int16_t intActOnline) override;
    std::string ObtenerURLAct() override;
    int32_t ObtenerAnoPais(const std::string& strPais) override;
    void CerrarConexiones() override;
};

}  // namespace quelvodat
