#include "parties/frmListaDeclarantes_794.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCollator>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/columnas_ajustadas.h"
#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "parties/cdeclarante.h"
#include "parties/formato_ceros.h"
#include "parties/paso_declaraciones.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/etiqueta.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/texto_valor.h"
#include "services/twips.h"
#include "services/valores.h"
#include "services/ventana_principal.h"

namespace quelvo {

namespace {

// Column widths in twips: the key (hidden), the icon, the NIF, the name.
constexpr int kColumnas[] = {0, 250, 1800, 4390};
constexpr int kSumaColumnas = kColumnas[0] + kColumnas[1] + kColumnas[2] + kColumnas[3];
// Where the list block sits in its area, in twips; the shift of a long list
// to the left needs room.
constexpr int kIzquierda = 200;
constexpr int kAltoCabecera = 330;
constexpr int kAltoLista = 3100;
constexpr int kDesplazamiento = 125;
// The list block's area as designed; a wider window widens the list.
constexpr int kAnchoZona = kIzquierda + kSumaColumnas + 250 + 250;
constexpr int kFilasSinBarra = 9;

constexpr int kImagenAbrir = 1;
constexpr int kImagenEliminar = 6;

// Rows sort as a reader expects: letter case and accents aside.
class FilaDeclarante : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& otra) const override {
        static const QCollator orden = [] {
            QCollator c(QLocale(QLocale::Spanish, QLocale::Spain));
            c.setCaseSensitivity(Qt::CaseInsensitive);
            return c;
        }();
        const int columna = treeWidget() ? treeWidget()->sortColumn() : 0;
        return orden.compare(text(columna), otra.text(columna)) < 0;
    }
};

}  // namespace

frmListaDeclarantes_794::frmListaDeclarantes_794(QWidget* parent) : QWidget(parent) {
    setObjectName("frmListaDeclarantes_794");
    imgDeclarantes = NuevaEtiqueta(this, "imgDeclarantes");
    lblTitDeclte = NuevoTitulo(this, "lblTitDeclte");

    // The list with its header labels over the columns: placed by hand, as
    // the labels must sit over the columns they sort.
    auto zona = new QWidget(this);
    zona->setObjectName("zonaLista");
    auto marco = [zona](const char* nombre) {
        auto f = new QFrame(zona);
        f->setObjectName(nombre);
        f->setFrameShape(QFrame::Box);
        Tag(f, "Lista");
        return f;
    };
    shpLista = marco("shpLista");
    shpMarco1_ID = marco("shpMarco1_ID");
    shpMarco1_Nombre = marco("shpMarco1_Nombre");
    auto cabecera = [zona](const char* nombre) {
        QLabel* l = NuevaEtiqueta(zona, nombre);
        l->setCursor(Qt::PointingHandCursor);
        Tag(l, "Lista");
        return l;
    };
    lblNumero = cabecera("lblNumero");
    lblNombre = cabecera("lblNombre");
    lsvDeclarantes = new QTreeWidget(zona);
    lsvDeclarantes->setObjectName("lsvDeclarantes");
    Tag(lsvDeclarantes, "Lista");
    lsvDeclarantes->setRootIsDecorated(false);
    lsvDeclarantes->setHeaderHidden(true);
    lsvDeclarantes->header()->setStretchLastSection(false);
    lsvDeclarantes->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvDeclarantes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvDeclarantes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zona_ = zona;
    zona->setMinimumSize(Px(kAnchoZona), Px(kAltoCabecera + kAltoLista + 60));
    // The NIF whole; the name takes the rest of a list that widens with the
    // window. The block is placed again whenever the widths change.
    columnas_ = new ColumnasAjustadas(lsvDeclarantes, {{2, AnchoColumna::Valor, kColumnas[2]},
                                                       {3, AnchoColumna::Reparte, kColumnas[3]}});
    columnas_->AlRepartir([this] { Colocar(); });
    zona->installEventFilter(this);
    lblNumero->installEventFilter(this);
    lblNombre->installEventFilter(this);
    lsvDeclarantes->installEventFilter(this);

    cmdAceptar = NuevoBoton(this, "cmdAceptar");
    cmdCancelar = NuevoBoton(this, "cmdCancelar");

    auto principal = new QVBoxLayout(this);
    auto titulo = new QHBoxLayout;
    titulo->addWidget(imgDeclarantes);
    titulo->addWidget(lblTitDeclte, 1);
    principal->addLayout(titulo);
    principal->addWidget(zona, 1);
    auto botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    principal->addLayout(botones);

    AlPulsar(cmdAceptar, this, "frmListaDeclarantes_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    AlPulsar(cmdCancelar, this, "frmListaDeclarantes_794T.cmdCancelar_Click", [this] { cmdCancelar_Click(); });
    connect(lsvDeclarantes, &QTreeWidget::itemClicked, this, [this] {
        Guardar(this, "frmListaDeclarantes_794T.lsvDeclarantes_Click", [this] { PresentaBotones(); });
    });
    connect(lsvDeclarantes, &QTreeWidget::itemDoubleClicked, this, [this] {
        Guardar(this, "frmListaDeclarantes_794T.lsvDeclarantes_DblClick", [this] { cmdAceptar_Click(); });
    });
    Guardar(this, "frmListaDeclarantes_794T.Form_Load", [this] { Form_Load(); });
}

int frmListaDeclarantes_794::Imagen() const { return imgDeclarantes->property("Imagen").toInt(); }

void frmListaDeclarantes_794::Form_Load() {
    objDeclarante().Modo(2);
    InicializarLista();
    AnadirCaptions();
    InicializarLista();
    RellenarLista();
    PresentaBotones();
    AplicarEstilo(this);
}

void frmListaDeclarantes_794::Form_Activate() {
    lsvDeclarantes->setFocus();
    DeshabilitarMenusSalvoAyuda();
}

void frmListaDeclarantes_794::AnadirCaptions() {
    setWindowTitle(Cat(104));
    lblTitDeclte->setText(Cat(objDeclarante().AbrirBorrar() == 1 ? 167 : 104));
    lblNumero->setText(" " + Cat(225));
    lblNombre->setText(" " + Cat(238));
    cmdAceptar->setText(Cat(105));
    cmdCancelar->setText(Cat(111));
}

void frmListaDeclarantes_794::InicializarLista() {
    try {
        lsvDeclarantes->setColumnCount(4);
        lsvDeclarantes->setHeaderLabels({"Clave", "", Cat(225), Cat(235)});
        for (int i = 0; i < 4; ++i) lsvDeclarantes->setColumnWidth(i, Px(kColumnas[i]));
        lsvDeclarantes->setColumnHidden(0, true);
        lsvDeclarantes->setIconSize(QSize(Px(kColumnas[1]) - 2, Px(kColumnas[1]) - 2));
        largo_ = false;
        Colocar();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "frmListaDeclarantes_794.InicializarLista");
    }
}

// The block's geometry from the two states: the long-list sizes (room for
// the scroll bar) and the shift to the left; the headings stand over the
// columns as they are, and the list takes what the window gives beyond its
// designed width. Twips as designed, pixels as measured.
void frmListaDeclarantes_794::Colocar() {
    const int mas = columnas_->Crecimiento() + qMax(0, zona_->width() - zona_->minimumWidth());
    const int x = Px(kIzquierda - (desplazado_ ? kDesplazamiento : 0));
    const int anchoLista = Px(kSumaColumnas + 25 + (largo_ ? 230 : 0)) + mas;
    const int anchoShp = Px(largo_ ? kSumaColumnas + 25 + 250 : kSumaColumnas + 50) + mas;
    const int xNumero = x + lsvDeclarantes->columnWidth(1);
    const int anchoNumero = lsvDeclarantes->columnWidth(2) + Px(10);
    const int xNombre = xNumero + anchoNumero;
    const int anchoNombre = lsvDeclarantes->columnWidth(3) + Px(20);
    const int anchoShpNombre = anchoNombre + Px(10);
    const int anchoLblNombre = largo_ ? anchoShpNombre + Px(220) : anchoNombre;
    const int anchoMarcoNombre = largo_ ? anchoLblNombre + Px(220) : anchoShpNombre;
    const int alto = Px(kAltoCabecera);
    lblNumero->setGeometry(xNumero, 0, anchoNumero, alto);
    shpMarco1_ID->setGeometry(xNumero, 0, anchoNumero, alto);
    lblNombre->setGeometry(xNombre, 0, anchoLblNombre, alto);
    shpMarco1_Nombre->setGeometry(xNombre, 0, anchoMarcoNombre, alto);
    lsvDeclarantes->setGeometry(x, Px(kAltoCabecera + 15), anchoLista, Px(kAltoLista));
    shpLista->setGeometry(x - Px(15), alto, anchoShp, Px(kAltoLista + 30));
    shpLista->lower();
}

void frmListaDeclarantes_794::RellenarLista() {
    try {
        cDeclarante& d = objDeclarante();
        d.ObtenerDeclarantes();
        lsvDeclarantes->clear();
        const rt::Variant& filas = d.vBufferDeclarantes();
        if (!filas.isArray()) return;
        const int32_t n = rt::UBound(filas, 2);
        if (n > kFilasSinBarra) {
            desplazado_ = true;
            Colocar();
            largo_ = true;
            Colocar();
        } else {
            desplazado_ = false;
            InicializarLista();
        }
        const QIcon icono = style()->standardIcon(QStyle::SP_FileIcon);
        for (int32_t r = 1; r <= n; ++r) {
            auto fila = new FilaDeclarante(lsvDeclarantes);
            fila->setText(0, QString::fromStdString(FormatoCeros(filas(0, r), 4)));
            fila->setIcon(1, icono);
            fila->setText(2, QString::fromStdString(rt::CStr(filas(1, r))));
            fila->setText(3, QString::fromStdString(rt::CStr(filas(2, r))));
        }
        // The rows stay in the data server's order (by NIF).
        lsvDeclarantes->setSortingEnabled(false);
        if (d.CODDEC() != 0) {
            for (int i = 0; i < lsvDeclarantes->topLevelItemCount(); ++i) {
                if (BC(rt::Variant(lsvDeclarantes->topLevelItem(i)->text(0).toStdString())) != d.CODDEC())
                    continue;
                SeleccionarElemento(lsvDeclarantes, i + 1);
                break;
            }
            d.CODDEC(0);
        } else {
            SeleccionarPrimero(lsvDeclarantes);
        }
        if (QTreeWidgetItem* elegida = lsvDeclarantes->currentItem()) lsvDeclarantes->scrollToItem(elegida);
        columnas_->Medir();
        zona_->setMinimumWidth(Px(kAnchoZona) + columnas_->Crecimiento());
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "frmListaDeclarantes_794.RellenarLista");
    }
}

void frmListaDeclarantes_794::PresentaBotones() {
    try {
        if (lsvDeclarantes->topLevelItemCount() == 0) cmdAceptar->setEnabled(false);
        else if (!lsvDeclarantes->selectedItems().isEmpty()) cmdAceptar->setEnabled(true);
        const bool borrar = objDeclarante().AbrirBorrar() == 1;
        imgDeclarantes->setProperty("Imagen", borrar ? kImagenEliminar : kImagenAbrir);
        const auto dibujo = borrar ? QStyle::SP_TrashIcon : QStyle::SP_DirOpenIcon;
        imgDeclarantes->setPixmap(style()->standardIcon(dibujo).pixmap(32, 32));
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "frmListaDeclarantes_794.PresentaBotones");
    }
}

void frmListaDeclarantes_794::Ordenar(int columna) {
    lsvDeclarantes->sortItems(columna, Qt::AscendingOrder);
    if (QTreeWidgetItem* elegida = lsvDeclarantes->currentItem()) lsvDeclarantes->scrollToItem(elegida);
}

void frmListaDeclarantes_794::lblNumero_Click() { Ordenar(2); }

void frmListaDeclarantes_794::lblNombre_Click() { Ordenar(3); }

void frmListaDeclarantes_794::cmdAceptar_Click() {
    try {
        AceptarCancelar(0);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "frmListaDeclarantes_794.cmdAceptar_Click");
    }
}

void frmListaDeclarantes_794::cmdCancelar_Click() {
    try {
        AceptarCancelar(1);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "frmListaDeclarantes_794.cmdCancelar_Click");
    }
}

void frmListaDeclarantes_794::AceptarCancelar(int accion) {
    auto espera = interaccion().Esperar();
    if (accion == 1) {
        objGeneral().HabilitarMenu();
        DescargarHija(this);
        return;
    }
    const auto elegidas = lsvDeclarantes->selectedItems();
    if (elegidas.isEmpty()) return;
    QTreeWidgetItem* fila = elegidas.first();
    cDeclarante& d = objDeclarante();
    d.CODDEC(static_cast<int32_t>(BC(rt::Variant(fila->text(0).toStdString()))));
    if (d.AbrirBorrar() == 0) {
        AbrirDeclaracionesDelDeclarante(d.CODDEC());
        DescargarHija(this);
        return;
    }
    const QString pregunta =
        ConValor(Cat(312), fila->text(2).trimmed() + " - " + fila->text(3).trimmed(), Cat(313));
    if (!interaccion().Preguntar(pregunta, Cat(167))) return;
    const bool ultima = lsvDeclarantes->topLevelItemCount() == 1;
    d.EliminarDeclarante();
    if (ultima) {
        objGeneral().HabilitarMenu();
        DescargarHija(this);
        return;
    }
    lsvDeclarantes->setSortingEnabled(false);
    lsvDeclarantes->setFocus();
    RellenarLista();
    PresentaBotones();
}

void frmListaDeclarantes_794::lsvDeclarantes_KeyPress(int tecla) {
    if (lsvDeclarantes->topLevelItemCount() == 0) return;
    QTreeWidgetItem* actual = lsvDeclarantes->currentItem();
    if (tecla == Qt::Key_Space) {
        if (actual) actual->setSelected(true);
        PresentaBotones();
    } else if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && actual && actual->isSelected()) {
        cmdAceptar_Click();
    }
}

bool frmListaDeclarantes_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == zona_ && evento->type() == QEvent::Resize) Colocar();
    if (evento->type() == QEvent::MouseButtonRelease && (objeto == lblNumero || objeto == lblNombre)) {
        const bool numero = objeto == lblNumero;
        Guardar(this, numero ? "frmListaDeclarantes_794T.lblNumero_Click" : "frmListaDeclarantes_794T.lblNombre_Click",
                [this, numero] { numero ? lblNumero_Click() : lblNombre_Click(); });
        return true;
    }
    if (objeto == lsvDeclarantes && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Space || tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            Guardar(this, "frmListaDeclarantes_794T.lsvDeclarantes_KeyPress",
                         [this, tecla] { lsvDeclarantes_KeyPress(tecla); });
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmListaDeclarantes_794::closeEvent(QCloseEvent* evento) {
    // The frame's close button is Cancel.
    CerrarComoCancelar(this, evento, [this] { AceptarCancelar(1); });
}

void MostrarListaDeclarantes() {
    QPointer<frmListaDeclarantes_794> abierta = Unica<frmListaDeclarantes_794>();
    MostrarHija(abierta, [abierta] {
        if (abierta) abierta->Form_Activate();
    });
}

}  // namespace quelvo
