#pragma once
// The settings row (tgeneral) of the user database. Runs on the database the
// calling member opened on the shared connection; the caller runs the saves
// in its transaction.
#include <cstdint>
#include <string>

namespace quelvodat {

class cTPersonalizacion {
public:
    void ActOnline(int16_t valor) { actOnline_ = valor; }
    int16_t ActOnline() const { return actOnline_; }
    void Idioma(const std::string& valor) { idioma_ = valor; }
    const std::string& Idioma() const { return idioma_; }

    // The stored language code trimmed, "C" when there is no row.
    std::string ObtenerIdioma();
    // The stored flag, 0 when there is no row.
    int16_t ObtenerActOnline();
    // Store Idioma / ActOnline in every row, or in a new row when there is
    // none, the other column taking the value of a new database.
    void GuardarIdioma();
    void GuardarActOnline();

private:
    int16_t actOnline_ = 0;
    std::string idioma_;
};

}  // namespace quelvodat
