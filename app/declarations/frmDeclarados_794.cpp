#include "declarations/frmDeclarados_794.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/caja_codigo.h"
#include "controls/caja_importe.h"
#include "controls/columnas_ajustadas.h"
#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/flujo_editor.h"
#include "controls/imagenes.h"
#include "controls/ventana_hija.h"
#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/descripcion_clave.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/etiqueta.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "services/twips.h"
#include "services/valores.h"

namespace quelvo {

namespace {

using namespace columnas_declarados;

// Design widths of the list's columns, in twips.
constexpr int kAnchos[kColumnas] = {0, 250, 1200, 1200, 2200, 3500, 1600};

QLineEdit* caja(QWidget* padre, const char* nombre, int largo, const char* tag) {
    auto c = new QLineEdit(padre);
    c->setObjectName(nombre);
    if (largo > 0) c->setMaxLength(largo);
    Tag(c, tag);
    return c;
}

// A box only the program fills.
QLineEdit* muestra(QWidget* padre, const char* nombre, const char* tag) {
    QLineEdit* c = caja(padre, nombre, 0, tag);
    c->setReadOnly(true);
    c->setFocusPolicy(Qt::NoFocus);
    MostrarPrincipio(c);
    return c;
}

QToolButton* selector(QWidget* padre, const char* nombre) {
    auto b = new QToolButton(padre);
    b->setObjectName(nombre);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

bool esBoton(const QWidget* control) {
    return control->objectName().startsWith(QLatin1String("CMD"), Qt::CaseInsensitive);
}

void ponerImagen(QLabel* lugar, int numero) {
    lugar->setPixmap(ImagenMDI16(numero).pixmap(16, 16));
    lugar->setProperty("Imagen", numero);
}

}  // namespace

frmDeclarados_794::frmDeclarados_794(QWidget* parent) : QWidget(parent) {
    setObjectName("frmDeclarados_794");
    crearControles();
    conectar();
    Form_Load();
}

frmDeclarados_794::~frmDeclarados_794() {
    // No row change reaches the window while it goes.
    llenando_ = true;
    lsvDeclarados->clear();
    filas_.clear();
}

void frmDeclarados_794::crearControles() {
    auto principal = new QVBoxLayout(this);

    lblTitDeclarante = NuevoTitulo(this, "lblTitDeclarante");
    principal->addWidget(lblTitDeclarante);
    auto declarante = new QGridLayout;
    lblNifDeclarante = NuevaEtiqueta(this, "lblNifDeclarante");
    txtNifDeclarante = muestra(this, "txtNifDeclarante", "Cabecera");
    lblNombreDeclarante = NuevaEtiqueta(this, "lblNombreDeclarante");
    txtNombreDeclarante = muestra(this, "txtNombreDeclarante", "Cabecera");
    declarante->addWidget(lblNifDeclarante, 0, 0);
    declarante->addWidget(txtNifDeclarante, 0, 1);
    declarante->addWidget(lblNombreDeclarante, 0, 2);
    declarante->addWidget(txtNombreDeclarante, 0, 3);
    declarante->setColumnStretch(3, 1);
    principal->addLayout(declarante);

    lblTitDatosDeclaracion = NuevoTitulo(this, "lblTitDatosDeclaracion");
    principal->addWidget(lblTitDatosDeclaracion);
    auto declaracion = new QHBoxLayout;
    lblEjercicio = NuevaEtiqueta(this, "lblEjercicio");
    txtEjercicio = muestra(this, "txtEjercicio", "Cabecera");
    lblPeriodo = NuevaEtiqueta(this, "lblPeriodo");
    txtPer = muestra(this, "txtPer", "Cabecera");
    lblMoneda = NuevaEtiqueta(this, "lblMoneda");
    txtMoneda = muestra(this, "txtMoneda", "Cabecera");
    imgDeclaracion = NuevaEtiqueta(this, "imgDeclaracion");
    lblBimensual = NuevaEtiqueta(this, "lblBimensual");
    txtBimensual = muestra(this, "txtBimensual", "Cabecera");
    lblDeclarados = NuevaEtiqueta(this, "lblDeclarados");
    txtDeclarados = muestra(this, "txtDeclarados", "Cabecera");
    txtDeclarados->setAlignment(Qt::AlignRight);
    for (QWidget* w : std::initializer_list<QWidget*>{lblEjercicio, txtEjercicio, lblPeriodo, txtPer, lblMoneda,
                                                      txtMoneda, imgDeclaracion, lblBimensual, txtBimensual,
                                                      lblDeclarados, txtDeclarados})
        declaracion->addWidget(w);
    principal->addLayout(declaracion);

    lblTitDeclarados = NuevoTitulo(this, "lblTitDeclarados");
    principal->addWidget(lblTitDeclarados);
    frmLista = new QFrame(this);
    frmLista->setObjectName("frmLista");
    frmLista->setFrameShape(QFrame::Box);
    auto lista = new QVBoxLayout(frmLista);
    lblLista = NuevaEtiqueta(frmLista, "lblLista");
    lista->addWidget(lblLista);
    // The header labels stand over the columns and sort the list. Their row
    // follows the list's width and never holds the window wide.
    auto filaCabecera = new QWidget(frmLista);
    filaCabecera->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto cabecera = new QHBoxLayout(filaCabecera);
    cabecera->setSizeConstraint(QLayout::SetNoConstraint);
    cabecera->setContentsMargins(0, 0, 0, 0);
    cabecera->setSpacing(0);
    auto antesCabecera = new QWidget(filaCabecera);
    cabecera->addWidget(antesCabecera);
    lblPaisLista = NuevaEtiqueta(filaCabecera, "lblPaisLista");
    lblNifLista = NuevaEtiqueta(filaCabecera, "lblNifLista");
    lblNombreLista = NuevaEtiqueta(filaCabecera, "lblNombreLista");
    lblClaveLista = NuevaEtiqueta(filaCabecera, "lblClaveLista");
    lblImporteLista = NuevaEtiqueta(filaCabecera, "lblImporteLista");
    int columna = kPais;
    for (QLabel* l : {lblPaisLista, lblNifLista, lblNombreLista, lblClaveLista, lblImporteLista}) {
        l->setFixedWidth(Px(kAnchos[columna++]));
        l->setFrameShape(QFrame::Panel);
        cabecera->addWidget(l);
    }
    for (QLabel* l : {lblPaisLista, lblNifLista, lblNombreLista, lblClaveLista}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }
    cabecera->addStretch();
    lista->addWidget(filaCabecera);
    lsvDeclarados = new QTreeWidget(frmLista);
    lsvDeclarados->setObjectName("lsvDeclarados");
    lsvDeclarados->setRootIsDecorated(false);
    lsvDeclarados->setHeaderHidden(true);
    lsvDeclarados->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvDeclarados->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvDeclarados->setUniformRowHeights(true);
    // Country, VAT number and amount whole; the name and the key's
    // description share the rest. The header labels follow the columns.
    columnas_ = new ColumnasAjustadas(lsvDeclarados, {{kPais, AnchoColumna::Valor, kAnchos[kPais]},
                                                      {kNif, AnchoColumna::Valor, kAnchos[kNif]},
                                                      {kNombre, AnchoColumna::Reparte, kAnchos[kNombre]},
                                                      {kDescripcion, AnchoColumna::Reparte, kAnchos[kDescripcion]},
                                                      {kImporte, AnchoColumna::Valor, kAnchos[kImporte]}});
    columnas_->AlRepartir([this, antesCabecera] {
        antesCabecera->setFixedWidth(lsvDeclarados->frameWidth() + lsvDeclarados->columnViewportPosition(kPais));
        int columna = kPais;
        for (QLabel* l : {lblPaisLista, lblNifLista, lblNombreLista, lblClaveLista, lblImporteLista})
            l->setFixedWidth(lsvDeclarados->columnWidth(columna++));
    });
    lista->addWidget(lsvDeclarados, 1);
    principal->addWidget(frmLista, 1);

    fraDeclarado = new QFrame(this);
    fraDeclarado->setObjectName("fraDeclarado");
    fraDeclarado->setFrameShape(QFrame::Box);
    auto detalle = new QGridLayout(fraDeclarado);
    imgDeclarado = NuevaEtiqueta(fraDeclarado, "imgDeclarado");
    labelDeclarado = NuevoTitulo(fraDeclarado, "labelDeclarado");
    lblTitDeclarado = NuevoTitulo(fraDeclarado, "lblTitDeclarado");
    auto titulos = new QHBoxLayout;
    titulos->addWidget(imgDeclarado);
    titulos->addWidget(labelDeclarado);
    titulos->addStretch();
    titulos->addWidget(lblTitDeclarado);
    detalle->addLayout(titulos, 0, 0, 1, 6);

    lblPais = NuevaEtiqueta(fraDeclarado, "lblPais");
    txtPais = caja(fraDeclarado, "txtPais", 3, "PAISO");
    picPais = selector(fraDeclarado, "picPais");
    txtNombrePais = muestra(fraDeclarado, "txtNombrePais", "Cabecera");
    detalle->addWidget(lblPais, 1, 0);
    detalle->addWidget(txtPais, 1, 1);
    detalle->addWidget(picPais, 1, 2);
    detalle->addWidget(txtNombrePais, 1, 3, 1, 3);

    lblNif = NuevaEtiqueta(fraDeclarado, "lblNif");
    txtNif = caja(fraDeclarado, "txtNif", 12, "NIFO");
    detalle->addWidget(lblNif, 2, 0);
    detalle->addWidget(txtNif, 2, 1, 1, 2);
    lblNombre = NuevaEtiqueta(fraDeclarado, "lblNombre");
    txtNombre = caja(fraDeclarado, "txtNombre", 40, "RAZON");
    detalle->addWidget(lblNombre, 3, 0);
    detalle->addWidget(txtNombre, 3, 1, 1, 5);

    lblClave = NuevaEtiqueta(fraDeclarado, "lblClave");
    txtClave = caja(fraDeclarado, "txtClave", 2, "CLAVEOPO");
    picClave = selector(fraDeclarado, "picClave");
    txtClaveComp = caja(fraDeclarado, "txtClaveComp", 2, "");
    txtClaveComp->hide();
    lblClaveDes = NuevaEtiqueta(fraDeclarado, "lblClaveDes");
    txtClaveDes = muestra(fraDeclarado, "txtClaveDes", "Cabecera");
    detalle->addWidget(lblClave, 4, 0);
    detalle->addWidget(txtClave, 4, 1);
    detalle->addWidget(picClave, 4, 2);
    detalle->addWidget(lblClaveDes, 4, 3);
    detalle->addWidget(txtClaveDes, 4, 4, 1, 2);

    lblImporte = NuevaEtiqueta(fraDeclarado, "lblImporte");
    cnuImporte = new CajaImporte(fraDeclarado);
    cnuImporte->setObjectName("cnuImporte");
    Tag(cnuImporte, "IMPORTE");
    detalle->addWidget(lblImporte, 5, 0);
    detalle->addWidget(cnuImporte, 5, 1, 1, 2);

    lblSigno = NuevaEtiqueta(fraDeclarado, "lblSigno");
    lblSigno->setText("Signo");
    txtSigno = caja(fraDeclarado, "txtSigno", 2, "SIGNOO");
    picSigno = selector(fraDeclarado, "picSigno");
    lblEjer = NuevaEtiqueta(fraDeclarado, "lblEjer");
    txtEjer = caja(fraDeclarado, "txtEjer", 4, "EJERCICIOO");
    lblPer = NuevaEtiqueta(fraDeclarado, "lblPer");
    txtPeriodo = caja(fraDeclarado, "txtPeriodo", 20, "PERIODOO");
    txtPeriodo->setReadOnly(true);
    MostrarPrincipio(txtPeriodo);
    picPeriodo = selector(fraDeclarado, "picPeriodo");
    auto rectificacion = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{txtSigno, picSigno, lblEjer, txtEjer, lblPer, txtPeriodo,
                                                      picPeriodo})
        rectificacion->addWidget(w);
    detalle->addWidget(lblSigno, 6, 0);
    detalle->addLayout(rectificacion, 6, 1, 1, 5);

    shpTriangular = new QFrame(fraDeclarado);
    shpTriangular->setObjectName("shpTriangular");
    shpTriangular->setFrameShape(QFrame::Box);
    Tag(shpTriangular, "Dummy");
    auto triangular = new QHBoxLayout(shpTriangular);
    triangular->setContentsMargins(4, 1, 4, 1);
    lblTriangular = NuevaEtiqueta(shpTriangular, "lblTriangular");
    chkTriangular = new QCheckBox(shpTriangular);
    chkTriangular->setObjectName("chkTriangular");
    triangular->addWidget(lblTriangular);
    triangular->addWidget(chkTriangular);
    detalle->addWidget(shpTriangular, 5, 3, 1, 2, Qt::AlignLeft);
    detalle->setColumnStretch(5, 1);
    principal->addWidget(fraDeclarado);

    auto botones = new QHBoxLayout;
    cmdCrearDeclarado = NuevoBoton(this, "cmdCrearDeclarado");
    cmdEditar = NuevoBoton(this, "cmdEditar");
    cmdGuardar = NuevoBoton(this, "cmdGuardar");
    cmdCancelar = NuevoBoton(this, "cmdCancelar");
    cmdEliminar = NuevoBoton(this, "cmdEliminar");
    cmdCerrar = NuevoBoton(this, "cmdCerrar");
    for (QPushButton* b : {cmdCrearDeclarado, cmdEditar, cmdGuardar, cmdCancelar, cmdEliminar})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(cmdCerrar);
    principal->addLayout(botones);

    // Short codes get short boxes; texts of either language fit theirs.
    const QFontMetrics medida(font());
    for (QLineEdit* corta : {txtPais, txtClave, txtSigno, txtEjer})
        corta->setFixedWidth(medida.horizontalAdvance("WWWW") + 12);
    txtEjercicio->setFixedWidth(medida.horizontalAdvance("88888") + 12);
    txtPer->setMinimumWidth(medida.horizontalAdvance("4.HIRUHILEKOA") + 12);
    txtPeriodo->setMinimumWidth(medida.horizontalAdvance("4.HIRUHILEKOA") + 12);
    txtMoneda->setMinimumWidth(medida.horizontalAdvance("Pesetas") + 12);
    txtClaveDes->setMinimumWidth(medida.horizontalAdvance(QString(44, 'N')));
    txtNif->setMinimumWidth(medida.horizontalAdvance(QString(14, 'W')));
    cnuImporte->setMinimumWidth(medida.horizontalAdvance("-99.999.999.999,99") + 16);

    pais_ = new CajaCodigo(this, this, txtPais, picPais, "Pais", {2000, 250, 1050});
    clave_ = new CajaCodigo(this, this, txtClave, picClave, "ClaveDes", {8000, 0, 2000});
    signo_ = new CajaCodigo(this, this, txtSigno, picSigno, "Signo", {300, 0, 1000});
    periodo_ = new CajaCodigo(this, this, txtPeriodo, picPeriodo, "Periodo", {1800, 0, 1150});
    flujo_ = new FlujoEditor(this, true);
    // Keys before 2010 are digits; from 2010 a typed letter is looked up too.
    if (objListaDeclaraciones().Ejercicio() < 2010) flujo_->SoloDigitos({txtEjer, txtClave});
    else flujo_->SoloDigitos({txtEjer});
    if (objListaDeclaraciones().Ejercicio() >= 2010) txtClave->setMaxLength(1);
    flujo_->SeleccionarAlEntrar({txtPais, txtClave, txtSigno});
    flujo_->AnadirCajas({pais_, clave_, signo_, periodo_});
}

void frmDeclarados_794::conectar() {
    auto enlazar = [this](QPushButton* b, const char* evento, void (frmDeclarados_794::*manejador)()) {
        AlPulsar(b, this, evento, [this, manejador] { (this->*manejador)(); });
    };
    enlazar(cmdCrearDeclarado, "frmDeclarados_794T.cmdCrearDeclarado_Click",
            &frmDeclarados_794::cmdCrearDeclarado_Click);
    enlazar(cmdEditar, "frmDeclarados_794T.cmdEditar_Click", &frmDeclarados_794::cmdEditar_Click);
    enlazar(cmdGuardar, "frmDeclarados_794T.cmdGuardar_Click", &frmDeclarados_794::cmdGuardar_Click);
    enlazar(cmdCancelar, "frmDeclarados_794T.cmdCancelar_Click", &frmDeclarados_794::cmdCancelar_Click);
    enlazar(cmdEliminar, "frmDeclarados_794T.cmdEliminar_Click", &frmDeclarados_794::cmdEliminar_Click);
    enlazar(cmdCerrar, "frmDeclarados_794T.cmdCerrar_Click", &frmDeclarados_794::cmdCerrar_Click);
    connect(chkTriangular, &QCheckBox::toggled, this, [this] {
        Guardar(this, "frmDeclarados_794T.chkTriangular_Click", [this] { chkTriangular_Click(); });
    });
    connect(lsvDeclarados, &QTreeWidget::currentItemChanged, this, [this] {
        if (llenando_) return;
        Guardar(this, "frmDeclarados_794T.lsvDeclarados_ItemClick", [this] { lsvDeclarados_ItemClick(); });
    });
    connect(lsvDeclarados, &QTreeWidget::itemDoubleClicked, this, [this] {
        Guardar(this, "frmDeclarados_794T.lsvDeclarados_DblClick", [this] {
            if (cmdEditar->isVisible() && cmdEditar->isEnabled()) cmdEditar_Click();
        });
    });
    connect(cnuImporte, &CajaImporte::Salida, this, [this](Qt::FocusReason motivo) {
        Guardar(this, "frmDeclarados_794T.cnuImporte_LostFocus", [this, motivo] { cnuImporte_LostFocus(motivo); });
    });
    pais_->AlSalir([this] { txtPais_LostFocus(); });
    signo_->AlSalir([this] { txtSigno_LostFocus(); });
    clave_->AlSalir([this] { txtClave_LostFocus(); });
    for (QLineEdit* c : {txtNif, txtNombre, txtEjer}) c->installEventFilter(this);
}

void frmDeclarados_794::Form_Load() {
    auto espera = interaccion().Esperar();
    AplicarEstilo(this);
    InicializarLista();
    MedirLista();
    objDeclaracion().ModoDeclaracion(kModoConsulta);
    CargarTextos();
    AplicarModo();
}

void frmDeclarados_794::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    QTimer::singleShot(0, this, [this] {
        Guardar(this, "frmDeclarados_794T.Form_Activate", [this] { Form_Activate(); });
    });
}

void frmDeclarados_794::Form_Activate() {
    if (lsvDeclarados->topLevelItemCount() > 0 && lsvDeclarados->isEnabled()) lsvDeclarados->setFocus();
}

void frmDeclarados_794::InicializarLista() {
    const int total = ColumnasLista(lsvDeclarados, {"Clave", "", Cat(250), Cat(225), Cat(238), Cat(110), Cat(206)},
                                    {std::begin(kAnchos), std::end(kAnchos)});
    lsvDeclarados->setMinimumWidth(total + 2 * lsvDeclarados->frameWidth() + 4);
}

void frmDeclarados_794::RellenarListaDeclarados() {
    try {
        cDeclarado& declarado = objDeclarado();
        llenando_ = true;
        struct Fin {
            bool& bandera;
            ~Fin() { bandera = false; }
        } fin{llenando_};
        lsvDeclarados->setUpdatesEnabled(false);
        struct Pintar {
            QWidget* lista;
            ~Pintar() { lista->setUpdatesEnabled(true); }
        } pintar{lsvDeclarados};
        AjustarAnchoLista();
        const rt::Variant& b = declarado.BufferDeclarados();
        if (!b.isArray()) {
            lsvDeclarados->clear();
            filas_.clear();
            listado_.Filas(rt::Variant::Null());
            columnas_->Medir();
            txtDeclarados->setText("0");
            MostrarCabecera();
            return;
        }
        // A refill after a save or a deletion touches only the rows that
        // changed: rebuilding and sorting every row made a save in a long
        // declaration slow.
        if (!ActualizarFilas(b)) LlenarFilas(b);
        // The width AjustarAnchoLista set, and room for what the value
        // columns grew beyond theirs.
        columnas_->Aplicar();
        lsvDeclarados->setMinimumWidth(lsvDeclarados->minimumWidth() + columnas_->Crecimiento());
        txtDeclarados->setText(QString::number(lsvDeclarados->topLevelItemCount()));

        QTreeWidgetItem* elegida = declarado.codope() != 0 ? FilaDe(declarado.codope()) : nullptr;
        if (elegida) {
            SeleccionarElemento(lsvDeclarados, lsvDeclarados->indexOfTopLevelItem(elegida) + 1);
        } else {
            SeleccionarUltimo(lsvDeclarados);
            declarado.codope(rt::CLng(rt::Variant(lsvDeclarados->currentItem()->text(kClave).toStdString())));
            declarado.CargarDeclarado();
        }
        if (QTreeWidgetItem* actual = lsvDeclarados->currentItem()) lsvDeclarados->scrollToItem(actual);
        MostrarCabecera();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "frmDeclarados_794.RellenarListaDeclarados");
    }
}

void frmDeclarados_794::LlenarFilas(const rt::Variant& b) {
    lsvDeclarados->clear();
    filas_.clear();
    listado_.Filas(b);
    columnas_->Empezar();
    AnadirFilas(1);
    Ordenar();
}

void frmDeclarados_794::AnadirFilas(int32_t desde) {
    const int32_t n = listado_.Cuenta();
    QList<QTreeWidgetItem*> nuevas;
    nuevas.reserve(n - desde + 1);
    filas_.reserve(static_cast<size_t>(n));
    for (int32_t i = desde; i <= n; ++i) {
        auto fila = new FilaDeclarado(listado_, i);
        nuevas.append(fila);
        filas_.push_back(fila);
        AnotarAnchos(i);
    }
    lsvDeclarados->addTopLevelItems(nuevas);
}

bool frmDeclarados_794::ActualizarFilas(const rt::Variant& b) {
    const rt::Variant antes = listado_.Filas();
    const int32_t viejas = listado_.Cuenta();
    if (viejas == 0 || lsvDeclarados->topLevelItemCount() != viejas || filas_.size() != static_cast<size_t>(viejas))
        return false;
    // Both lists run by entry key: walked side by side, they give the rows
    // that went, stayed (changed or not) and came. A row that came before
    // the last one listed would need its place found: the list is filled
    // afresh.
    const int32_t n = rt::UBound(b, 2);
    std::vector<FilaDeclarado*> siguen, quitadas, cambiadas;
    siguen.reserve(static_cast<size_t>(n));
    bool reordenar = false;
    // The rows from here on came after the last one listed.
    int32_t nuevas = n + 1;
    int32_t i = 1, j = 1;
    while (i <= viejas || j <= n) {
        const int32_t vieja = i <= viejas ? ListadoDeclarados::Clave(antes, i) : 0;
        const int32_t nueva = j <= n ? ListadoDeclarados::Clave(b, j) : 0;
        if (j > n || (i <= viejas && vieja < nueva)) {
            quitadas.push_back(filas_[static_cast<size_t>(i - 1)]);
            ++i;
        } else if (i > viejas) {
            nuevas = j;
            break;
        } else if (vieja > nueva) {
            return false;
        } else {
            FilaDeclarado* fila = filas_[static_cast<size_t>(i - 1)];
            siguen.push_back(fila);
            if (!ListadoDeclarados::Igual(antes, i, b, j)) {
                cambiadas.push_back(fila);
                if (claveOrden_ >= 0 && !ListadoDeclarados::Igual(antes, i, b, j, claveOrden_)) reordenar = true;
            }
            ++i;
            ++j;
        }
    }
    // Every row kept stands for its row of the new list before the list
    // hears of any change.
    listado_.Filas(b);
    for (size_t k = 0; k < siguen.size(); ++k) siguen[k]->Fila(static_cast<int32_t>(k + 1));
    filas_ = std::move(siguen);
    for (FilaDeclarado* fila : quitadas) delete fila;
    for (FilaDeclarado* fila : cambiadas) {
        fila->Cambiada();
        AnotarAnchos(fila->Fila());
    }
    if (nuevas <= n) {
        AnadirFilas(nuevas);
        reordenar = true;
    }
    if (reordenar) Ordenar();
    return true;
}

void frmDeclarados_794::AnotarAnchos(int32_t i) {
    using C = quelvodat::CampoLista;
    columnas_->Anotar(kPais, std::string_view(listado_.Campo(i, C::paiso)));
    columnas_->Anotar(kNif, std::string_view(listado_.Campo(i, C::nifo)));
    std::array<char, 32> importe;
    columnas_->Anotar(kImporte, FormatoImporte(listado_.Importe(i), importe));
}

QTreeWidgetItem* frmDeclarados_794::FilaDe(int32_t codope) const {
    const int32_t fila = listado_.FilaDeClave(codope);
    return fila > 0 && static_cast<size_t>(fila) <= filas_.size() ? filas_[static_cast<size_t>(fila - 1)] : nullptr;
}

void frmDeclarados_794::Ordenar() {
    if (claveOrden_ >= 0) lsvDeclarados->sortItems(claveOrden_, Qt::AscendingOrder);
}

void frmDeclarados_794::MostrarDeclarado() {
    cDeclarado& d = objDeclarado();
    const int32_t ejercicio = objListaDeclaraciones().Ejercicio();
    if (!d.paiso().trimmed().isEmpty()) {
        txtPais->setText(d.paiso());
        txtNombrePais->setText(objGeneral().ObtenerPais(d.paiso().toUpper()));
    } else {
        txtPais->clear();
        txtNombrePais->clear();
    }
    MostrarSinCortar(txtNif, d.nifo());
    txtNombre->setText(d.razon());
    const QString clave = d.claveopo();
    if (ejercicio >= 2010) {
        txtClave->setText(clave);
        txtClaveComp->setText(clave + d.tipoopo());
        txtClaveDes->setText(DescripcionClave(clave, d.tipoopo()).toUpper());
    } else if (clave > "0") {
        txtClave->setText(clave);
        txtClaveDes->setText(DescripcionClave(clave, "").toUpper());
    } else {
        txtClave->clear();
        txtClaveDes->clear();
    }
    cnuImporte->Valor(d.importe() == 0 ? QString() : QString::fromStdString(rt::CStr(rt::Variant(d.importe()))));
    txtSigno->setText(d.Signo());
    txtPeriodo->setText(DescripcionPeriodo(d.Periodoo(), d.Periodicidad()));
    txtEjer->setText(d.Ejercicio() == 0 ? QString() : QString::number(d.Ejercicio()));
    chkTriangular->setChecked(d.Triangularo() == "X");
}

void frmDeclarados_794::AplicarModo() {
    cDeclarado& d = objDeclarado();
    const cListaDeclaraciones& lista = objListaDeclaraciones();
    switch (objDeclaracion().ModoDeclaracion()) {
    case kModoConsulta: {
        d.ObtenerDeclarados(lista.CodDecla());
        ColorearLista();
        MostrarModoLista();
        if (!d.BufferDeclarados().isNull() && lsvDeclarados->currentItem())
            d.codope(rt::CLng(rt::Variant(lsvDeclarados->currentItem()->text(kClave).toStdString())));
        if (lista.Ejercicio() >= 2010) {
            lblTriangular->hide();
            chkTriangular->hide();
            shpTriangular->hide();
        }
        MostrarDeclarado();
        blnEnEdicion = false;
        break;
    }
    case kModoEdicion:
        MostrarModoEdicion();
        ColorearDetalle();
        blnEnEdicion = true;
        break;
    case kModoAlta:
        d.ObtenerDeclarados(lista.CodDecla());
        MostrarModoEdicion();
        ColorearDetalle();
        MostrarDeclarado();
        blnEnEdicion = true;
        break;
    case kModoTrasBaja:
        d.ObtenerDeclarados(lista.CodDecla());
        MostrarModoLista();
        if (d.BufferDeclarados().isNull()) {
            d.InicializarDeclarado();
        } else if (lsvDeclarados->currentItem()) {
            d.codope(rt::CLng(rt::Variant(lsvDeclarados->currentItem()->text(kClave).toStdString())));
            d.CargarDeclarado();
        }
        MostrarDeclarado();
        break;
    default:
        break;
    }
}

void frmDeclarados_794::ColorearLista() {
    fraDeclarado->setEnabled(false);
    for (QWidget* control : findChildren<QWidget*>()) {
        const QString tag = Tag(control);
        if (tag.isEmpty()) continue;
        ColorFondo(control, kFondoNoEditable);
        if (tag.compare(QLatin1String("DUMMY"), Qt::CaseInsensitive) == 0) control->setAutoFillBackground(true);
    }
    ponerImagen(imgDeclarado, kImagenDeclarado);
    labelDeclarado->setText(Cat(120));
}

void frmDeclarados_794::ColorearDetalle() {
    fraDeclarado->setEnabled(true);
    for (QWidget* control : findChildren<QWidget*>()) {
        const QString tag = Tag(control).toUpper();
        if (tag.isEmpty() || tag == "CABECERA") continue;
        if (tag == "DUMMY") {
            control->setAutoFillBackground(false);
            continue;
        }
        ColorFondo(control, kFondoEditable);
    }
    HabilitarRectificacion();
    const bool alta = objDeclaracion().ModoDeclaracion() == kModoAlta;
    ponerImagen(imgDeclarado, alta ? kImagenAlta : kImagenEdicion);
    labelDeclarado->setText(Cat(alta ? 107 : 135));
}

void frmDeclarados_794::MostrarModoLista() {
    lsvDeclarados->setVisible(true);
    RellenarListaDeclarados();
    const bool conFilas = !objDeclarado().BufferDeclarados().isNull();
    lsvDeclarados->setEnabled(conFilas);
    ColorFondo(lsvDeclarados, conFilas ? kFondoEditable : kFondoNoEditable);
    ColorFondo(frmLista, conFilas ? kFondoEditable : kFondoNoEditable);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!esBoton(control)) continue;
        const QString nombre = control->objectName().toUpper();
        control->setVisible(nombre != "CMDGUARDAR" && nombre != "CMDCANCELAR");
    }
    objDeclarado().Modificado(false);
    HabilitarBotones();
}

void frmDeclarados_794::MostrarModoEdicion() {
    lsvDeclarados->setEnabled(false);
    ColorFondo(lsvDeclarados, kFondoNoEditable);
    ColorFondo(frmLista, kFondoNoEditable);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!esBoton(control)) continue;
        const QString nombre = control->objectName().toUpper();
        control->setVisible(nombre == "CMDGUARDAR" || nombre == "CMDCANCELAR");
    }
    HabilitarBotones();
}

void frmDeclarados_794::HabilitarBotones() {
    const bool conFilas = !objDeclarado().BufferDeclarados().isNull();
    const bool modificado = objDeclarado().Modificado();
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!esBoton(control)) continue;
        const QString nombre = control->objectName().toUpper();
        if (nombre == "CMDGUARDAR")
            control->setEnabled(modificado);
        else if (conFilas)
            control->setEnabled(true);
        else
            control->setEnabled(nombre == "CMDCREARDECLARADO" || nombre == "CMDCERRAR" || nombre == "CMDCANCELAR");
    }
    AjustarLongitudNif();
}

void frmDeclarados_794::lsvDeclarados_ItemClick() {
    QTreeWidgetItem* fila = lsvDeclarados->currentItem();
    if (!fila || objDeclaracion().ModoDeclaracion() == kModoEdicion ||
        objDeclaracion().ModoDeclaracion() == kModoAlta)
        return;
    objDeclarado().codope(rt::CLng(rt::Variant(fila->text(kClave).toStdString())));
    objDeclarado().CargarDeclarado();
    MostrarDeclarado();
}

void frmDeclarados_794::cmdCrearDeclarado_Click() {
    objDeclaracion().ModoDeclaracion(kModoAlta);
    objDeclarado().InicializarDeclarado();
    AplicarModo();
    txtPais->setFocus();
}

void frmDeclarados_794::cmdEditar_Click() {
    objDeclaracion().ModoDeclaracion(kModoEdicion);
    AplicarModo();
    txtPais->setFocus();
}

void frmDeclarados_794::cmdGuardar_Click() {
    ConfirmarFoco();
    cDeclarado& d = objDeclarado();
    if (!d.ValidarDeclarado()) return;
    d.codope(d.GuardarDeclarado(txtPeriodo->text()));
    objDeclaracion().ModoDeclaracion(kModoConsulta);
    AplicarModo();
    lsvDeclarados->setFocus();
}

void frmDeclarados_794::cmdCancelar_Click() {
    cDeclarado& d = objDeclarado();
    d.InicializarDeclarado();
    objDeclaracion().ModoDeclaracion(kModoConsulta);
    AplicarModo();
    d.CargarDeclarado();
    MostrarDeclarado();
}

void frmDeclarados_794::cmdEliminar_Click() {
    if (!interaccion().Preguntar(Cat(302), Cat(169))) return;
    QTreeWidgetItem* actual = lsvDeclarados->currentItem();
    if (!actual) return;
    // The row below on screen becomes the current entry.
    const int indice = lsvDeclarados->indexOfTopLevelItem(actual);
    int32_t siguiente = 0;
    if (indice + 1 < lsvDeclarados->topLevelItemCount())
        siguiente = rt::CLng(rt::Variant(lsvDeclarados->topLevelItem(indice + 1)->text(kClave).toStdString()));
    cDeclarado& d = objDeclarado();
    d.codope(rt::CLng(rt::Variant(actual->text(kClave).toStdString())));
    d.EliminarDeclarado();
    objDeclaracion().ModoDeclaracion(kModoTrasBaja);
    if (siguiente != 0) d.codope(siguiente);
    AplicarModo();
    if (QTreeWidgetItem* nuevo = lsvDeclarados->currentItem()) lsvDeclarados->scrollToItem(nuevo);
}

void frmDeclarados_794::cmdCerrar_Click() { Cerrar(1); }

void frmDeclarados_794::chkTriangular_Click() {
    if (!blnEnEdicion) return;
    cDeclarado& d = objDeclarado();
    const QString marca = chkTriangular->isChecked() ? "X" : "";
    if (marca != d.Triangularo().trimmed()) {
        d.Triangularo(chkTriangular->isChecked() ? "X" : " ");
        d.Modificado(true);
    }
    HabilitarBotones();
}

frmDeclarados_794* MostrarDeclarados() { return MostrarDeNuevo<frmDeclarados_794>(); }

}  // namespace quelvo
