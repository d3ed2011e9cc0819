#pragma once
// Miscellaneous services of Zentalib that the program and the data server
// create by name ("Zentalib.cMiscelaneos").
#include <cstdint>
#include <string>

#include "quelvort/object.h"
#include "quelvort/variant.h"

namespace zentalib {

class _cMiscelaneos : public virtual rt::Object {
public:
    // True when Cadena is a valid Spanish NIF (DNI, NIE) or CIF. With
    // blnSinLetra True, Cadena is a DNI or NIE written without its control
    // letter and only its form is checked. Empty blnSinLetra counts as False.
    virtual bool ValidaNifCif(rt::Variant& Cadena, rt::Variant& blnSinLetra) = 0;

    // An import line made ready for the caller's character check and cut: the
    // same number of characters, small letters in capitals, a no-break space
    // replaced by strSustituto (the callers pass one blank). Any character
    // outside the authority's set is left where it stands, so that the
    // caller's check refuses the line naming it.
    virtual std::string ValidarCaracErrEnImp(const std::string& strLinea,
                                             const std::string& strSustituto) = 0;

    // Online assistance. Idioma: 0 Spanish, 10000 Basque. Parent: the window
    // the library's windows belong to, passed as
    // reinterpret_cast<std::intptr_t>(QWidget*), 0 for none; an integer so
    // that this header stays free of Qt (the data server includes it).
    virtual void Idioma(int32_t idioma) = 0;
    virtual void Parent(std::intptr_t ventana) = 0;
    // The tax department's name, one line, in the language last set through
    // Idioma: Basque for 1000 (the printed forms) and for 10000, Spanish
    // for any other value.
    virtual std::string HaciendaFiscalidad() = 0;
    // A modal window describing the service.
    virtual void MostrarOnlineInfo() = 0;
    // Opens the service's page in the browser; a failure is shown to the
    // user with the address.
    virtual void AccesoAyuOnline() = 0;
};

}  // namespace zentalib
