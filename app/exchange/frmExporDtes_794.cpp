#include "exchange/frmExporDtes_794.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/columnas_ajustadas.h"
#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "parties/cdeclarante.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/filas_declarantes.h"
#include "printing/frmSelFichero_794.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/objetos.h"
#include "services/twips.h"
#include "services/ventana_principal.h"

namespace quelvo {

namespace {

QPointer<frmExporDtes_794> unica;

// Widths of the NIF and name columns and of a list, in twips.
constexpr int kAnchoNif = 1000;
constexpr int kAnchoNombre = 2400;
constexpr int kAnchoLista = 3700;

}  // namespace

frmExporDtes_794* frmExporDtes_794::Mostrar() { return MostrarUnica(unica); }

frmExporDtes_794::frmExporDtes_794(QWidget* parent) : QWidget(parent) {
    setObjectName("frmExporDtes_794");
    auto etiqueta = [this](const char* nombre) { return NuevaEtiqueta(this, nombre); };
    auto boton = [this](const char* nombre, const char* evento, void (frmExporDtes_794::*m)()) {
        QPushButton* b = NuevoBoton(this, nombre);
        AlPulsar(b, this, evento, [this, m] { (this->*m)(); });
        return b;
    };
    lblTitDeclarante = etiqueta("lblTitDeclarante");
    lblTitDeclarante->setAlignment(Qt::AlignCenter);
    lblDteOrg = etiqueta("lblDteOrg");
    lblDteDes = etiqueta("lblDteDes");
    lblNumOrg = etiqueta("lblNumOrg");
    lblNumDes = etiqueta("lblNumDes");
    lblNomOrg = etiqueta("lblNomOrg");
    lblNomDes = etiqueta("lblNomDes");
    for (QLabel* l : {lblNumOrg, lblNomOrg}) {
        l->installEventFilter(this);
        l->setCursor(Qt::PointingHandCursor);
    }
    lsvOrg = CrearLista("lsvOrg");
    lsvDes = CrearLista("lsvDes");
    cmdUD = boton("cmdUD", "frmExporDtes_794T.cmdUD_Click", &frmExporDtes_794::cmdUD_Click);
    cmdVD = boton("cmdVD", "frmExporDtes_794T.cmdVD_Click", &frmExporDtes_794::cmdVD_Click);
    cmdUI = boton("cmdUI", "frmExporDtes_794T.cmdUI_Click", &frmExporDtes_794::cmdUI_Click);
    cmdVI = boton("cmdVI", "frmExporDtes_794T.cmdVI_Click", &frmExporDtes_794::cmdVI_Click);
    cmdUD->setText(">");
    cmdVD->setText(">>");
    cmdUI->setText("<");
    cmdVI->setText("<<");
    cmdAceptar = boton("cmdAceptar", "frmExporDtes_794T.cmdAceptar_Click", &frmExporDtes_794::cmdAceptar_Click);
    cmdCancelar = boton("cmdCancelar", "frmExporDtes_794T.cmdCancelar_Click", &frmExporDtes_794::cmdCancelar_Click);

    // One side: its heading, the column labels and the list, each framed.
    auto lado = [this](const char* marco, QLabel* titulo, const char* marcoId, QLabel* num,
                       const char* marcoNom, QLabel* nom, const char* marcoLista, QTreeWidget* lista) {
        auto enMarco = [this](const char* nombre, QWidget* dentro) {
            auto f = new QFrame(this);
            f->setObjectName(nombre);
            f->setFrameShape(QFrame::Box);
            auto l = new QVBoxLayout(f);
            l->setContentsMargins(2, 2, 2, 2);
            l->addWidget(dentro);
            return f;
        };
        auto v = new QGridLayout;
        v->addWidget(enMarco(marco, titulo), 0, 0, 1, 2);
        v->addWidget(enMarco(marcoId, num), 1, 0);
        v->addWidget(enMarco(marcoNom, nom), 1, 1);
        v->addWidget(enMarco(marcoLista, lista), 2, 0, 1, 2);
        return v;
    };
    auto movimientos = new QVBoxLayout;
    movimientos->addStretch();
    for (QPushButton* b : {cmdUD, cmdVD, cmdUI, cmdVI}) movimientos->addWidget(b);
    movimientos->addStretch();
    auto listas = new QHBoxLayout;
    listas->addLayout(lado("shpDteOrg", lblDteOrg, "shpMarIDOrg", lblNumOrg, "shpMarNomOrg",
                           lblNomOrg, "shpListaOrg", lsvOrg));
    listas->addLayout(movimientos);
    listas->addLayout(lado("shpDteDes", lblDteDes, "shpMarIDDes", lblNumDes, "shpMarNomDes",
                           lblNomDes, "shpListaDes", lsvDes));
    auto botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    botones->addStretch();
    auto marco = new QFrame(this);
    marco->setObjectName("shpMarco1");
    marco->setFrameShape(QFrame::Box);
    auto contenido = new QVBoxLayout(marco);
    contenido->addWidget(lblTitDeclarante);
    contenido->addLayout(listas);
    contenido->addLayout(botones);
    (new QVBoxLayout(this))->addWidget(marco);
    Form_Load();
}

QTreeWidget* frmExporDtes_794::CrearLista(const char* nombre) {
    auto lista = new QTreeWidget(this);
    lista->setObjectName(nombre);
    lista->setRootIsDecorated(false);
    lista->setHeaderHidden(true);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setColumnCount(4);
    lista->setColumnHidden(kColCodigo, true);
    lista->setColumnWidth(kColIcono, Px(250));
    lista->setColumnWidth(kColNif, Px(kAnchoNif));
    lista->setColumnWidth(kColNombre, Px(kAnchoNombre));
    lista->setMinimumSize(Px(kAnchoLista), Px(2400));
    // The NIF whole; the name takes the rest, as wide as the window allows.
    columnas_.push_back(new ColumnasAjustadas(lista, {{kColNif, AnchoColumna::Valor, kAnchoNif},
                                                      {kColNombre, AnchoColumna::Reparte, kAnchoNombre}}));
    return lista;
}

void frmExporDtes_794::Form_Load() {
    DeshabilitarMenusSalvoAyuda();
    AñadirCaptions();
    RellenarListaOrg();
    AplicarEstilo(this);
}

void frmExporDtes_794::AñadirCaptions() {
    setWindowTitle(Cat(179));
    lblTitDeclarante->setText(Cat(180));
    lblDteOrg->setText(Cat(130));
    lblDteDes->setText(Cat(130));
    lblNumOrg->setText(Cat(225));
    lblNumDes->setText(Cat(225));
    lblNomOrg->setText(Cat(235));
    lblNomDes->setText(Cat(235));
    cmdAceptar->setText(Cat(105));
    cmdCancelar->setText(Cat(111));
}

void frmExporDtes_794::RellenarListaOrg() {
    try {
        // The program's current declarant keeps its own list.
        cDeclarante declarantes;
        declarantes.ObtenerDeclarantes();
        const rt::Variant& filas = declarantes.vBufferDeclarantes();
        lsvOrg->clear();
        lsvDes->clear();
        lsvOrg->setSortingEnabled(false);
        if (filas.isArray()) {
            for (int32_t i = 1; i <= rt::UBound(filas, 2); ++i)
                NuevaFila(lsvOrg, CodigoFila(rt::CLng(filas(0, i))),
                          QString::fromStdString(rt::CStr(filas(1, i))),
                          QString::fromStdString(rt::CStr(filas(2, i))));
            SeleccionarUltimo(lsvOrg);
        }
        PresentarBotonesListas();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "frmExporDtes.RellenarListaOrg");
    }
}

void frmExporDtes_794::PresentarBotonesListas() {
    const bool hayOrg = lsvOrg->topLevelItemCount() > 0;
    const bool hayDes = lsvDes->topLevelItemCount() > 0;
    cmdUD->setEnabled(hayOrg);
    cmdVD->setEnabled(hayOrg);
    cmdUI->setEnabled(hayDes);
    cmdVI->setEnabled(hayDes);
    cmdAceptar->setEnabled(hayDes);
    // Every filling and move ends here: the columns follow the rows.
    for (ColumnasAjustadas* columnas : columnas_) {
        columnas->Medir();
        columnas->Lista()->setMinimumWidth(Px(kAnchoLista) + columnas->Crecimiento());
    }
}

QTreeWidgetItem* frmExporDtes_794::Mover(QTreeWidgetItem* fila, QTreeWidget* destino) {
    QTreeWidget* origen = fila->treeWidget();
    origen->takeTopLevelItem(origen->indexOfTopLevelItem(fila));
    fila->setSelected(false);
    destino->addTopLevelItem(fila);
    return fila;
}

void frmExporDtes_794::cmdUD_Click() {
    // A move needs a chosen row; with none the button does nothing.
    QTreeWidgetItem* fila = Seleccionada(lsvOrg);
    if (!fila) return;
    const int donde = lsvOrg->indexOfTopLevelItem(fila);
    Mover(fila, lsvDes);
    if (objImprGrabar().IndCol() == 1 && lsvOrg->topLevelItemCount() > 0)
        SeleccionarUltimo(lsvOrg);
    else if (lsvOrg->topLevelItemCount() > 0)
        Seleccionar(lsvOrg, lsvOrg->topLevelItem(std::min(donde, lsvOrg->topLevelItemCount() - 1)));
    PresentarBotonesListas();
}

void frmExporDtes_794::cmdVD_Click() {
    // Every available declarant, in the order the list shows them.
    while (lsvOrg->topLevelItemCount() > 0) Mover(lsvOrg->topLevelItem(0), lsvDes);
    PresentarBotonesListas();
}

void frmExporDtes_794::cmdUI_Click() {
    QTreeWidgetItem* fila = Seleccionada(lsvDes);
    if (!fila) return;
    const int donde = lsvDes->indexOfTopLevelItem(fila);
    lsvOrg->setSortingEnabled(false);
    Seleccionar(lsvOrg, Mover(fila, lsvOrg));
    if (lsvDes->topLevelItemCount() > 0)
        Seleccionar(lsvDes, lsvDes->topLevelItem(std::min(donde, lsvDes->topLevelItemCount() - 1)));
    PresentarBotonesListas();
}

void frmExporDtes_794::cmdVI_Click() {
    lsvOrg->setSortingEnabled(false);
    while (lsvDes->topLevelItemCount() > 0) Mover(lsvDes->topLevelItem(0), lsvOrg);
    PresentarBotonesListas();
}

void frmExporDtes_794::lblNumOrg_Click() { OrdenarPor(lsvOrg, kColNif); }

void frmExporDtes_794::lblNomOrg_Click() { OrdenarPor(lsvOrg, kColNombre); }

bool frmExporDtes_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease) {
        if (objeto == lblNumOrg)
            Guardar(this, "frmExporDtes_794T.lblNumOrg_Click", [this] { lblNumOrg_Click(); });
        else if (objeto == lblNomOrg)
            Guardar(this, "frmExporDtes_794T.lblNomOrg_Click", [this] { lblNomOrg_Click(); });
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmExporDtes_794::cmdAceptar_Click() {
    cSelFichero& sel = objSelFichero();
    sel.RutaPorDefecto(QString::fromStdString(strRutaTrabajo) + "/794_Declarantes.txt");
    {
        frmSelFichero_794 fichero(this);
        fichero.lblTitulo->setText(Cat(258));
        fichero.lblIndCol->setText(Cat(227));
        fichero.labelDescripcionRuta->setText(Cat(272));
        fichero.exec();
    }
    if (!sel.Cancelar()) {
        const int n = lsvDes->topLevelItemCount();
        rt::VArray codigos(0, n - 1);
        for (int i = 0; i < n; ++i)
            codigos.at(i) = lsvDes->topLevelItem(i)->text(kColCodigo).toStdString();
        objImprGrabar().vBufferDeclarantes(rt::Variant(std::move(codigos)));
        objImprGrabar().ExportarDte();
    }
    DescargarHija(this);
}

void frmExporDtes_794::cmdCancelar_Click() { DescargarHija(this); }

void frmExporDtes_794::closeEvent(QCloseEvent* evento) {
    evento->accept();
    Guardar(this, "frmExporDtes_794T.Form_Unload", [] { objGeneral().HabilitarMenu(); });
}

}  // namespace quelvo
