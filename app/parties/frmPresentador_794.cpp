#include "parties/frmPresentador_794.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/flujo_editor.h"
#include "controls/ventana_hija.h"
#include "parties/cpresentador.h"
#include "parties/volcado.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/ventana_principal.h"

namespace quelvo {

frmPresentador_794::frmPresentador_794(QWidget* parent)
    : EditorPersona("frmPresentador_794", "NOMPC", "TELPC", parent) {
    cmdEliminar = AnadirBoton("cmdEliminar");
    // Enter does not move on here; the telephones keep the cursor where
    // the click put it.
    Preparar(false, kVolcarPresentador,
             {txtNIF, txtNombre, txtSiglas, txtViaPub, txtNumero, txtLetra, txtEscalera, txtPiso, txtMano,
              txtProvin, txtNombreProv, txtCPost, txtMunici, txtNomPdc});
    AlPulsar(cmdAceptar, this, "frmPresentador_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    AlPulsar(cmdCancelar, this, "frmPresentador_794T.cmdCancelar_Click", [this] { cmdCancelar_Click(); });
    AlPulsar(cmdEliminar, this, "frmPresentador_794T.cmdEliminar_Click", [this] { cmdEliminar_Click(); });
    Guardar(this, "frmPresentador_794T.Form_Load", [this] { Form_Load(); });
}

cDatosPersona& frmPresentador_794::Persona() { return objPresentador(); }

void frmPresentador_794::Form_Load() {
    AplicarEstilo(this);
    AnadirCaptions();
    PresentarDatos();
    PresentarBotones();
}

void frmPresentador_794::AnadirCaptions() {
    setWindowTitle(Cat(123));
    lblTitDeclarante->setText(Cat(123));
    // Not from the catalog: the same in both languages.
    lblProvin->setText("Cod P");
    cmdEliminar->setText(Cat(165));
    CaptionsComunes();
}

void frmPresentador_794::PresentarDatos() {
    try {
        const cPresentador& p = objPresentador();
        EditorPersona::PresentarDatos(p.NombreP(), p.TelefonoP());
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "frmPresentador.PresentarDatos");
    }
}

void frmPresentador_794::PresentarBotones() { cmdEliminar->setEnabled(objPresentador().CODPRES() != 0); }

void frmPresentador_794::cmdAceptar_Click() { Acciones(0); }

void frmPresentador_794::cmdCancelar_Click() { Acciones(1); }

void frmPresentador_794::cmdEliminar_Click() { Acciones(6); }

void frmPresentador_794::Cerrar() {
    objGeneral().HabilitarMenu();
    DescargarHija(this);
}

void frmPresentador_794::Acciones(int accion) {
    auto espera = interaccion().Esperar();
    cPresentador& p = objPresentador();
    switch (accion) {
    case 0:
        flujo_->ConfirmarCampoActivo();
        if (p.Modificado()) {
            if (!p.ValidarPresentador()) return;
            p.GuardarPresentador();
        }
        Cerrar();
        break;
    case 1:
        // The abandoned values stay in the object until its next load.
        if (FlujoEditor::DescartarCambios(p.Modificado(), 196)) Cerrar();
        break;
    case 6:
        if (!interaccion().Preguntar(Cat(103), Cat(168))) return;
        p.EliminarPresentador();
        Cerrar();
        break;
    default:
        break;
    }
}

void frmPresentador_794::closeEvent(QCloseEvent* evento) {
    // The frame's close button is Cancel.
    CerrarComoCancelar(this, evento, [this] { Acciones(1); });
}

void MostrarPresentador() {
    MostrarHija(Unica<frmPresentador_794>(), [] { DeshabilitarMenusSalvoAyuda(); });
}

}  // namespace quelvo
