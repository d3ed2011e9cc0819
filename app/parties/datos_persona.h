#pragma once
// The name, address and telephone that a declarant and the presenter both
// carry, and the part of their load records they lay out alike.
#include <QString>
#include <cstdint>

#include "quelvort/variant.h"
#include "services/hallazgos.h"

namespace quelvo {

class cDatosPersona {
public:
    bool Modificado() const { return Modificado_; }
    void Modificado(bool v) { Modificado_ = v; }
    const QString& Nombre() const { return d_.nombre; }
    void Nombre(const QString& v) { d_.nombre = v; }
    const QString& NIF() const { return d_.nif; }
    void NIF(const QString& v) { d_.nif = v; }
    // Street-type code.
    const QString& Siglas() const { return d_.siglas; }
    void Siglas(const QString& v) { d_.siglas = v; }
    const QString& domicilio() const { return d_.domicilio; }
    void domicilio(const QString& v) { d_.domicilio = v; }
    int32_t numero() const { return d_.numero; }
    void numero(int32_t v) { d_.numero = v; }
    const QString& letra() const { return d_.letra; }
    void letra(const QString& v) { d_.letra = v; }
    const QString& Escal() const { return d_.escal; }
    void Escal(const QString& v) { d_.escal = v; }
    const QString& piso() const { return d_.piso; }
    void piso(const QString& v) { d_.piso = v; }
    const QString& mano() const { return d_.mano; }
    void mano(const QString& v) { d_.mano = v; }
    int16_t CodProvin() const { return d_.codProvin; }
    void CodProvin(int16_t v) { d_.codProvin = v; }
    const QString& municipio() const { return d_.municipio; }
    void municipio(const QString& v) { d_.municipio = v; }
    // The whole postal code as a number (no leading zero).
    int32_t CPost() const { return d_.cpost; }
    void CPost(int32_t v) { d_.cpost = v; }
    int32_t Telefono() const { return d_.telefono; }
    void Telefono(int32_t v) { d_.telefono = v; }

protected:
    // The checks both objects make, in their order: 1 the NIF or CIF (error
    // `codigoNif`), 2 the name, 3 the street type, 4 the street, 5 the
    // province, 6 the postal code, 7 the postal code against the province,
    // 8 the municipality. A name, street or municipality of blanks counts as
    // missing.
    Hallazgos ValidarDatos(int16_t codigoNif) const;

    // The shared fields as one value, so that a load converts them all before
    // it changes any.
    struct Domicilio {
        QString nif, nombre, siglas, domicilio;
        int32_t numero = 0;
        QString letra, escal, piso, mano;
        int16_t codProvin = 0;
        QString municipio;
        int32_t cpost = 0;
        int32_t telefono = 0;
    };

    // Converts what both load records hold at the same places (1 to 10 and
    // 12). The postal code and telephone stay 0: each record has its own.
    static Domicilio LeerDomicilio(const rt::Variant& r);
    static QString Texto(const rt::Variant& v);

    void Asignar(const Domicilio& d) { d_ = d; }

private:
    bool Modificado_ = false;
    Domicilio d_;
};

}  // namespace quelvo
