#pragma once
// The current declarant's declarations and the one declaration being worked
// on, shared by the declarations window, the entry window, the pick lists
// and printing. Storage goes to the data server; findings to the error list.
#include <QString>
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvo {

class cListaDeclaraciones {
public:
    // 1 when the declarations window was reached through the declarant
    // picker (closing it returns there), 0 when opened directly.
    int32_t Procedencia() const { return Procedencia_; }
    void Procedencia(int32_t v) { Procedencia_ = v; }
    // "X" when the declaration is marked bimonthly, else "".
    const QString& Bimensual() const { return Bimensual_; }
    void Bimensual(const QString& v) { Bimensual_ = v; }
    // Last month of the current declaration's period; 0 while none is set.
    uint8_t Periodo() const { return Periodo_; }
    void Periodo(uint8_t v) { Periodo_ = v; }
    // 1 monthly, 2 quarterly, 3 annual.
    uint8_t Periodicidad() const { return Periodicidad_; }
    void Periodicidad(uint8_t v) { Periodicidad_ = v; }
    // What the declarations window does: 0 create, 1 open, 2 copy.
    int32_t Modo() const { return Modo_; }
    void Modo(int32_t v) { Modo_ = v; }
    // Key of the current declaration.
    int32_t CodDecla() const { return CodDecla_; }
    void CodDecla(int32_t v) { CodDecla_ = v; }
    // Exercise of the current declaration; 0 while none is set.
    int32_t Ejercicio() const { return Ejercicio_; }
    void Ejercicio(int32_t v) { Ejercicio_ = v; }
    // Exercise of the source of a copy.
    int32_t EjercicioOrg() const { return EjercicioOrg_; }
    void EjercicioOrg(int32_t v) { EjercicioOrg_ = v; }
    // Currency of the current or new declaration, "E" or "P"; read trimmed.
    QString Moneda() const { return Moneda_.trimmed(); }
    void Moneda(const QString& v) { Moneda_ = v; }
    // Currency of the selected (source) declaration; read trimmed.
    QString MonedaOrigen() const { return MonedaOrigen_.trimmed(); }
    void MonedaOrigen(const QString& v) { MonedaOrigen_ = v; }
    // The declarant's declarations, (field, row) from row 1 by exercise and
    // period: 0 key, 1 exercise, 2 period, 3 currency, 4 periodicity,
    // 5 bimonthly mark. Null when none; Empty until first filled.
    const rt::Variant& BufferDeclaraciones() const { return BufferDeclaraciones_; }
    void BufferDeclaraciones(const rt::Variant& v) { BufferDeclaraciones_ = v; }

    // Lists the current declarant's declarations into BufferDeclaraciones.
    void RellenarDeclaraciones();
    // Stores the current fields as a new declaration of the current declarant;
    // CodDecla becomes its key.
    void GuardarDeclaracion();
    // Deletes declaration CodDecla with its entries; CodDecla becomes 0.
    void EliminarDeclaracion();
    // Checks the declaration that Ejercicio, Periodo, Periodicidad and Moneda
    // describe, against the rules (a month only from 2010) and the listed
    // declarations. On findings
    // they are shown unless blnSinMostrar, and the answer is false.
    bool ValidarNuevaDeclaracion(bool blnSinMostrar);
    // Copies declaration CodDecla with its entries into a new one with the
    // current exercise, period, periodicity, currency and bimonthly mark,
    // converting amounts by the operator (OperadorConversion); CodDecla
    // becomes the new key.
    void DuplicarDeclaracion(const QString& strOperador);
    // Checks a copy from Ejercicio into the typed exercise with the
    // periodicity of the typed period; findings are always shown.
    bool validarCopiaDeclaracion(int16_t intEjercicio, int16_t intPeriodicidad);

private:
    // Whether a stored declaration (exercise, period, periodicity) covers any
    // month of the new one.
    bool DeclaracionCoincidente(int32_t ejercicio, int32_t periodo, int32_t periodicidad) const;

    rt::Variant BufferDeclaraciones_;
    int32_t Modo_ = 0;
    int32_t Procedencia_ = 0;
    int32_t CodDecla_ = 0;
    int32_t Ejercicio_ = 0;
    int32_t EjercicioOrg_ = 0;
    QString Moneda_;
    QString MonedaOrigen_;
    uint8_t Periodo_ = 0;
    uint8_t Periodicidad_ = 0;
    QString Bimensual_;
};

}  // namespace quelvo
