#pragma once
// One declaration's values and the SQL on TDeclaraciones. Runs on the database
// selected and opened on the shared connection; opens and closes nothing, and
// starts no transaction (the public member around it does).
#include <cstdint>
#include <string>

#include "quelvort/variant.h"

namespace quelvodat {

class cTDeclaraciones {
public:
    void datTDeclaraciones_bimensual(const std::string& valor) { bimensual_ = valor; }
    const std::string& datTDeclaraciones_bimensual() const { return bimensual_; }
    void datTDeclaraciones_CodDecla(int32_t valor) { codDecla_ = valor; }
    int32_t datTDeclaraciones_CodDecla() const { return codDecla_; }
    void datTDeclaraciones_CodDecr(int32_t valor) { codDecr_ = valor; }
    int32_t datTDeclaraciones_CodDecr() const { return codDecr_; }
    void datTDeclaraciones_Ejercicio(int32_t valor) { ejercicio_ = valor; }
    int32_t datTDeclaraciones_Ejercicio() const { return ejercicio_; }
    void datTDeclaraciones_Moneda(const std::string& valor) { moneda_ = valor; }
    const std::string& datTDeclaraciones_Moneda() const { return moneda_; }
    void datTDeclaraciones_periodo(int16_t valor) { periodo_ = valor; }
    int16_t datTDeclaraciones_periodo() const { return periodo_; }
    void datTDeclaraciones_periodicidad(int16_t valor) { periodicidad_ = valor; }
    int16_t datTDeclaraciones_periodicidad() const { return periodicidad_; }

    // The declarant's declarations by exercise and period (list shape), Null
    // when there is none.
    rt::Variant ObtenerDeclaraciones(int32_t lngDeclarante);
    // Key of CodDecr's declaration of Ejercicio, periodo and periodicidad; 0
    // when none.
    int32_t ObtenerDeclaracion();
    // Key of one of CodDecr's declarations of Ejercicio; 0 when none.
    int32_t ObtenerDeclaracionAno();
    // "X" when the declaration whose key is held in CodDecr has a mark, else "".
    std::string ObtenerBimensualidad();
    // Copies declaration CodDecla as a new row with Ejercicio, periodo, Moneda,
    // periodicidad and bimensual; answers the new key. An unknown origin raises
    // ErrorNoExiste and adds nothing.
    int32_t DuplicarDeclaracion();
    // Inserts CodDecr's declaration; answers the new key.
    int32_t Insertar();
    // Deletes every declaration of the declarant with their entries, on the
    // database (and inside the transaction) its caller opened.
    bool BorrarTodas(int32_t lngDeclarante);
    // Deletes declaration CodDecla with its entries.
    bool Borrar();
    // The latest declaration of the whole database (one-row shape), Null when
    // none matches. A positive intEjerMin keeps exercises from 2002 on.
    rt::Variant MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin);
    // Currency of declaration CodDecla; "E" when the key does not exist.
    std::string ObtenerMonedaDcion();

private:
    int32_t codDecla_ = 0;
    int32_t codDecr_ = 0;
    int32_t ejercicio_ = 0;
    std::string moneda_;
    int16_t periodo_ = 0;
    int16_t periodicidad_ = 0;
    std::string bimensual_;
};

}  // namespace quelvodat
