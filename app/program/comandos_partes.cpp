#include "program/comandos_partes.h"

#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "parties/frmDeclarante_794.h"
#include "parties/frmListaDeclarantes_794.h"
#include "parties/frmPresentador_794.h"
#include "program/mdi794.h"
#include "quelvort/convert.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

void mnuNueDec_Click() {
    cDeclarante& d = objDeclarante();
    d.Modo(0);
    d.Procedencia(0);
    d.InicializaDatos();
    MostrarDeclarante();
}

void mnuAbrDec_Click() {
    cDeclarante& d = objDeclarante();
    d.ObtenerDeclarantes();
    const rt::Variant& filas = d.vBufferDeclarantes();
    // A single declarant needs no choosing.
    if (filas.isArray() && rt::UBound(filas, 2) == 1) {
        objListaDeclaraciones().Procedencia(0);
        AbrirDeclaracionesDe(rt::CLng(filas(0, 1)));
        return;
    }
    objListaDeclaraciones().Procedencia(1);
    d.AbrirBorrar(0);
    MostrarListaDeclarantes();
}

void mnuEliDec_Click() {
    objDeclarante().AbrirBorrar(1);
    MostrarListaDeclarantes();
}

void mnuPresentador_Click() {
    objPresentador().InicializaDatos();
    MostrarPresentador();
}

}  // namespace

void ConectarPartes(MDI794& principal) {
    principal.EstablecerComando("mnuNueDec", mnuNueDec_Click);
    principal.EstablecerComando("mnuAbrDec", mnuAbrDec_Click);
    principal.EstablecerComando("mnuEliDec", mnuEliDec_Click);
    principal.EstablecerComando("mnuPresentador", mnuPresentador_Click);
}

}  // namespace quelvo
