#include "parties/frmDeclarante_794.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/flujo_editor.h"
#include "controls/ventana_hija.h"
#include "parties/cdeclarante.h"
#include "parties/paso_declaraciones.h"
#include "parties/volcado.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/ventana_principal.h"

namespace quelvo {

frmDeclarante_794::frmDeclarante_794(QWidget* parent)
    : EditorPersona("frmDeclarante_794", "NOMPDC", "TELPDC", parent) {
    labelAlta = NuevaEtiqueta(this, "labelAlta");
    AnadirAlTitulo(labelAlta);
    Preparar(true, kVolcarDeclarante,
             {txtNIF, txtNombre, txtSiglas, txtViaPub, txtNumero, txtLetra, txtEscalera, txtPiso, txtMano,
              txtProvin, txtNombreProv, txtCPost, txtMunici, txtTelNum, txtNomPdc, txtTelPdc});
    AlPulsar(cmdAceptar, this, "frmDeclarante_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    AlPulsar(cmdCancelar, this, "frmDeclarante_794T.cmdCancelar_Click", [this] { cmdCancelar_Click(); });
    Guardar(this, "frmDeclarante_794T.Form_Load", [this] { Form_Load(); });
}

cDatosPersona& frmDeclarante_794::Persona() { return objDeclarante(); }

void frmDeclarante_794::Form_Load() {
    AplicarEstilo(this);
    AnadirCaptions();
    PresentarDatos();
}

void frmDeclarante_794::AnadirCaptions() {
    setWindowTitle(Cat(122));
    lblTitDeclarante->setText(Cat(122));
    lblProvin->setText(Cat(113));
    labelAlta->setText(Cat(107));
    // Marks a declarant being created.
    labelAlta->setVisible(objDeclarante().Modo() == 0);
    CaptionsComunes();
}

void frmDeclarante_794::PresentarDatos() {
    try {
        const cDeclarante& d = objDeclarante();
        EditorPersona::PresentarDatos(d.NombrePd(), d.TelefonoPd());
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "frmDeclarante.PresentarDatos");
    }
}

void frmDeclarante_794::cmdAceptar_Click() { AceptarCancelar(0); }

void frmDeclarante_794::cmdCancelar_Click() { AceptarCancelar(1); }

void frmDeclarante_794::Volver(bool guardado) {
    cDeclarante& d = objDeclarante();
    if (d.Procedencia() != 0) {
        MostrarDeclaracionesDelDeclarante();
    } else {
        d.InicializaDatos();
        if (!guardado) objGeneral().HabilitarMenu();
    }
    DescargarHija(this);
}

void frmDeclarante_794::AceptarCancelar(int accion) {
    auto espera = interaccion().Esperar();
    cDeclarante& d = objDeclarante();
    if (accion == 0) flujo_->ConfirmarCampoActivo();
    if (!d.Modificado()) {
        Volver(false);
        return;
    }
    if (accion == 0) {
        bool repetido = false;
        rt::Variant errores;
        if (!d.ValidarDeclarante(false, repetido, errores)) return;
        d.GuardarDeclarante();
        objGeneral().HabilitarMenu();
        Volver(true);
        return;
    }
    if (!FlujoEditor::DescartarCambios(true, 195)) return;
    // An open declarant comes back from the database, a new one is cleared.
    d.InicializaDatos();
    if (d.Procedencia() == 1) MostrarDeclaracionesDelDeclarante();
    else objGeneral().HabilitarMenu();
    DescargarHija(this);
}

void frmDeclarante_794::closeEvent(QCloseEvent* evento) {
    // The frame's close button is Cancel.
    CerrarComoCancelar(this, evento, [this] { AceptarCancelar(1); });
}

void MostrarDeclarante() {
    MostrarHija(Unica<frmDeclarante_794>(), [] { DeshabilitarMenusSalvoAyuda(); });
}

}  // namespace quelvo
