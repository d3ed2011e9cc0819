#pragma once
// The import object ("Quelvodat.cImportacion"): one line of an import file
// per call, checked and stored as a declarant, a declaration or a declared
// entry.
//
// The desktop creates an object per line, copies the import state into its
// properties, calls one entry point and copies the state back out; the object
// keeps nothing between lines. Around the lines of a file the desktop runs
// an import run (IniciarImportacion, TerminarImportacion), which lets many
// lines share one commit. A new object holds 0, False or "" in every
// property, which is the state at the start of a file: every run must start
// from it, so that nothing of an earlier run (a declaration, the conversion
// flag, a refusal) reaches the new one.
//
// Error buffer (vBufferErrores): (0 To 1, 0 To k-1), one column per finding,
// (0, j) the error code (Long), (1, j) the value that failed (text, "" where
// the check records none). Without findings it is (0 To 1, 0 To 0) with both
// elements Empty. Every entry point replaces the caller's buffer, so a buffer
// never carries findings of an earlier line.
//
// Results (importDte, ImportarDte_Cion and Resultado):
//   0 stored (declarant / declarant and declaration / entry);
//   1 importDte: a declarant with that NIF exists, nothing stored;
//     record 1: the existing declarant's name brought up to date, new declaration;
//   2 record 1: existing declarant kept, new declaration;
//     record 2: ignored, its declaration was refused;
//   3 findings, nothing stored (a record 2 without a declaration to go to
//     included, with finding 31);
//   4 record 1: the declaration cannot be created (overlap or exercise range);
//   6 a character outside the allowed set, nothing stored.
#include <cstdint>
#include <string>

#include "quelvodat/rutas.h"
#include "quelvort/variant.h"

namespace quelvodat {

class _cImportacion : public _RutasBD {
public:
    using _RutasBD::mdblec;
    using _RutasBD::mdbmod;
    virtual std::string mdbmod() const = 0;
    // Where the member states' accession periods are read.
    virtual std::string mdblec() const = 0;

    // Range of exercises accepted (the desktop sets 1993 and 2013).
    virtual void EjercicioMax(int32_t valor) = 0;
    virtual int32_t EjercicioMax() const = 0;
    virtual void EjercicioMin(int32_t valor) = 0;
    virtual int32_t EjercicioMin() const = 0;
    // Key of the declaration that record-2 lines go to, as text; a text that
    // is not a number raises 13. A stored record 1 sets it; a refused one
    // sets it to 0.
    virtual void declaracion(const std::string& valor) = 0;
    virtual std::string declaracion() const = 0;
    // Outcome of the last submission-file or entry-file line.
    virtual void Resultado(uint8_t valor) = 0;
    virtual uint8_t Resultado() const = 0;
    // The last record 1 was refused: its record-2 lines are ignored.
    virtual void RechazarDeclaracion(bool valor) = 0;
    virtual bool RechazarDeclaracion() const = 0;
    // Kind of the last line: 0 record 0, 1 record 1, 3 record 2, 5 anything
    // else (a line starting "3" included).
    virtual uint8_t Sujeto() const = 0;
    // Amounts of following record-2 lines up to 2009 are turned from pesetas
    // into euros.
    virtual void Convertir(bool valor) = 0;
    virtual bool Convertir() const = 0;
    // The current declaration's period (its last month) and periodicity
    // (1 monthly, 2 quarterly, 3 annual).
    virtual void Periodo(uint8_t valor) = 0;
    virtual uint8_t Periodo() const = 0;
    virtual void Periodicidad(uint8_t valor) = 0;
    virtual uint8_t Periodicidad() const = 0;

    // An import run: IniciarImportacion before the first line of a file,
    // TerminarImportacion after its last line, after a cancel and after a
    // failure. Inside a run the stored lines are committed together: before
    // every record 1, when the pending lines are half a second old, when a
    // line fails, and when the run ends (or the data server closes its
    // databases). Each line
    // stays all or nothing, so a crash loses at most the lines since the
    // last commit and never part of a line or a declaration without its
    // record 1. Without a run every line is committed on its own.
    //
    // The run belongs to the calling thread's connection to mdbmod, not to
    // the object: the objects of its lines need not be the one that started
    // it. A failing commit raises with the member's location (the lines since
    // the previous commit are then not stored). Starting a run while one is
    // open commits its pending lines; ending none does nothing.
    virtual void IniciarImportacion() = 0;
    virtual void TerminarImportacion() = 0;
    // Commits the run's pending lines now, before the caller waits for its
    // user; the run goes on. Outside a run it does nothing. (Pending lines
    // left idle are committed anyway once they are half a second old.)
    virtual void ConfirmarImportacion() = 0;

    // A line of the declarant exchange file; answers 0, 1, 3 or 6. On 0 and 1
    // vBufferValores is the line's values (0 To 17) in the order NIF, name,
    // street type, street, number, letter, stair, floor, door, province,
    // postal code, municipality, contact name, telephone, contact telephone
    // (1 to 15), element 0 the existing declarant's key on 1 (else 0); on 3
    // it is the labelled buffer (0 To 17, 0 To 1) that was checked; on 6 it is
    // left alone.
    virtual uint8_t importDte(const std::string& strLineaLectura, rt::Variant& vBufferValores,
                              rt::Variant& vBufferErrores) = 0;
    // A line of a submission file, in the national layout when blnEstatal.
    // The outcome is left in Sujeto, Resultado, RechazarDeclaracion,
    // Convertir, declaracion, Periodo and Periodicidad.
    virtual void importSpte(const std::string& strLineaLectura, rt::Variant& vBufferErrores,
                            bool blnEstatal) = 0;
    // A line of a file of declared entries for the declaration the desktop
    // chose (declaracion, of exercise lngEjercicio); lngDeclaracion is not
    // used. Record-1 lines only clear Convertir.
    virtual void importDeclarado(const std::string& strLineaLectura, rt::Variant& vBufferErrores,
                                 bool blnEstatal, int32_t lngDeclaracion,
                                 int32_t lngEjercicio) = 0;
    // A record-1 line: its declarant and a new declaration; answers 0, 1, 2,
    // 3, 4 or 6. The declarant lookup, the checks against the stored
    // declarations and the inserts run in one write transaction, so two
    // processes importing the same file store each declarant and
    // declaration once.
    virtual uint8_t ImportarDte_Cion(const std::string& strLineaLectura,
                                     rt::Variant& vBufferErrores) = 0;
    // Whether the declaration of a record-1 buffer (0 To 18, 0 To 1) can be
    // created: an exercise outside the range gives 44; an annual
    // declaration where the declarant has any of that exercise 42; a quarter
    // or a month inside a stored annual declaration 48; any other overlap 62.
    // On False the error buffer holds that one finding.
    virtual bool ComprobarDeclaracion(const rt::Variant& vBufferValores,
                                      rt::Variant& vBufferErrores) = 0;
    // Declarants with a declaration of that exercise, period and currency, by
    // NIF: (field, row) list, fields 0 coddec, 1 dni_cifd, 2 nombred; Null
    // when none.
    virtual rt::Variant ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                           const std::string& strMoneda) = 0;
};

}  // namespace quelvodat
