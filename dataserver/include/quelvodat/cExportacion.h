#pragma once
// The export object ("Quelvodat.cExportacion"): the submission file's records,
// declarant by declarant, and the declarant exchange file.
//
// A submission run keeps one object: set mdbmod, Ejercicio, Moneda, Periodo
// and Periodicidad; then for each index i of the declarant-code array (a 1-D
// array of codes): NoTotalDeclarados = 0; ExportarReg0 once first for a
// collective run; ExportarReg1(array, i); ExportarReg2(array, i), whose
// elements 1 to n are written in order; NoTotalDeclarados is then that
// declarant's number of entries. ExportarReg2 writes the declaration that
// ExportarReg1 found just before for the same declarant.
// Ejercicio above 2009 selects the records of 250 characters, else 190.
#include <cstdint>
#include <string>

#include "quelvodat/rutas.h"
#include "quelvort/variant.h"

namespace quelvodat {

class _cExportacion : public _RutasBD {
public:
    using _RutasBD::mdblec;
    using _RutasBD::mdbmod;
    virtual std::string mdbmod() const = 0;
    // Kept; no member reads the reference database.
    virtual std::string mdblec() const = 0;

    // Bimonthly mark of the declaration the last ExportarReg1 found.
    virtual void Bimensual(const std::string& valor) = 0;
    virtual std::string Bimensual() const = 0;
    // Key of the declaration the last ExportarReg1 found (0 when none), as
    // text; a text that is not a number raises 13.
    virtual void declaracion(const std::string& valor) = 0;
    virtual std::string declaracion() const = 0;
    virtual void Ejercicio(int32_t valor) = 0;
    virtual int32_t Ejercicio() const = 0;
    // "P" converts the amounts of the records up to 2009 from pesetas.
    virtual void Moneda(const std::string& valor) = 0;
    virtual std::string Moneda() const = 0;
    // Last month of the run's period.
    virtual void Periodo(uint8_t valor) = 0;
    virtual uint8_t Periodo() const = 0;
    // 1 monthly, 2 quarterly, 3 annual.
    virtual void Periodicidad(uint8_t valor) = 0;
    virtual uint8_t Periodicidad() const = 0;
    // Grows by the records each ExportarReg2 hands out; the caller resets it.
    virtual void NoTotalDeclarados(int32_t valor) = 0;
    virtual int32_t NoTotalDeclarados() const = 0;

    // Writes the declarant exchange file at strRuta, one line per code of the
    // array in its order, and answers True. The file is replaced only when
    // written whole: on any error the old file stays as it was and the error
    // is raised with this member's location, so the caller can show its text.
    virtual bool ExportarDtes(const std::string& strRuta, const rt::Variant& vBufferDeclarantes) = 0;
    // Declared entries of the declarations of that exercise and period value
    // (any periodicity or currency) of the declarants strDtes lists, their
    // codes separated by commas.
    virtual int32_t TotalDeclarados(int32_t lngEjercicio, uint8_t btePeriodo,
                                    const std::string& strDtes) = 0;
    // The presenter's record (type 0) from the presenter export buffer
    // (0 To 15), with the number of declarants and of declared entries of the
    // file; lngEjercicio, not Ejercicio, picks the layout.
    virtual std::string ExportarReg0(const rt::Variant& vBufferPresentador, int32_t lngNoTotalDtes,
                                     int32_t lngNoTotalDos, int32_t lngEjercicio) = 0;
    // The record of type 1 of the declarant whose code is element intIndex,
    // for the run's exercise, period and periodicity; sets declaracion and
    // Bimensual. Never an empty text: any error is raised with its location.
    virtual std::string ExportarReg1(const rt::Variant& vBufferDeclarantes, int32_t intIndex) = 0;
    // Empty when the declaration ExportarReg1 left in declaracion has no
    // entries; otherwise an array 0 To n, element 0 Empty and elements 1 to n
    // the records of type 2 by entry key. Adds n to NoTotalDeclarados.
    virtual rt::Variant ExportarReg2(const rt::Variant& vBufferDeclarantes, int32_t intIndex) = 0;
};

}  // namespace quelvodat
