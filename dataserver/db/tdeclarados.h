#pragma once
// One declared entry's values and the SQL on tOperadores. Runs on the database
// selected and opened on the shared connection; opens and closes nothing, and
// starts no transaction (the public member around it does).
#include <cstdint>
#include <string>
#include <utility>

#include "quelvort/variant.h"

namespace quelvodat {

class cTDeclarados {
public:
    int16_t datTDeclarados_periodicidad() const { return periodicidad_; }
    void datTDeclarados_periodicidad(int16_t valor) { periodicidad_ = valor; }
    const std::string& datTDeclarados_tipoopo() const { return tipoopo_; }
    void datTDeclarados_tipoopo(std::string valor) { tipoopo_ = Blanco(std::move(valor)); }
    void datTDeclarados_codope(int32_t valor) { codope_ = valor; }
    int32_t datTDeclarados_codope() const { return codope_; }
    void datTDeclarados_coddeclar(int32_t valor) { coddeclar_ = valor; }
    int32_t datTDeclarados_coddeclar() const { return coddeclar_; }
    void datTDeclarados_ejercicioo(int32_t valor) { ejercicioo_ = valor; }
    int32_t datTDeclarados_ejercicioo() const { return ejercicioo_; }
    void datTDeclarados_paiso(std::string valor) { paiso_ = Blanco(std::move(valor)); }
    const std::string& datTDeclarados_paiso() const { return paiso_; }
    void datTDeclarados_paisaux(std::string valor) { paisaux_ = Blanco(std::move(valor)); }
    const std::string& datTDeclarados_paisaux() const { return paisaux_; }
    void datTDeclarados_nifo(std::string valor) { nifo_ = Blanco(std::move(valor)); }
    const std::string& datTDeclarados_nifo() const { return nifo_; }
    // Stored with the apostrophe as the acute accent, as the column holds it.
    void datTDeclarados_razon(std::string valor);
    const std::string& datTDeclarados_razon() const { return razon_; }
    void datTDeclarados_claveopo(std::string valor) { claveopo_ = std::move(valor); }
    const std::string& datTDeclarados_claveopo() const { return claveopo_; }
    void datTDeclarados_importe(double valor) { importe_ = valor; }
    double datTDeclarados_importe() const { return importe_; }
    void datTDeclarados_signoo(std::string valor) { signoo_ = Blanco(std::move(valor)); }
    const std::string& datTDeclarados_signoo() const { return signoo_; }
    void datTDeclarados_periodoo(int16_t valor) { periodoo_ = valor; }
    int16_t datTDeclarados_periodoo() const { return periodoo_; }
    void datTDeclarados_triangularo(std::string valor) { triangularo_ = Blanco(std::move(valor)); }
    const std::string& datTDeclarados_triangularo() const { return triangularo_; }

    // Deletes every entry of the declaration.
    bool Borrar(int32_t lngDeclaracion);
    // True when coddeclar holds an entry equal in VAT number, key, rectified
    // exercise and period and triangular mark; editing ignores entry codope.
    bool DeclaradosCoincidentes(bool blnEditar);
    // Inserts the entry; answers its new key.
    int32_t Insertar();
    // Updates entry codope when it is 1 or more; false when nothing was run.
    bool Modificar();
    // The declaration's entries (list shape), Null when none.
    rt::Variant ObtenerDeclarados();
    // Every column of the declaration's entries by key and VAT number.
    rt::Variant ObtenerTodosLosDecl();
    // Number of entries of coddeclar with a negative base.
    int32_t comprobarBaseImpNegativas();
    // Whether coddeclar holds any entry.
    bool TieneDeclarados();
    // Entry codope (one-row shape, without codope), Null when it does not exist.
    rt::Variant CargarDeclarado();
    bool EliminarDeclarado();
    // Copies the origin's entries under lngCodDeclaNueva, adapted to the new
    // exercise, period, periodicity and currency.
    void DuplicarDeclarados(int32_t lngCodDeclaNueva, int32_t lngCodDeclaOrigen,
                            const std::string& strConversor, int32_t lngEjercicio,
                            uint8_t btePeriodo, uint8_t btePeriodicidad, int32_t intEjerOrg);
    // Totals of declaration coddeclar: by key before 2010 (ejercicioo), by
    // operation type from 2010.
    rt::Variant ObtenerTotalDeclarados();
    // Totals by key over several declarants' declarations of one exercise and
    // period; Null for an empty key list.
    rt::Variant ObtenerTotalDeclaradosVarDtes(const rt::Variant& vBuffer, int32_t lngEjercicio,
                                              uint8_t btePeriodo);
    // Start of member state paiso in the reference database the caller opened:
    // exercise * 100 + period (2004 and 5 give 200405); 0 for an unknown code.
    int32_t ObtenerAnoPais();

private:
    // How many entries coddeclar holds: the size its lists are made for.
    int32_t Contar();
    static std::string Blanco(std::string valor) { return valor.empty() ? " " : valor; }

    int32_t codope_ = 0;
    int32_t coddeclar_ = 0;
    std::string paiso_;
    std::string paisaux_;
    std::string nifo_;
    std::string razon_;
    std::string claveopo_;
    double importe_ = 0;
    std::string signoo_;
    int16_t periodoo_ = 0;
    int32_t ejercicioo_ = 0;
    std::string triangularo_;
    int16_t periodicidad_ = 0;
    std::string tipoopo_;
};

}  // namespace quelvodat
