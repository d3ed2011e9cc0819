#pragma once
#include "zentalib/cMiscelaneos.h"

namespace zentalib {

class cMiscelaneos final : public _cMiscelaneos {
public:
    bool ValidaNifCif(rt::Variant& Cadena, rt::Variant& blnSinLetra) override;
    std::string ValidarCaracErrEnImp(const std::string& strLinea,
                                     const std::string& strSustituto) override;

    void Idioma(int32_t idioma) override { idioma_ = idioma; }
    void Parent(std::intptr_t ventana) override { parent_ = ventana; }
    std::string HaciendaFiscalidad() override;
    void MostrarOnlineInfo() override;
    void AccesoAyuOnline() override;

private:
    int32_t idioma_ = 0;
    std::intptr_t parent_ = 0;
};

}  // namespace zentalib
