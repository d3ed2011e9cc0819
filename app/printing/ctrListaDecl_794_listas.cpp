// The selector's two lists: their columns and widths, the filling of the
// available list and the four moves.
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTreeWidget>

#include "controls/columnas_ajustadas.h"
#include "controls/estilo.h"
#include "controls/imagenes.h"
#include "declarations/cdeclaracion.h"
#include "printing/cimprgrabar.h"
#include "printing/ctrListaDecl_794.h"
#include "printing/filas_declarantes.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "services/texto_valor.h"
#include "services/twips.h"

namespace quelvo {

namespace {

// Widths of the columns: the icon, the NIF, the name (twips).
constexpr int kAnchoIcono = 250;
constexpr int kAnchoNif = 1000;
constexpr int kAnchoNombre = 2400;
// Beyond this many rows the list shows its scroll bar and widens for it.
constexpr int kFilasSinBarra = 8;
constexpr int kAnchoBarra = 220;

}  // namespace

void ctrListaDecl_794::CrearListas() {
    for (QTreeWidget** lista : {&lsvOrg, &lsvDes}) {
        *lista = new QTreeWidget(this);
        (*lista)->setRootIsDecorated(false);
        (*lista)->setHeaderHidden(true);
        (*lista)->setSelectionMode(QAbstractItemView::SingleSelection);
        (*lista)->setEditTriggers(QAbstractItemView::NoEditTriggers);
        (*lista)->setMinimumHeight(Px(2400));
    }
    lsvOrg->setObjectName("lsvOrg");
    lsvDes->setObjectName("lsvDes");
    // The NIF whole; the name takes the rest, as wide as the window allows.
    auto ajuste = [](QTreeWidget* lista) {
        return new ColumnasAjustadas(lista, {{kColNif, AnchoColumna::Valor, kAnchoNif},
                                             {kColNombre, AnchoColumna::Reparte, kAnchoNombre}});
    };
    ajusteOrg_ = ajuste(lsvOrg);
    ajusteDes_ = ajuste(lsvDes);
}

void ctrListaDecl_794::InicializarListaOrg() {
    try {
        InicializarLista(lsvOrg, lblNumOrg, lblNomOrg, shpMarIDOrg, shpMarNomOrg);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "ctrListaDecl_794.InicializarListaOrg");
    }
}

void ctrListaDecl_794::InicializarListaDes() {
    try {
        InicializarLista(lsvDes, lblNumDes, lblNomDes, shpMarIDDes, shpMarNomDes);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "ctrListaDecl_794.InicializarListaDes");
    }
}

void ctrListaDecl_794::InicializarLista(QTreeWidget* lista, QLabel* num, QLabel* nom,
                                         QFrame* marId, QFrame* marNom) {
    lista->setColumnCount(4);
    lista->setColumnWidth(kColCodigo, 0);
    lista->setColumnHidden(kColCodigo, true);
    lista->setColumnWidth(kColIcono, Px(kAnchoIcono));
    lista->setColumnWidth(kColNif, Px(kAnchoNif));
    lista->setColumnWidth(kColNombre, Px(kAnchoNombre));
    lista->setHeaderLabels({QString(), QString(), Cat(225), Cat(235)});
    // The labels above the list are its visible column headings: the NIF's
    // follows its column.
    Ajuste(lista)->AlRepartir([lista, marId] { marId->setFixedWidth(lista->columnWidth(kColNif)); });
    AjustarLista(lista);
    nom->setMinimumWidth(Px(kAnchoNombre));
    marNom->setVisible(false);
    num->setText(" " + Cat(225));
    nom->setText(" " + Cat(235));
}

ColumnasAjustadas* ctrListaDecl_794::Ajuste(const QTreeWidget* lista) const {
    return lista == lsvOrg ? ajusteOrg_ : ajusteDes_;
}

void ctrListaDecl_794::AjustarLista(QTreeWidget* lista) {
    ColumnasAjustadas* ajuste = Ajuste(lista);
    ajuste->Medir();
    const int normal = Px(kAnchoIcono + kAnchoNif + kAnchoNombre + 50) + ajuste->Crecimiento();
    lista->setMinimumWidth(lista->topLevelItemCount() > kFilasSinBarra ? normal + Px(kAnchoBarra)
                                                                      : normal);
}

void ctrListaDecl_794::AjustarListaOrg() { AjustarLista(lsvOrg); }
void ctrListaDecl_794::AjustarListaDes() { AjustarLista(lsvDes); }

void ctrListaDecl_794::RellenarListaOrg() {
    try {
        strMoneda = optPesetas->isChecked() ? "P" : optEuros->isChecked() ? "E" : " ";
        const int32_t ejercicio = EjercicioCaja();
        const int16_t periodo = ValorPeriodo(txtPeriodo->text());
        const int16_t periodicidad = TipoPeriodo(txtPeriodo->text());
        // Without an exercise or a period there is nothing to ask for.
        rt::Variant filas = rt::Variant::Null();
        if (ejercicio > 0 && periodo > 0)
            filas = objImprGrabar().ObtenerDeclarantes(ejercicio, static_cast<uint8_t>(periodo),
                                                       strMoneda);
        // The server lists a declarant once per declaration of that period
        // value; a run wants each declarant once, and only with a declaration
        // of the chosen periodicity.
        struct Fila {
            int32_t codigo;
            QString nif, nombre;
        };
        std::vector<Fila> admitidas;
        if (filas.isArray()) {
            QSet<int32_t> vistos;
            const int32_t ultima = rt::UBound(filas, 2);
            if (ultima > 32767) throw rt::Error::Runtime(rt::err::Overflow);
            for (int32_t i = 1; i <= ultima; ++i) {
                const int32_t codigo = rt::CLng(filas(0, i));
                if (vistos.contains(codigo)) continue;
                vistos.insert(codigo);
                if (objDeclaracion().ObtenerDeclaracion(codigo, ejercicio,
                                                        static_cast<uint8_t>(periodo),
                                                        static_cast<uint8_t>(periodicidad)) == 0)
                    continue;
                admitidas.push_back({codigo, QString::fromStdString(rt::CStr(filas(1, i))),
                                     QString::fromStdString(rt::CStr(filas(2, i)))});
            }
        }
        if (admitidas.empty()) {
            vDeclarantes_ = rt::Variant::Null();
        } else {
            rt::VArray lista({0, 2}, {0, static_cast<int32_t>(admitidas.size())});
            for (size_t i = 0; i < admitidas.size(); ++i) {
                const auto fila = static_cast<int32_t>(i) + 1;
                lista.at(0, fila) = admitidas[i].codigo;
                lista.at(1, fila) = admitidas[i].nif.toStdString();
                lista.at(2, fila) = admitidas[i].nombre.toStdString();
            }
            vDeclarantes_ = rt::Variant(std::move(lista));
        }
        lsvOrg->clear();
        lsvDes->clear();
        for (const Fila& f : admitidas) NuevaFila(lsvOrg, CodigoFila(f.codigo), f.nif, f.nombre);
        AjustarListaOrg();
        AjustarListaDes();
        SeleccionarUltimo(lsvOrg);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "ctrListaDecl_794.RellenarListaOrg");
    }
    PresentarBotonesListas();
}

QTreeWidgetItem* ctrListaDecl_794::CopiarFila(const QTreeWidgetItem* fila, QTreeWidget* destino) {
    return NuevaFila(destino, fila->text(kColCodigo), fila->text(kColNif),
                     fila->text(kColNombre));
}

void ctrListaDecl_794::QuitarFila(QTreeWidget* lista, QTreeWidgetItem* fila) {
    const int indice = lista->indexOfTopLevelItem(fila);
    delete lista->takeTopLevelItem(indice);
    const int quedan = lista->topLevelItemCount();
    Seleccionar(lista, quedan == 0 ? nullptr : lista->topLevelItem(std::min(indice, quedan - 1)));
}

bool ctrListaDecl_794::NifAdmitido(const QTreeWidgetItem* fila) {
    const QString nif = fila->text(kColNif);
    if (objGeneral().ValidaNifCif(nif, false)) return true;
    interaccion().Avisar(ConValor(Cat(156), nif), Cat(309));
    // Every choice made so far is undone.
    RellenarListaOrg();
    return false;
}

void ctrListaDecl_794::cmdUD_Click() {
    QTreeWidgetItem* fila = Seleccionada(lsvOrg);
    if (!fila || !NifAdmitido(fila)) return;
    CopiarFila(fila, lsvDes);
    QuitarFila(lsvOrg, fila);
    SeleccionarUltimo(lsvOrg);
    AjustarListaOrg();
    AjustarListaDes();
    PresentarBotonesListas();
}

void ctrListaDecl_794::cmdVD_Click() {
    if (!Seleccionada(lsvOrg)) SeleccionarPrimero(lsvOrg);
    for (int n = lsvOrg->topLevelItemCount(); n > 0; --n) {
        QTreeWidgetItem* fila = Seleccionada(lsvOrg);
        if (!fila) break;
        if (!NifAdmitido(fila)) return;
        CopiarFila(fila, lsvDes);
        QuitarFila(lsvOrg, fila);
    }
    AjustarListaOrg();
    AjustarListaDes();
    PresentarBotonesListas();
}

void ctrListaDecl_794::cmdUI_Click() {
    QTreeWidgetItem* fila = Seleccionada(lsvDes);
    if (!fila) return;
    // A row moved back goes to the end: the list is no longer sorted.
    lsvOrg->setSortingEnabled(false);
    Seleccionar(lsvOrg, CopiarFila(fila, lsvOrg));
    lsvOrg->scrollToItem(Seleccionada(lsvOrg));
    QuitarFila(lsvDes, fila);
    AjustarListaOrg();
    AjustarListaDes();
    PresentarBotonesListas();
}

void ctrListaDecl_794::cmdVI_Click() {
    lsvOrg->setSortingEnabled(false);
    QTreeWidgetItem* seleccionOrg = Seleccionada(lsvOrg);
    if (!Seleccionada(lsvDes)) SeleccionarPrimero(lsvDes);
    for (int n = lsvDes->topLevelItemCount(); n > 0; --n) {
        QTreeWidgetItem* fila = Seleccionada(lsvDes);
        if (!fila) break;
        CopiarFila(fila, lsvOrg);
        QuitarFila(lsvDes, fila);
    }
    Seleccionar(lsvOrg, seleccionOrg);
    AjustarListaOrg();
    AjustarListaDes();
    PresentarBotonesListas();
}

void ctrListaDecl_794::lblNumOrg_Click() { OrdenarPor(lsvOrg, kColNif); }

void ctrListaDecl_794::lblNomOrg_Click() { OrdenarPor(lsvOrg, kColNombre); }

}  // namespace quelvo
