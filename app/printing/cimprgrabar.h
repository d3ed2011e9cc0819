#pragma once
// The settings of one print, record or send run, and the steps of such a run
// that produce files: the count of its declared entries, the check for
// negative bases, the submission file and the declarant exchange file. The
// records themselves are the data server's; this object chooses which are
// asked for, in which order, and writes them. No widgets: findings and
// messages go through quelvo::interaccion().
#include <QString>
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvo {

class cImprGrabar {
public:
    // 0 a plain print or record run; 1 and 2 the two kinds of telematic run.
    int32_t TipoEnvio() const { return TipoEnvio_; }
    void TipoEnvio(int32_t v) { TipoEnvio_ = v; }
    // True: one declarant files for itself; false: the presenter files for several.
    bool UnDte() const { return UnDte_; }
    void UnDte(bool v) { UnDte_ = v; }
    // Declared entries of the run after TotalDeclarados; of the declarant just
    // written while the file is written; printing keeps its own count here.
    int32_t NoTotalDeclarados() const { return NoTotalDeclarados_; }
    void NoTotalDeclarados(int32_t v) { NoTotalDeclarados_ = v; }
    // Key of the declaration being worked on.
    int32_t CodDecla() const { return CodDecla_; }
    void CodDecla(int32_t v) { CodDecla_ = v; }
    // "E" euros; any other value pesetas.
    const QString& Moneda() const { return Moneda_; }
    void Moneda(const QString& v) { Moneda_ = v; }
    // Kept for the run; nothing reads it.
    const QString& Bimensual() const { return Bimensual_; }
    void Bimensual(const QString& v) { Bimensual_ = v; }
    int32_t Ejercicio() const { return Ejercicio_; }
    void Ejercicio(int32_t v) { Ejercicio_ = v; }
    // Last month of the run's period. Held as a byte: a value outside 0 to 255
    // raises the overflow error and keeps the old value.
    int32_t Periodo() const { return Periodo_; }
    void Periodo(int32_t v);
    // 1 monthly, 2 quarterly, 3 annual; held as a byte like Periodo.
    int32_t Periodicidad() const { return Periodicidad_; }
    void Periodicidad(int32_t v);
    // As typed in the print and record dialog, or the empty date mask.
    const QString& FechaPresentacion() const { return FechaPresentacion_; }
    void FechaPresentacion(const QString& v) { FechaPresentacion_ = v; }
    // Where the print and record dialog was opened from: 1 the declarations
    // window, 0 the main window's menu.
    int32_t ProcImprimir() const { return ProcImprimir_; }
    void ProcImprimir(int32_t v) { ProcImprimir_ = v; }
    // Page being printed: 0 a declarant's, 1 the presenter's closing page.
    int32_t Persona() const { return Persona_; }
    void Persona(int32_t v) { Persona_ = v; }
    // 1 collective (by the presenter), 0 individual.
    int32_t IndCol() const { return IndCol_; }
    void IndCol(int32_t v) { IndCol_ = v; }
    // Output being printed: 0 medium labels, 1 draft, 2 declarant's copy,
    // 3 Administration's copy.
    int32_t Impreso() const { return Impreso_; }
    void Impreso(int32_t v) { Impreso_ = v; }
    // The run's declarant codes, 1-D from 0, in the order they are printed
    // and written. Values, so the caller's array and ours never share.
    rt::Variant vBufferDeclarantes() const { return vBufferDeclarantes_; }
    void vBufferDeclarantes(const rt::Variant& v) { vBufferDeclarantes_ = v; }

    // Declarants with a declaration of that exercise, period and currency:
    // (field, row) rows from 1, fields 0 code, 1 NIF, 2 name; Null when none.
    rt::Variant ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                   const QString& strMoneda);
    // Exercise 0, currency "", period 5; everything else stays.
    void InicializarDatos();
    // The run's declared entries into NoTotalDeclarados.
    void TotalDeclarados();
    // Writes the submission file at the file selector's RutaFichero; true
    // only when the whole file was put in place. Every refusal is checked
    // before the file is touched, and a refusal, a stop or a failure leaves
    // an existing file as it was.
    bool GrabarDeclaraciones();
    // Writes the declarant exchange file of the run's declarants at the file
    // selector's RutaFichero; a failure is shown, not raised.
    void ExportarDte();
    // False when a declaration of the run has negative taxable bases (the
    // error list has then been shown).
    bool validarGrabacion();

private:
    int32_t TipoEnvio_ = 0;
    bool UnDte_ = false;
    int32_t NoTotalDeclarados_ = 0;
    int32_t CodDecla_ = 0;
    QString Moneda_;
    QString Bimensual_;
    int32_t Ejercicio_ = 0;
    int32_t Periodo_ = 0;
    int32_t Periodicidad_ = 0;
    QString FechaPresentacion_;
    int32_t ProcImprimir_ = 0;
    int32_t Persona_ = 0;
    int32_t IndCol_ = 0;
    int32_t Impreso_ = 0;
    rt::Variant vBufferDeclarantes_;
};

}  // namespace quelvo
