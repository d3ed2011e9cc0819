#include "parties/comandos_partes.h"

#include <QAction>
#include <QVariant>

#include "declarations/clistadeclaraciones.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "parties/frmDeclarante_794.h"
#include "parties/frmListaDeclarantes_794.h"
#include "parties/frmPresentador_794.h"
#include "quelvort/convert.h"
#include "shell/mdi794.h"
#include "shell/objetos.h"
#include "shell/ventanas.h"

namespace quelvo {

namespace {

void mnuNueDec_Click() {
    cDeclarante& d = objDeclarante();
    d.Modo(0);
    d.Procedencia(0);
    d.InicializaDatos();
    MostrarVentana("frmDeclarante_794");
}

// Opens the declarant with that key in its declarations window.
void abrirDeclarante(int32_t clave) {
    cDeclarante& d = objDeclarante();
    d.CODDEC(clave);
    d.Modo(1);
    objListaDeclaraciones().Modo(1);
    d.InicializaDatos();
}

void mnuAbrDec_Click() {
    cDeclarante& d = objDeclarante();
    d.ObtenerDeclarantes();
    const rt::Variant& filas = d.vBufferDeclarantes();
    // A single declarant needs no choosing.
    if (filas.isArray() && rt::UBound(filas, 2) == 1) {
        abrirDeclarante(rt::CLng(filas(0, 1)));
        objListaDeclaraciones().Procedencia(0);
        MostrarVentana("frmDeclaraciones_794");
        return;
    }
    objListaDeclaraciones().Procedencia(1);
    d.AbrirBorrar(0);
    MostrarVentana("frmListaDeclarantes_794");
}

void mnuEliDec_Click() {
    objDeclarante().AbrirBorrar(1);
    MostrarVentana("frmListaDeclarantes_794");
}

void mnuD_Click(MDI794& principal, const char* entrada) {
    abrirDeclarante(rt::CLng(rt::Variant(principal.Menu(entrada)->data().toString().toStdString())));
    MostrarVentana("frmDeclaraciones_794");
}

void mnuPresentador_Click() {
    objPresentador().InicializaDatos();
    MostrarVentana("frmPresentador_794");
}

}  // namespace

void ConectarPartes(MDI794& principal) {
    RegistrarVentana("frmDeclarante_794", MostrarDeclarante);
    RegistrarVentana("frmListaDeclarantes_794", MostrarListaDeclarantes);
    RegistrarVentana("frmPresentador_794", MostrarPresentador);
    principal.EstablecerComando("mnuNueDec", mnuNueDec_Click);
    principal.EstablecerComando("mnuAbrDec", mnuAbrDec_Click);
    principal.EstablecerComando("mnuEliDec", mnuEliDec_Click);
    for (const char* entrada : {"mnuD1", "mnuD2", "mnuD3", "mnuD4"})
        principal.EstablecerComando(entrada, [&principal, entrada] { mnuD_Click(principal, entrada); });
    principal.EstablecerComando("mnuPresentador", mnuPresentador_Click);
}

}  // namespace quelvo
