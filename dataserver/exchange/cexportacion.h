#pragma once
// The export object ("Quelvodat.cExportacion").
#include "db/con_rutas.h"
#include "quelvodat/cExportacion.h"

namespace quelvodat {

class cExportacion final : public ConRutas<_cExportacion> {
public:
    using ConRutas<_cExportacion>::mdblec;
    using ConRutas<_cExportacion>::mdbmod;
    std::string mdbmod() const override { return mdbmod_; }
    std::string mdblec() const override { return mdblec_; }

    void Bimensual(const std::string& valor) override { bimensual_ = valor; }
    std::string Bimensual() const override { return bimensual_; }
    void declaracion(const std::string& valor) override;
    std::string declaracion() const override { return std::to_string(declaracion_); }
    void Ejercicio(int32_t valor) override { ejercicio_ = valor; }
    int32_t Ejercicio() const override { return ejercicio_; }
    void Moneda(const std::string& valor) override { moneda_ = valor; }
    std::string Moneda() const override { return moneda_; }
    void Periodo(uint8_t valor) override { periodo_ = valor; }
    uint8_t Periodo() const override { return periodo_; }
    void Periodicidad(uint8_t valor) override { periodicidad_ = valor; }
    uint8_t Periodicidad() const override { return periodicidad_; }
    void NoTotalDeclarados(int32_t valor) override { noTotalDeclarados_ = valor; }
    int32_t NoTotalDeclarados() const override { return noTotalDeclarados_; }

    bool ExportarDtes(const std::string& strRuta, const rt::Variant& vBufferDeclarantes) override;
    int32_t TotalDeclarados(int32_t lngEjercicio, uint8_t btePeriodo,
                            const std::string& strDtes) override;
    std::string ExportarReg0(const rt::Variant& vBufferPresentador, int32_t lngNoTotalDtes,
                             int32_t lngNoTotalDos, int32_t lngEjercicio) override;
    std::string ExportarReg1(const rt::Variant& vBufferDeclarantes, int32_t intIndex) override;
    rt::Variant ExportarReg2(const rt::Variant& vBufferDeclarantes, int32_t intIndex) override;

private:
    // The declarant load buffer of the code at element intIndex.
    rt::Variant CargarDeclarante(const rt::Variant& vBufferDeclarantes, int32_t intIndex) const;
    bool Layout2010() const { return ejercicio_ > 2009; }

    std::string bimensual_;
    int32_t declaracion_ = 0;
    int32_t ejercicio_ = 0;
    std::string moneda_;
    uint8_t periodo_ = 0;
    uint8_t periodicidad_ = 0;
    int32_t noTotalDeclarados_ = 0;
};

}  // namespace quelvodat
