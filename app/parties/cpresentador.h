#pragma once
// The one presenter of the user database (the first row of its presenters),
// held for the presenter editor, printing and the submission file. Read only
// through the data server.
#include <QString>
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvo {

class cPresentador {
public:
    bool Modificado() const { return Modificado_; }
    void Modificado(bool v) { Modificado_ = v; }
    // Key of the stored presenter; 0 when none is stored. Only a load or a
    // deletion changes it.
    int32_t CODPRES() const { return CODPRES_; }
    const QString& Nombre() const { return Nombre_; }
    void Nombre(const QString& v) { Nombre_ = v; }
    const QString& NIF() const { return NIF_; }
    void NIF(const QString& v) { NIF_ = v; }
    // Street-type code.
    const QString& Siglas() const { return Siglas_; }
    void Siglas(const QString& v) { Siglas_ = v; }
    const QString& domicilio() const { return domicilio_; }
    void domicilio(const QString& v) { domicilio_ = v; }
    int32_t numero() const { return numero_; }
    void numero(int32_t v) { numero_ = v; }
    const QString& letra() const { return letra_; }
    void letra(const QString& v) { letra_ = v; }
    const QString& Escal() const { return Escal_; }
    void Escal(const QString& v) { Escal_ = v; }
    const QString& piso() const { return piso_; }
    void piso(const QString& v) { piso_ = v; }
    const QString& mano() const { return mano_; }
    void mano(const QString& v) { mano_ = v; }
    int16_t CodProvin() const { return CodProvin_; }
    void CodProvin(int16_t v) { CodProvin_ = v; }
    const QString& municipio() const { return municipio_; }
    void municipio(const QString& v) { municipio_ = v; }
    // The whole postal code as a number (no leading zero).
    int32_t CPost() const { return CPost_; }
    void CPost(int32_t v) { CPost_ = v; }
    int32_t Telefono() const { return Telefono_; }
    void Telefono(int32_t v) { Telefono_ = v; }
    // Contact person and telephone.
    const QString& NombreP() const { return NombreP_; }
    void NombreP(const QString& v) { NombreP_ = v; }
    int32_t TelefonoP() const { return TelefonoP_; }
    void TelefonoP(int32_t v) { TelefonoP_ = v; }

    // Clears the modified flag and reloads the stored presenter.
    void InicializaDatos();
    // Loads the stored presenter (key 0 and empty fields when there is none).
    void CargarPresentador();
    // Loads a record in the data server's load order; Null changes nothing.
    void CargarPresentador(const rt::Variant& vBuffer);

private:
    bool Modificado_ = false;
    int32_t CODPRES_ = 0;
    QString NIF_;
    QString Nombre_;
    QString domicilio_;
    QString Siglas_;
    int32_t numero_ = 0;
    QString letra_;
    QString Escal_;
    QString piso_;
    QString mano_;
    int16_t CodProvin_ = 0;
    QString municipio_;
    int32_t CPost_ = 0;
    int32_t Telefono_ = 0;
    QString NombreP_;
    int32_t TelefonoP_ = 0;
};

}  // namespace quelvo
