#pragma once
// The table TPresentador: the presenter's values and the SQL on them. Works on
// the database the calling member opened on the shared connection.
#include <cstdint>
#include <string>

namespace quelvodat {

class cTPresentador {
public:
    // Texts are stored as one blank when empty; the free-text columns (not
    // the NIF and not the street-type code) with every apostrophe turned into
    // an acute accent.
    void datTPresentador_codpres(int32_t valor) { codpres_ = valor; }
    int32_t datTPresentador_codpres() const { return codpres_; }
    void datTPresentador_dni_cif(const std::string& valor);
    const std::string& datTPresentador_dni_cif() const { return dni_cif_; }
    void datTPresentador_nombre(const std::string& valor);
    const std::string& datTPresentador_nombre() const { return nombre_; }
    void datTPresentador_domicilio(const std::string& valor);
    const std::string& datTPresentador_domicilio() const { return domicilio_; }
    void datTPresentador_via(const std::string& valor);
    const std::string& datTPresentador_via() const { return via_; }
    void datTPresentador_numero(int32_t valor) { numero_ = valor; }
    int32_t datTPresentador_numero() const { return numero_; }
    void datTPresentador_letra(const std::string& valor);
    const std::string& datTPresentador_letra() const { return letra_; }
    void datTPresentador_escalera(const std::string& valor);
    const std::string& datTPresentador_escalera() const { return escalera_; }
    void datTPresentador_piso(const std::string& valor);
    const std::string& datTPresentador_piso() const { return piso_; }
    void datTPresentador_mano(const std::string& valor);
    const std::string& datTPresentador_mano() const { return mano_; }
    void datTPresentador_cod(int32_t valor) { cod_ = valor; }
    int32_t datTPresentador_cod() const { return cod_; }
    void datTPresentador_municipio(const std::string& valor);
    const std::string& datTPresentador_municipio() const { return municipio_; }
    void datTPresentador_codpostal(int32_t valor) { codpostal_ = valor; }
    int32_t datTPresentador_codpostal() const { return codpostal_; }
    void datTPresentador_telefono(int32_t valor) { telefono_ = valor; }
    int32_t datTPresentador_telefono() const { return telefono_; }
    void datTPresentador_nombrep(const std::string& valor);
    const std::string& datTPresentador_nombrep() const { return nombrep_; }
    void datTPresentador_telefonop(int32_t valor) { telefonop_ = valor; }
    int32_t datTPresentador_telefonop() const { return telefonop_; }

    // Inserts the row; codpres becomes the new key.
    bool Insertar();
    void Borrar();
    // Updates the row of codpres; false, and no statement, below key 1.
    bool Modificar();
    // Reads the presenter with the lowest key (texts trimmed but nombrep);
    // false, with the values left as they were, when there is none.
    bool Seleccionar();

private:
    int32_t codpres_ = 0;
    std::string dni_cif_;
    std::string nombre_;
    std::string domicilio_;
    std::string via_;
    int32_t numero_ = 0;
    std::string letra_;
    std::string escalera_;
    std::string piso_;
    std::string mano_;
    int32_t cod_ = 0;
    std::string municipio_;
    int32_t codpostal_ = 0;
    int32_t telefono_ = 0;
    std::string nombrep_;
    int32_t telefonop_ = 0;
};

}  // namespace quelvodat
