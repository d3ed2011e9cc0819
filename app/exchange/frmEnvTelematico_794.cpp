#include "exchange/frmEnvTelematico_794.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "exchange/envio_telematico.h"
#include "parties/cpresentador.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/ctrSelFichero_794.h"
#include "printing/principal.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/guarda.h"
#include "services/objetos.h"
#include "services/ventana_principal.h"

namespace quelvo {

namespace {

QPointer<frmEnvTelematico_794> unica;

QFrame* Marco(QWidget* padre, const char* nombre) {
    auto f = new QFrame(padre);
    f->setObjectName(nombre);
    f->setFrameShape(QFrame::Box);
    return f;
}

}  // namespace

frmEnvTelematico_794* frmEnvTelematico_794::Mostrar() { return MostrarUnica(unica); }

frmEnvTelematico_794::frmEnvTelematico_794(QWidget* parent) : QWidget(parent) {
    setObjectName("frmEnvTelematico_794");
    shpMarco1_TipoPre = Marco(this, "shpMarco1_TipoPre");
    lblTitDeclaraciones = NuevoTitulo(shpMarco1_TipoPre, "lblTitDeclaraciones");
    lblTitDeclaraciones->setAlignment(Qt::AlignCenter);
    lbAvisoSinEstilo = NuevaEtiqueta(shpMarco1_TipoPre, "lbAvisoSinEstilo");
    lbAvisoSinEstilo->setWordWrap(true);
    shpTipoPre = Marco(shpMarco1_TipoPre, "shpTipoPre");
    lblTipoPre = NuevaEtiqueta(shpTipoPre, "lblTipoPre");
    optIndividual = new QRadioButton(shpTipoPre);
    optIndividual->setObjectName("optIndividual");
    optColectiva = new QRadioButton(shpTipoPre);
    optColectiva->setObjectName("optColectiva");
    optColectiva->setEnabled(false);
    auto tipo = new QHBoxLayout(shpTipoPre);
    tipo->addWidget(lblTipoPre);
    tipo->addWidget(optIndividual);
    tipo->addWidget(optColectiva);
    tipo->addStretch();
    cmdEnviar = NuevoBoton(this, "cmdEnviar");
    cmdCerrar = NuevoBoton(this, "cmdCerrar");
    cmdEnviar->setEnabled(false);
    // The two options do the same: the run follows the chosen one.
    connect(optIndividual, &QRadioButton::toggled, this, [this](bool elegida) {
        if (elegida) Guardar(this, "frmEnvTelematico_794T.optIndividual_Click", [this] { optIndividual_Click(); });
    });
    connect(optColectiva, &QRadioButton::toggled, this, [this](bool elegida) {
        if (elegida) Guardar(this, "frmEnvTelematico_794T.optColectiva_Click", [this] { optColectiva_Click(); });
    });
    AlPulsar(cmdEnviar, this, "frmEnvTelematico_794T.cmdEnviar_Click", [this] { cmdEnviar_Click(); });
    AlPulsar(cmdCerrar, this, "frmEnvTelematico_794T.cmdCerrar_Click", [this] { cmdCerrar_Click(); });

    AñadirCaptions();
    DeshabilitarMenusSalvoAyuda();
    InicializarFormulario();
    AplicarEstilo(this);
}

frmEnvTelematico_794::~frmEnvTelematico_794() {
    if (objGeneral().ctlImpControl == ctrdatos) objGeneral().ctlImpControl = nullptr;
    if (objGeneral().ctlSelFichero == ctrSelFichero) objGeneral().ctlSelFichero = nullptr;
}

void frmEnvTelematico_794::AñadirCaptions() {
    const int32_t titulo = objImprGrabar().TipoEnvio() == 2 ? 280 : 281;
    setWindowTitle(Cat(titulo));
    lblTitDeclaraciones->setText(Cat(titulo));
    cmdCerrar->setText(Cat(112));
    cmdEnviar->setText(Cat(170));
    lblTipoPre->setText(Cat(278));
    optColectiva->setText(Cat(115));
    optIndividual->setText(Cat(210));
    lbAvisoSinEstilo->setText(Cat(359));
}

void frmEnvTelematico_794::InicializarFormulario() {
    ctrdatos = new ctrListaDecl_794(this, shpMarco1_TipoPre);
    ctrdatos->setObjectName("ctrdatos");
    objGeneral().ctlImpControl = ctrdatos;
    ctrdatos->intEjerMin = 2002;
    ctrdatos->blnSoloEuros = true;
    ctrdatos->Inicializar();
    objSelFichero().RutaPorDefecto(FicheroPresentacionPorDefecto(objImprGrabar().Ejercicio()));
    ctrSelFichero = new ctrSelFichero_794(shpMarco1_TipoPre);
    ctrSelFichero->setObjectName("ctrSelFichero");
    objGeneral().ctlSelFichero = ctrSelFichero;

    auto contenido = new QVBoxLayout(shpMarco1_TipoPre);
    contenido->addWidget(lblTitDeclaraciones);
    contenido->addWidget(lbAvisoSinEstilo);
    contenido->addWidget(shpTipoPre);
    contenido->addWidget(ctrSelFichero);
    contenido->addWidget(ctrdatos);
    auto botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdEnviar);
    botones->addWidget(cmdCerrar);
    botones->addStretch();
    contenido->addLayout(botones);
    (new QVBoxLayout(this))->addWidget(shpMarco1_TipoPre);

    // Choosing by code runs the option's handler, which sets the run.
    if (objImprGrabar().IndCol() != 0) {
        optColectiva->setEnabled(true);
        optColectiva->setChecked(true);
    } else {
        optIndividual->setChecked(true);
    }
}

void frmEnvTelematico_794::ElegirTipo() {
    cImprGrabar& run = objImprGrabar();
    const bool individual = optIndividual->isChecked();
    run.UnDte(individual);
    run.IndCol(individual ? 0 : 1);
    if (ctrdatos) ctrdatos->PresentarBotonesListas();
}

void frmEnvTelematico_794::optIndividual_Click() { ElegirTipo(); }
void frmEnvTelematico_794::optColectiva_Click() { ElegirTipo(); }

void frmEnvTelematico_794::HabilitarAcciones(bool habilitar) {
    cmdEnviar->setEnabled(habilitar && !enviando_);
}

void frmEnvTelematico_794::cmdEnviar_Click() {
    if (enviando_) return;
    cImprGrabar& run = objImprGrabar();
    const rt::Variant codigos = ctrdatos->CargarDtes();
    if (!codigos.isArray()) return;
    run.vBufferDeclarantes(codigos);
    objSelFichero().RutaFichero(ctrSelFichero->RutaFichero());
    // A collective submission goes in the presenter's name: it must be whole.
    if (run.IndCol() != 0) {
        cPresentador presentador;
        presentador.CargarPresentador();
        if (!presentador.ValidarPresentador()) return;
    }
    enviando_ = true;
    cmdEnviar->setEnabled(false);
    struct AlTerminar {
        frmEnvTelematico_794* v;
        ~AlTerminar() {
            v->enviando_ = false;
            HabilitarPrincipal();
            if (v->ctrdatos) v->ctrdatos->PresentarBotonesListas();
        }
    } alTerminar{this};
    if (run.GrabarDeclaraciones()) EnvioTelematico();
}

void frmEnvTelematico_794::cmdCerrar_Click() { DescargarHija(this); }

void frmEnvTelematico_794::closeEvent(QCloseEvent* evento) {
    if (enviando_) {
        evento->ignore();
        return;
    }
    evento->accept();
    Guardar(this, "frmEnvTelematico_794T.Form_Unload", [] {
        // Later file windows are plain runs again: a telematic kind left
        // behind would tick their collective box by itself.
        objImprGrabar().TipoEnvio(0);
        objImprGrabar().InicializarDatos();
        objGeneral().HabilitarMenu();
    });
}

}  // namespace quelvo
