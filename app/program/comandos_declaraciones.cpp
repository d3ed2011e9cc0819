#include "program/comandos_declaraciones.h"

#include <QLabel>

#include "declarations/frmDeclaraciones_794.h"
#include "exchange/envio_telematico.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "parties/paso_declaraciones.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/frmImprimirGrabar_794.h"
#include "printing/frmSelFichero_794.h"
#include "printing/imprimir.h"
#include "printing/principal.h"
#include "services/catalogo.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

// A run of the current declarant on that declaration.
cImprGrabar& EjecucionDeLaDeclaracion(const FilaDeclaracion& fila) {
    cImprGrabar& run = objImprGrabar();
    run.vBufferDeclarantes(rt::Variant(rt::VArray::Of({objDeclarante().CODDEC()})));
    run.CodDecla(fila.clave);
    run.Moneda(fila.moneda);
    run.Ejercicio(fila.ejercicio);
    run.Periodo(fila.periodo);
    run.Periodicidad(fila.periodicidad);
    return run;
}

void Imprimir(frmDeclaraciones_794& ventana, const FilaDeclaracion& fila) {
    cImprGrabar& run = EjecucionDeLaDeclaracion(fila);
    run.ProcImprimir(1);
    // The dialog takes this window's place; closing it brings a fresh one
    // back on the same declaration.
    ventana.Descargar();
    frmImprimirGrabar_794::Abrir([] { MostrarDeclaraciones(); });
}

void ImprimirBorrador(const FilaDeclaracion& fila) {
    cImprGrabar& run = objImprGrabar();
    run.Moneda(fila.moneda);
    run.Ejercicio(fila.ejercicio);
    run.CodDecla(fila.clave);
    ImprimirBorradorDeclarados();
}

void Enviar(frmDeclaraciones_794& ventana, const FilaDeclaracion& fila) {
    cImprGrabar& run = EjecucionDeLaDeclaracion(fila);
    // A send with a certificate or operative key; the run is a plain one
    // again however this ends.
    run.TipoEnvio(2);
    struct AlTerminar {
        ~AlTerminar() { objImprGrabar().TipoEnvio(0); }
    } alTerminar;
    run.IndCol(0);
    run.UnDte(true);
    cSelFichero& sel = objSelFichero();
    sel.RutaPorDefecto(FicheroPresentacionPorDefecto(fila.ejercicio));
    sel.Cancelar(false);
    {
        frmSelFichero_794 seleccion(&ventana);
        seleccion.lblTitulo->setText(Cat(258));
        seleccion.lblIndCol->setText(Cat(227));
        seleccion.labelDescripcionRuta->setText(Cat(271));
        seleccion.exec();
    }
    if (sel.Cancelar()) return;
    // Sent by the presenter: the presenter must be whole.
    if (run.IndCol() != 0) {
        cPresentador presentador;
        presentador.CargarPresentador();
        if (!presentador.ValidarPresentador()) return;
    }
    const bool grabado = run.GrabarDeclaraciones();
    HabilitarPrincipal();
    if (grabado) EnvioTelematico();
}

}  // namespace

void ConectarDeclaraciones() {
    MostrarDeclaracionesDelDeclarante.Set([] { MostrarDeclaraciones(); });
    AbrirDeclaracionesDelDeclarante.Set([](int32_t lngCoddec) { AbrirDeclaracionesDe(lngCoddec); });
    ImprimirDeclaracion.Set(Imprimir);
    ImprimirBorradorDeclaracion.Set(ImprimirBorrador);
    EnviarDeclaracion.Set(Enviar);
}

}  // namespace quelvo
