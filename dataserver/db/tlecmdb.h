#pragma once
// Lookups in the reference database. Runs on the database the calling member
// opened on the shared connection.
#include <cstdint>
#include <string>

namespace quelvodat {

class cTLecMDB {
public:
    // 0 selects the Spanish column, any other value the Basque one.
    void datTIdioma(int32_t valor) { idioma_ = valor; }
    int32_t datTIdioma() const { return idioma_; }
    // "E" selects the euro texts of an operation key, anything else the
    // other currency's.
    void datTMoneda(const std::string& valor) { moneda_ = valor; }
    const std::string& datTMoneda() const { return moneda_; }
    void datTClaveCod(const std::string& valor) { claveCod_ = valor; }
    const std::string& datTClaveCod() const { return claveCod_; }
    void datTPaisCod(const std::string& valor) { paisCod_ = valor; }
    const std::string& datTPaisCod() const { return paisCod_; }
    void datTProvCod(const std::string& valor) { provCod_ = valor; }
    const std::string& datTProvCod() const { return provCod_; }
    void datTViaCod(const std::string& valor) { viaCod_ = valor; }
    const std::string& datTViaCod() const { return viaCod_; }

    // Names of the code set before, upper-cased; "" for an unknown code.
    std::string ObtenerDescriVia();
    std::string ObtenerNombreProvincia();
    std::string ObtenerNombrePais();
    std::string ObtenerDesClave();
    // The first column of tgeneral's row 1 when btRegistro is 1, else of
    // row 2; error 3021 when that row is missing.
    std::string RecogerRutaURL(uint8_t btRegistro);
    // The update address, "" when there is none.
    std::string URLAct();

private:
    int32_t idioma_ = 0;
    std::string moneda_;
    std::string claveCod_;
    std::string paisCod_;
    std::string provCod_;
    std::string viaCod_;
};

}  // namespace quelvodat
