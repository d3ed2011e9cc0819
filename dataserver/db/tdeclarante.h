#pragma once
// The table TDeclarante: one declarant's values and the SQL on them. Works on
// the database the calling member opened on the shared connection.
#include <cstdint>
#include <string>

#include "quelvort/variant.h"

namespace quelvodat {

class cTDeclarante {
public:
    // Texts are stored as one blank when empty; the free-text columns (not
    // the NIF) with every apostrophe turned into an acute accent.
    void datTDeclarante_coddec(int32_t valor) { coddec_ = valor; }
    int32_t datTDeclarante_coddec() const { return coddec_; }
    void datTDeclarante_dni_cifd(const std::string& valor);
    const std::string& datTDeclarante_dni_cifd() const { return dni_cifd_; }
    void datTDeclarante_nombred(const std::string& valor);
    const std::string& datTDeclarante_nombred() const { return nombred_; }
    void datTDeclarante_domiciliod(const std::string& valor);
    const std::string& datTDeclarante_domiciliod() const { return domiciliod_; }
    void datTDeclarante_viad(const std::string& valor);
    const std::string& datTDeclarante_viad() const { return viad_; }
    void datTDeclarante_numerod(int32_t valor) { numerod_ = valor; }
    int32_t datTDeclarante_numerod() const { return numerod_; }
    void datTDeclarante_letrad(const std::string& valor);
    const std::string& datTDeclarante_letrad() const { return letrad_; }
    void datTDeclarante_escalerad(const std::string& valor);
    const std::string& datTDeclarante_escalerad() const { return escalerad_; }
    void datTDeclarante_pisod(const std::string& valor);
    const std::string& datTDeclarante_pisod() const { return pisod_; }
    void datTDeclarante_manod(const std::string& valor);
    const std::string& datTDeclarante_manod() const { return manod_; }
    void datTDeclarante_cod(int32_t valor) { cod_ = valor; }
    int32_t datTDeclarante_cod() const { return cod_; }
    void datTDeclarante_municipiod(const std::string& valor);
    const std::string& datTDeclarante_municipiod() const { return municipiod_; }
    void datTDeclarante_codpostald(int32_t valor) { codpostald_ = valor; }
    int32_t datTDeclarante_codpostald() const { return codpostald_; }
    void datTDeclarante_telefonod(int32_t valor) { telefonod_ = valor; }
    int32_t datTDeclarante_telefonod() const { return telefonod_; }
    void datTDeclarante_nombrepd(const std::string& valor);
    const std::string& datTDeclarante_nombrepd() const { return nombrepd_; }
    void datTDeclarante_telefonopd(int32_t valor) { telefonopd_ = valor; }
    int32_t datTDeclarante_telefonopd() const { return telefonopd_; }

    // Inserts the row; coddec becomes the new key.
    bool Insertar();
    bool Borrar();
    // Updates the row of coddec; false, and no statement, below key 1.
    bool Modificar();
    // Reads the row of coddec (texts trimmed but nombrepd); false below key 1,
    // error 3021 when no row has the key.
    bool Seleccionar();
    // (field, row) lists: coddec, dni_cifd, nombred; Null when empty.
    rt::Variant ObtenerDeclarantes();
    rt::Variant ObtenerUltimosDeclarantes();
    // The key of a declarant whose NIF begins with the stored NIF, or 0.
    int32_t ExisteNif();

private:
    int32_t coddec_ = 0;
    std::string dni_cifd_;
    std::string nombred_;
    std::string domiciliod_;
    std::string viad_;
    int32_t numerod_ = 0;
    std::string letrad_;
    std::string escalerad_;
    std::string pisod_;
    std::string manod_;
    int32_t cod_ = 0;
    std::string municipiod_;
    int32_t codpostald_ = 0;
    int32_t telefonod_ = 0;
    std::string nombrepd_;
    int32_t telefonopd_ = 0;
};

}  // namespace quelvodat
