#include "exchange/frmImpDeclarados_794.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "exchange/cimportacion.h"
#include "exchange/preanalisis.h"
#include "exchange/registro_importacion.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/titulos.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/interaccion.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

QPointer<frmImpDeclarados_794> unica;

}  // namespace

frmImpDeclarados_794* frmImpDeclarados_794::Mostrar() { return MostrarUnica(unica); }

frmImpDeclarados_794::frmImpDeclarados_794(QWidget* parent)
    : VentanaImportacion("frmImpDeclarados_794", parent) {
    // One declarant: the declaration to import into.
    objImprGrabar().UnDte(true);
    ctrdatos = new ctrListaDecl_794(this, this);
    ctrdatos->setObjectName("ctrdatos");
    objGeneral().ctlImpControl = ctrdatos;
    ctrdatos->blnSoloEuros = true;
    ctrdatos->Inicializar();
    AñadirSelectorFichero(FicheroPresentacionPorDefecto(objImprGrabar().Ejercicio()));

    lblTitDeclarado = NuevaEtiqueta(this, "lblTitDeclarado");
    lblTitDeclarado->setAlignment(Qt::AlignCenter);
    lblTitResultados = NuevaEtiqueta(this, "lblTitResultados");
    lblTitResultados->setAlignment(Qt::AlignCenter);
    DeclaImp = std::make_unique<Contador>(this, "labelOpeNoImp", "bpgDeclaImp");
    DeclaErr = std::make_unique<Contador>(this, "labelOpeNoErr", "bpgDeclaErr");
    DeclaTotal = std::make_unique<Contador>(this, "labelOpeNoTotal", "bpgDeclaTotal");
    Total = std::make_unique<Contador>(this, "labelNoTotal", "bpgTotal");

    auto cuentas = new QGridLayout;
    cuentas->addWidget(lblTitResultados, 0, 0, 1, 3);
    cuentas->addWidget(NuevaEtiqueta(this, "lblDeclarados"), 1, 1, Qt::AlignCenter);
    int fila = 2;
    for (auto [nombre, contador] : {std::pair{"labelImportados", DeclaImp.get()},
                                    {"labelErroneos", DeclaErr.get()},
                                    {"LabelTotales", DeclaTotal.get()}}) {
        cuentas->addWidget(NuevaEtiqueta(this, nombre), fila, 0);
        cuentas->addWidget(contador->bpgBarra, fila, 1);
        cuentas->addWidget(contador->lblNumero, fila, 2);
        ++fila;
    }
    auto total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(NuevaEtiqueta(this, "labelTotal"));
    total->addWidget(Total->bpgBarra, 1);
    total->addWidget(Total->lblNumero);
    total->addStretch();
    Disponer("shpMarco1_TipoPre", {lblTitDeclarado, ctrdatos}, "shpMarco1_Resultados", cuentas,
             total);
    Contadores({DeclaImp.get(), DeclaErr.get(), DeclaTotal.get(), Total.get()});
    // Until the selector offers a declaration.
    cmdImportar->setEnabled(false);
    ctrdatos->Inicializar();

    CargarComun();
    AñadirCaptions();
    AplicarEstilo(this);
}

frmImpDeclarados_794::~frmImpDeclarados_794() {
    if (objGeneral().ctlImpControl == ctrdatos) objGeneral().ctlImpControl = nullptr;
}

void frmImpDeclarados_794::AñadirCaptions() {
    setWindowTitle(Cat(204));
    lblTitResultados->setText(Cat(260));
    lblTitDeclarado->setText(Cat(204));
    struct Titulo {
        const char* control;
        int32_t id;
    };
    for (const Titulo& t : {Titulo{"labelErroneos", 171}, {"labelImportados", 200},
                            {"labelTotal", 279}, {"LabelTotales", 299}, {"lblDeclarados", 129}})
        findChild<QLabel*>(t.control)->setText(Cat(t.id));
}

void frmImpDeclarados_794::HabilitarAcciones(bool habilitar) {
    // After a run the button closes the window; the selector leaves it be.
    if (Terminada()) return;
    cmdImportar->setEnabled(habilitar && !Importando());
}

bool frmImpDeclarados_794::Preparar() {
    // The declaration is read once: every line of the run goes to it. With
    // one declarant chosen, it is the one meant even when not selected.
    if (ctrdatos->lsvDes->selectedItems().isEmpty()) SeleccionarPrimero(ctrdatos->lsvDes);
    const DeclaracionElegida d = ctrdatos->CargarDCion();
    if (d.CodDecla == 0) {
        interaccion().Avisar(lngIdioma == 0
                                 ? "Elija la declaración en la que desea importar los declarados."
                                 : "Aukeratu zein aitorpenetan inportatu nahi dituzun aitortuak.",
                             kTituloErrorIntroduccion);
        return false;
    }
    cImportacion& imp = objImportacion();
    imp.CodDecla(d.CodDecla);
    imp.Periodo(d.Periodo);
    imp.Periodicidad(d.Periodicidad);
    imp.Ejercicio(objImprGrabar().Ejercicio());
    return true;
}

void frmImpDeclarados_794::Bloquear(bool bloqueado) { ctrdatos->setEnabled(!bloqueado); }

void frmImpDeclarados_794::Preanalizar(const std::string& ruta) {
    cImportacion& imp = objImportacion();
    const Preanalisis p = PreanalizarDeclarados(ruta, imp.Estatal());
    imp.Estatal(p.estatal);
    for (Contador* c : {DeclaImp.get(), DeclaErr.get(), DeclaTotal.get()}) c->Maximo(p.declarados);
    Total->Maximo(p.lineas);
}

void frmImpDeclarados_794::ImportarLinea(std::string& linea, RegistroImportacion& registro,
                                         int32_t numero) {
    objImportacion().importDeclarado(linea, registro, numero);
}

void frmImpDeclarados_794::ActualizarContadores(RegistroImportacion& registro, int32_t numero) {
    const cImportacion& imp = objImportacion();
    const int32_t resultado = imp.ResultImp();
    if (imp.ImpAct() == kLineaDeclarado) {
        DeclaTotal->Sumar();
        if (resultado == kImpImportado) DeclaImp->Sumar();
        else if (resultado == kImpErroneo || resultado == kImpDeclaracionRechazada ||
                 resultado == kImpCaracteres)
            DeclaErr->Sumar();
    } else if (imp.ImpAct() == kLineaDesconocida) {
        EscribirLineaNoReconocida(registro, numero, "");
        lineasNoReconocidas_ = true;
    }
    Total->Sumar();
}

bool frmImpDeclarados_794::HayErroresQueVer() const {
    return DeclaErr->Valor() > 0 || lineasNoReconocidas_;
}

}  // namespace quelvo
