#pragma once
// The import object ("Quelvodat.cImportacion").
#include <optional>
#include <string>

#include "db/con_rutas.h"
#include "exchange/validar_importacion.h"
#include "quelvodat/cImportacion.h"

namespace quelvodat {

class cImportacion final : public ConRutas<_cImportacion> {
public:
    using ConRutas<_cImportacion>::mdblec;
    using ConRutas<_cImportacion>::mdbmod;
    std::string mdbmod() const override { return mdbmod_; }
    std::string mdblec() const override { return mdblec_; }

    void EjercicioMax(int32_t valor) override { ejercicioMax_ = valor; }
    int32_t EjercicioMax() const override { return ejercicioMax_; }
    void EjercicioMin(int32_t valor) override { ejercicioMin_ = valor; }
    int32_t EjercicioMin() const override { return ejercicioMin_; }
    void declaracion(const std::string& valor) override;
    std::string declaracion() const override { return std::to_string(declaracion_); }
    void Resultado(uint8_t valor) override { resultado_ = valor; }
    uint8_t Resultado() const override { return resultado_; }
    void RechazarDeclaracion(bool valor) override { rechazarDeclaracion_ = valor; }
    bool RechazarDeclaracion() const override { return rechazarDeclaracion_; }
    uint8_t Sujeto() const override { return sujeto_; }
    void Convertir(bool valor) override { convertir_ = valor; }
    bool Convertir() const override { return convertir_; }
    void Periodo(uint8_t valor) override { periodo_ = valor; }
    uint8_t Periodo() const override { return periodo_; }
    void Periodicidad(uint8_t valor) override { periodicidad_ = valor; }
    uint8_t Periodicidad() const override { return periodicidad_; }

    void IniciarImportacion() override;
    void TerminarImportacion() override;
    void ConfirmarImportacion() override;
    uint8_t importDte(const std::string& strLineaLectura, rt::Variant& vBufferValores,
                      rt::Variant& vBufferErrores) override;
    void importSpte(const std::string& strLineaLectura, rt::Variant& vBufferErrores,
                    bool blnEstatal) override;
    void importDeclarado(const std::string& strLineaLectura, rt::Variant& vBufferErrores,
                         bool blnEstatal, int32_t lngDeclaracion, int32_t lngEjercicio) override;
    uint8_t ImportarDte_Cion(const std::string& strLineaLectura,
                             rt::Variant& vBufferErrores) override;
    bool ComprobarDeclaracion(const rt::Variant& vBufferValores,
                              rt::Variant& vBufferErrores) override;
    rt::Variant ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                   const std::string& strMoneda) override;

private:
    static constexpr char kNoSeImporta = '\0';
    // Converts a national line and answers its record type, '1' or '2'; for a
    // line that is no record, or a presenter record, it sets the subject and
    // answers kNoSeImporta.
    char PrepararLinea(const std::string& strLineaLectura, bool blnEstatal, std::string& linea,
                       rt::Variant& vBufferErrores);
    // Declarants (importar_declarante.cpp).
    int32_t BuscarDeclarante(const std::string& strNif);
    int32_t GuardarDeclarante(const rt::Variant& vBufferValores);
    void ActualizarNombre(int32_t lngCodigo, const std::string& strNombre);
    void GuardarDeclaracionImp(const rt::Variant& vBufferValores, int32_t lngDeclarante);
    // ComprobarDeclaracion for the declarant the record's NIF found (0 when
    // none); without one, it is looked up when the checks need it.
    bool ComprobarDeclaracion(const rt::Variant& vBufferValores, rt::Variant& vBufferErrores,
                              std::optional<int32_t> lngDeclarante);
    // The stores of a checked record 1 whose NIF found lngDeclarante (0 when
    // none); answers its result.
    uint8_t GuardarDte_Cion(const rt::Variant& vBufferValores, int32_t lngDeclarante);

    // Record 2 (importar_declarado.cpp). A submission file's record 2
    // belongs to the record 1 in force: without one, or naming another
    // declarant, it is refused (false, with its finding). The line comes
    // blank-filled to the longest layout.
    bool ComprobarDeclaranteEnVigor(const std::string& strLinea, rt::Variant& vBufferErrores);
    // The line read, refused or handed to the import of the declaration's
    // layout (exercise before 2010 or not). blnDeclaranteEnVigor: a
    // submission file's line, checked against its record 1 first.
    void ImportarRegistro2(const std::string& strLinea, int32_t lngEjercicio,
                           bool blnEjercicioDeLinea, rt::Variant& vBufferErrores,
                           bool blnDeclaranteEnVigor = false);
    uint8_t ImportarDeclaradoAnt(std::string strLinea, int32_t lngEjercicioLinea,
                                 int32_t lngEjercicio, rt::Variant& vBufferErrores);
    uint8_t ImportarDeclarado2010(std::string strLinea, int32_t lngEjercicioLinea,
                                  int32_t lngEjercicio, rt::Variant& vBufferErrores);
    uint8_t GuardarDeclarado(const rt::Variant& vBufferValores);
    Importacion::DeclaracionDestino Destino(int32_t lngEjercicio) const;

    int32_t ejercicioMax_ = 0;
    int32_t ejercicioMin_ = 0;
    int32_t declaracion_ = 0;
    uint8_t resultado_ = 0;
    bool rechazarDeclaracion_ = false;
    uint8_t sujeto_ = 0;
    bool convertir_ = false;
    uint8_t periodo_ = 0;
    uint8_t periodicidad_ = 0;
};

}  // namespace quelvodat
