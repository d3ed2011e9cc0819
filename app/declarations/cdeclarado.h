#pragma once
// The declared entry on screen in the entry window: its fields, its checks,
// and its storage through the data server.
#include <QString>
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvo {

class cDeclarado {
public:
    // Periodicity of the rectified period: 1 monthly, 2 quarterly, 3 annual.
    int16_t Periodicidad() const { return Periodicidad_; }
    void Periodicidad(int16_t v) { Periodicidad_ = v; }
    // Entry type, "N" normal or "R" rectification.
    const QString& tipoopo() const { return tipoopo_; }
    void tipoopo(const QString& v) { tipoopo_ = v; }
    // Key of the stored entry; 0 while not saved.
    int32_t codope() const { return codope_; }
    void codope(int32_t v) { codope_ = v; }
    // Key of the declaration the entry belongs to.
    int32_t coddeclar() const { return coddeclar_; }
    void coddeclar(int32_t v) { coddeclar_ = v; }
    // Member-state code of the other party.
    const QString& paiso() const { return paiso_; }
    void paiso(const QString& v) { paiso_ = v; }
    // Triangular mark: "X" ticked, " " or "" not.
    const QString& Triangularo() const { return Triangularo_; }
    void Triangularo(const QString& v) { Triangularo_ = v; }
    // The other party's VAT number, without the country prefix.
    const QString& nifo() const { return nifo_; }
    void nifo(const QString& v) { nifo_ = v; }
    const QString& razon() const { return razon_; }
    void razon(const QString& v) { razon_ = v; }
    // Operation key; reading it derives the entry type from it first.
    QString claveopo();
    void claveopo(const QString& v) { claveopo_ = v; }
    // Exercise of the period the entry rectifies; 0 when it rectifies
    // nothing. Kept 32-bit, read 16-bit: a value that does not fit raises 6.
    int16_t Ejercicio() const;
    void Ejercicio(int32_t v) { Ejercicio_ = v; }
    // Taxable base in currency units; held in whole hundredths. Setting it
    // forgets a text that was no amount.
    double importe() const { return importe_ / 100; }
    void importe(double v);
    // The text the amount box was left with when it was no amount, "" when
    // it was one: the amount held before stays, and the checks refuse the
    // entry until an amount is set.
    const QString& importeIlegible() const { return importeIlegible_; }
    void importeIlegible(const QString& v) { importeIlegible_ = v; }
    // The held base in hundredths, as stored.
    double importeCentesimas() const { return importe_; }
    // Sign of a rectification.
    const QString& Signo() const { return Signo_; }
    void Signo(const QString& v) { Signo_ = v; }
    // Rectified period as its last month; 0 for none.
    int16_t Periodoo() const { return Periodoo_; }
    void Periodoo(int16_t v) { Periodoo_ = v; }
    // Every column of a declaration's entries (draft listing); Null when none.
    const rt::Variant& BufferTodosLosDecl() const { return BufferTodosLosDecl_; }
    void BufferTodosLosDecl(const rt::Variant& v) { BufferTodosLosDecl_ = v; }
    // A declaration's entry list, (field, row) from row 1: 0 codope, 1 paiso,
    // 2 nifo, 3 razon, 4 claveopo, 5 base in hundredths, 6 tipoopo; Null when
    // the declaration has no entry.
    const rt::Variant& BufferDeclarados() const { return BufferDeclarados_; }
    void BufferDeclarados(const rt::Variant& v) { BufferDeclarados_ = v; }
    // The last loaded row, in the data server's load order.
    const rt::Variant& BufferDeclarado() const { return BufferDeclarado_; }
    void BufferDeclarado(const rt::Variant& v) { BufferDeclarado_ = v; }
    // Changed on screen since loaded or saved.
    bool Modificado() const { return Modificado_; }
    void Modificado(bool v) { Modificado_ = v; }

    // Clears the entry for a new one, only while the entry window is in
    // mode 4 (new), 6 (after a deletion) or 8 (unloading).
    void InicializarDeclarado();
    // The checks against the current declaration (the twelve, an amount
    // typed that is no amount, then what the file holds of the amount and
    // the declaration's total); findings are shown and the answer is false.
    bool ValidarDeclarado();
    // The checks of the amount alone, run when its box is left: a text that
    // is no amount, an amount the submission file cannot hold. Shows what
    // fails; true when nothing does.
    bool ValidarImporte();
    // Stores the entry, with the rectified period taken from the period
    // box's text; answers the entry's key.
    int32_t GuardarDeclarado(const QString& strPeriodo);
    // Whether the current declaration already holds an entry with the same
    // party, key, triangular mark and rectified period (while editing, not
    // counting this entry).
    bool DeclaradosCoincidentes(bool blnEditar);
    void ObtenerDeclarados(int32_t lngDeclaracion);
    // Whether the declaration holds any entry; its entries are not loaded.
    bool TieneDeclarados(int32_t lngDeclaracion);
    void ObtenerTodosLosDecl(int32_t lngDeclaracion);
    // Loads entry codope; an unknown key leaves every field as it was.
    void CargarDeclarado();
    // Deletes entry codope; codope becomes 0.
    void EliminarDeclarado();

private:
    void DerivarTipoOperacion();
    // Whether the rectified period lies before the member state joined.
    bool PaisIncorporadoDespues();
    // The finding when the submission file's amount field cannot hold the
    // entry's amount (kCodigoImporteFichero) or the declaration's total the
    // entry is summed into (kCodigoTotalFichero); 0 when both fit.
    int16_t ImporteFueraDelFichero();

    int32_t codope_ = 0;
    int32_t coddeclar_ = 0;
    QString paiso_;
    QString nifo_;
    QString razon_;
    QString claveopo_;
    QString tipoopo_;
    double importe_ = 0;
    QString importeIlegible_;
    QString Signo_;
    int16_t Periodoo_ = 0;
    int16_t Periodicidad_ = 0;
    int32_t Ejercicio_ = 0;
    QString Triangularo_;
    rt::Variant BufferDeclarado_;
    rt::Variant BufferDeclarados_;
    rt::Variant BufferTodosLosDecl_;
    bool Modificado_ = false;
};

}  // namespace quelvo
