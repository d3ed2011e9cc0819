#include "declarations/frmDeclaraciones_794.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/caja_codigo.h"
#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/flujo_editor.h"
#include "controls/imagenes.h"
#include "controls/ventana_hija.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclarados_794.h"
#include "parties/cdeclarante.h"
#include "parties/frmDeclarante_794.h"
#include "parties/frmListaDeclarantes_794.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/claves.h"
#include "services/etiqueta.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "services/twips.h"
#include "services/valores.h"
#include "services/ventana_principal.h"

namespace quelvo {

namespace {

constexpr int32_t kCrear = 0;
constexpr int32_t kAbrir = 1;
constexpr int32_t kCopiar = 2;

constexpr int32_t kAccionCerrar = 1;
constexpr int32_t kAccionDeclarante = 2;
constexpr int32_t kAccionAceptar = 3;
constexpr int32_t kAccionImprimir = 7;

// The last exercise the checks accept, and the first with months.
constexpr int32_t kUltimoEjercicio = 2013;
constexpr int32_t kPrimerEjercicioMensual = 2010;
constexpr int32_t kPrimerEjercicioTelematico = 2002;

// Columns of the list: the key (hidden), the currency icon, exercise,
// period, and the hidden stores of currency, periodicity and bimonthly mark.
enum Columna { kClave, kIcono, kEjercicio, kPeriodo, kMoneda, kPeriodicidad, kBimensual, kColumnas };
constexpr int kAnchos[kColumnas] = {0, 250, 1760, 1760, 0, 0, 0};

QString mayusculas(const QString& texto) {
    return QString::fromStdString(rt::UCase(texto.toStdString()));
}

bool mesBimensual(int16_t mes) { return mes == 2 || mes == 5 || mes == 8 || mes == 11; }

QFrame* marco(QWidget* padre, const char* nombre, QFrame::Shape forma = QFrame::Box) {
    auto f = new QFrame(padre);
    f->setObjectName(nombre);
    f->setFrameShape(forma);
    return f;
}

QLineEdit* caja(QWidget* padre, const char* nombre, int largo, bool soloLectura) {
    auto c = new QLineEdit(padre);
    c->setObjectName(nombre);
    c->setMaxLength(largo);
    c->setReadOnly(soloLectura);
    if (soloLectura) MostrarPrincipio(c);
    return c;
}

}  // namespace

frmDeclaraciones_794::frmDeclaraciones_794(QWidget* parent) : QWidget(parent) {
    setObjectName("frmDeclaraciones_794");
    crearControles();
    Form_Load();
}

void frmDeclaraciones_794::crearControles() {
    auto principal = new QVBoxLayout(this);

    lblTitDeclarante = NuevoTitulo(this, "lblTitDeclarante");
    principal->addWidget(lblTitDeclarante);
    auto declarante = new QGridLayout;
    lblNif = NuevaEtiqueta(this, "lblNif");
    txtNif = caja(this, "txtNif", 20, true);
    lblNombre = NuevaEtiqueta(this, "lblNombre");
    txtNombre = caja(this, "txtNombre", 40, true);
    // The user cannot scroll it: the longest name must fit.
    AnchoParaCaracteres(txtNombre, 40);
    txtNif->setFocusPolicy(Qt::NoFocus);
    txtNombre->setFocusPolicy(Qt::NoFocus);
    declarante->addWidget(lblNif, 0, 0);
    declarante->addWidget(txtNif, 0, 1);
    declarante->addWidget(lblNombre, 1, 0);
    declarante->addWidget(txtNombre, 1, 1);
    declarante->setColumnStretch(1, 1);
    principal->addLayout(declarante);

    lblTitDeclaraciones = NuevoTitulo(this, "lblTitDeclaraciones");
    principal->addWidget(lblTitDeclaraciones);

    // Both panels share one place; only one shows.
    shpMarco1_2 = marco(this, "shpMarco1_2");
    auto paneles = new QGridLayout(shpMarco1_2);
    principal->addWidget(shpMarco1_2, 1);

    fraLista = marco(shpMarco1_2, "fraLista", QFrame::NoFrame);
    auto lista = new QVBoxLayout(fraLista);
    lblLista = NuevaEtiqueta(fraLista, "lblLista");
    lista->addWidget(lblLista);
    // The two headings stand over the exercise and period columns.
    auto cabecera = new QHBoxLayout;
    cabecera->setSpacing(0);
    cabecera->addSpacing(Px(kAnchos[kIcono]) + 2);
    shpEjercicio = marco(fraLista, "shpEjercicio");
    shpEjercicio->setFixedWidth(Px(kAnchos[kEjercicio] + 10));
    lblEjercicio = NuevaEtiqueta(shpEjercicio, "lblEjercicio");
    (new QHBoxLayout(shpEjercicio))->addWidget(lblEjercicio);
    shpEjercicio->layout()->setContentsMargins(2, 1, 2, 1);
    shpPeriodo = marco(fraLista, "shpPeriodo");
    lblPeriodo = NuevaEtiqueta(shpPeriodo, "lblPeriodo");
    (new QHBoxLayout(shpPeriodo))->addWidget(lblPeriodo);
    shpPeriodo->layout()->setContentsMargins(2, 1, 2, 1);
    cabecera->addWidget(shpEjercicio);
    cabecera->addWidget(shpPeriodo, 1);
    lista->addLayout(cabecera);
    shpMarco1_3 = marco(fraLista, "shpMarco1_3");
    auto enMarco = new QVBoxLayout(shpMarco1_3);
    enMarco->setContentsMargins(1, 1, 1, 1);
    lsvDeclaraciones = new QTreeWidget(shpMarco1_3);
    lsvDeclaraciones->setObjectName("lsvDeclaraciones");
    lsvDeclaraciones->setRootIsDecorated(false);
    lsvDeclaraciones->setHeaderHidden(true);
    lsvDeclaraciones->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvDeclaraciones->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvDeclaraciones->setUniformRowHeights(true);
    enMarco->addWidget(lsvDeclaraciones);
    lista->addWidget(shpMarco1_3, 1);
    auto botonesLista = new QHBoxLayout;
    cmdAbrirD = NuevoBoton(fraLista, "cmdAbrirD");
    cmdBorrarD = NuevoBoton(fraLista, "cmdBorrarD");
    cmdImprimir = NuevoBoton(fraLista, "cmdImprimir");
    cmdImpBorradorDeclarados = NuevoBoton(fraLista, "cmdImpBorradorDeclarados");
    cmdTTCon = NuevoBoton(fraLista, "cmdTTCon");
    for (QPushButton* b : {cmdAbrirD, cmdBorrarD, cmdImprimir, cmdImpBorradorDeclarados, cmdTTCon})
        botonesLista->addWidget(b);
    lista->addLayout(botonesLista);
    paneles->addWidget(fraLista, 0, 0);

    fraNue = marco(shpMarco1_2, "fraNue");
    auto nueva = new QGridLayout(fraNue);
    lblTitNueDec = NuevoTitulo(fraNue, "lblTitNueDec");
    lblNueEje = NuevaEtiqueta(fraNue, "lblNueEje");
    txtNueEje = caja(fraNue, "txtNueEje", 4, false);
    lblNuePeriodo = NuevaEtiqueta(fraNue, "lblNuePeriodo");
    txtNuePeriodo = caja(fraNue, "txtNuePeriodo", 20, true);
    picPeriodo = new QToolButton(fraNue);
    picPeriodo->setObjectName("picPeriodo");
    picPeriodo->setFocusPolicy(Qt::StrongFocus);
    chkBimensual = new QCheckBox(fraNue);
    chkBimensual->setObjectName("chkBimensual");
    cmdAceptar = NuevoBoton(fraNue, "cmdAceptar");
    cmdCancelar = NuevoBoton(fraNue, "cmdCancelar");
    nueva->addWidget(lblTitNueDec, 0, 0, 1, 3);
    nueva->addWidget(lblNueEje, 1, 0);
    nueva->addWidget(txtNueEje, 1, 1);
    nueva->addWidget(lblNuePeriodo, 2, 0);
    nueva->addWidget(txtNuePeriodo, 2, 1);
    nueva->addWidget(picPeriodo, 2, 2);
    nueva->addWidget(chkBimensual, 3, 1);
    auto aceptar = new QHBoxLayout;
    aceptar->addStretch();
    aceptar->addWidget(cmdAceptar);
    aceptar->addWidget(cmdCancelar);
    nueva->addLayout(aceptar, 4, 0, 1, 3);
    paneles->addWidget(fraNue, 0, 0, Qt::AlignCenter);

    auto botones = new QHBoxLayout;
    cmdCrear = NuevoBoton(this, "cmdCrear");
    cmdCopiar = NuevoBoton(this, "cmdCopiar");
    cmdDeclarante = NuevoBoton(this, "cmdDeclarante");
    cmdCerrar = NuevoBoton(this, "cmdCerrar");
    botones->addWidget(cmdCrear);
    botones->addWidget(cmdCopiar);
    botones->addStretch();
    botones->addWidget(cmdDeclarante);
    botones->addWidget(cmdCerrar);
    principal->addLayout(botones);

    periodo_ = new CajaCodigo(this, this, txtNuePeriodo, picPeriodo, "Periodo", {1800, 0, 1150});
    flujo_ = new FlujoEditor(this, true);
    flujo_->SoloDigitos({txtNueEje});
    flujo_->AnadirCajas({periodo_});
    // Seen before the editor flow's own handling.
    lsvDeclaraciones->installEventFilter(this);
    txtNueEje->installEventFilter(this);

    auto conectar = [this](QPushButton* b, const char* evento, void (frmDeclaraciones_794::*manejador)()) {
        AlPulsar(b, this, evento, [this, manejador] { (this->*manejador)(); });
    };
    conectar(cmdCrear, "frmDeclaraciones_794T.cmdCrear_Click", &frmDeclaraciones_794::cmdCrear_Click);
    conectar(cmdCopiar, "frmDeclaraciones_794T.cmdCopiar_Click", &frmDeclaraciones_794::cmdCopiar_Click);
    conectar(cmdAbrirD, "frmDeclaraciones_794T.cmdAbrirD_Click", &frmDeclaraciones_794::cmdAbrirD_Click);
    conectar(cmdAceptar, "frmDeclaraciones_794T.cmdAceptar_Click", &frmDeclaraciones_794::cmdAceptar_Click);
    conectar(cmdCancelar, "frmDeclaraciones_794T.cmdCancelar_Click",
             &frmDeclaraciones_794::cmdCancelar_Click);
    conectar(cmdBorrarD, "frmDeclaraciones_794T.cmdBorrarD_Click", &frmDeclaraciones_794::cmdBorrarD_Click);
    conectar(cmdImprimir, "frmDeclaraciones_794T.cmdImprimir_Click",
             &frmDeclaraciones_794::cmdImprimir_Click);
    conectar(cmdImpBorradorDeclarados, "frmDeclaraciones_794T.cmdImpBorradorDeclarados_Click",
             &frmDeclaraciones_794::cmdImpBorradorDeclarados_Click);
    conectar(cmdTTCon, "frmDeclaraciones_794T.cmdTTCon_Click", &frmDeclaraciones_794::cmdTTCon_Click);
    conectar(cmdDeclarante, "frmDeclaraciones_794T.cmdDeclarante_Click",
             &frmDeclaraciones_794::cmdDeclarante_Click);
    conectar(cmdCerrar, "frmDeclaraciones_794T.cmdCerrar_Click", &frmDeclaraciones_794::cmdCerrar_Click);
    connect(chkBimensual, &QCheckBox::toggled, this, [this] {
        Guardar(this, "frmDeclaraciones_794T.chkBimensual_Click", [this] { chkBimensual_Click(); });
    });
    connect(lsvDeclaraciones, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (llenando_) return;
        Guardar(this, "frmDeclaraciones_794T.lsvDeclaraciones_ItemClick",
                [this] { lsvDeclaraciones_ItemClick(); });
    });
    connect(lsvDeclaraciones, &QTreeWidget::itemDoubleClicked, this, [this] {
        Guardar(this, "frmDeclaraciones_794T.lsvDeclaraciones_DblClick", [this] { cmdAbrirD_Click(); });
    });
}

void frmDeclaraciones_794::Form_Load() {
    DeshabilitarMenusSalvoAyuda();
    AplicarEstilo(this);
    InicializarLista();
    RellenarListaDeclaraciones();
    CargarTextos();
    MostrarDeclarante();
    ActualizarBotones();
}

void frmDeclaraciones_794::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    QTimer::singleShot(0, this, [this] {
        Guardar(this, "frmDeclaraciones_794T.Form_Activate", [this] { Form_Activate(); });
    });
}

void frmDeclaraciones_794::Form_Activate() {
    if (lsvDeclaraciones->isVisible()) lsvDeclaraciones->setFocus();
}

bool frmDeclaraciones_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lsvDeclaraciones && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            Guardar(this, "frmDeclaraciones_794T.lsvDeclaraciones_KeyPress", [this] { cmdAbrirD_Click(); });
            return true;
        }
    } else if (objeto == txtNueEje && FocoSaleDentro(evento)) {
        Guardar(this, "frmDeclaraciones_794T.txtNueEje_LostFocus", [this] { txtNueEje_LostFocus(); });
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmDeclaraciones_794::InicializarLista() {
    const int total = ColumnasLista(lsvDeclaraciones,
                                    {"Clave", "", Cat(139), Cat(102), Cat(223), "periodicidad", "bimensual"},
                                    {std::begin(kAnchos), std::end(kAnchos)});
    // Room for the scroll bar of a long list.
    lsvDeclaraciones->setMinimumWidth(total + lsvDeclaraciones->verticalScrollBar()->sizeHint().width() +
                                      2 * lsvDeclaraciones->frameWidth() + 4);
}

void frmDeclaraciones_794::RellenarListaDeclaraciones() {
    try {
        cListaDeclaraciones& lista = objListaDeclaraciones();
        lista.RellenarDeclaraciones();
        llenando_ = true;
        struct Fin {
            bool& bandera;
            ~Fin() { bandera = false; }
        } fin{llenando_};
        lsvDeclaraciones->clear();
        const rt::Variant& b = lista.BufferDeclaraciones();
        if (b.isNull()) return;
        // Two badges and a few period names serve every row: drawing a badge
        // per row was most of the opening.
        const QIcon euros = ImagenMDI16(kImagenEuros);
        const QIcon pesetas = ImagenMDI16(kImagenPesetas);
        QHash<int, QString> periodos;
        auto texto = [&b](int campo, int32_t i) {
            const rt::Variant& v = b(campo, i);
            return v.isNull() ? QString() : QString::fromStdString(rt::CStr(v));
        };
        const int32_t n = rt::UBound(b, 2);
        QList<QTreeWidgetItem*> filas;
        filas.reserve(n);
        for (int32_t i = 1; i <= n; ++i) {
            const QString clave = texto(0, i);
            const QString moneda = texto(3, i);
            const int16_t periodo = rt::CInt(b(2, i));
            const int16_t periodicidad = rt::CInt(b(4, i));
            auto nombre = periodos.constFind(periodo * 10 + periodicidad);
            if (nombre == periodos.constEnd())
                nombre = periodos.insert(periodo * 10 + periodicidad, DescripcionPeriodo(periodo, periodicidad));
            const bool enEuros = moneda.compare(QLatin1String("E"), Qt::CaseInsensitive) == 0;
            auto fila = new QTreeWidgetItem;
            fila->setText(kClave, clave);
            fila->setText(kIcono, clave);
            fila->setIcon(kIcono, enEuros ? euros : pesetas);
            fila->setData(kIcono, Qt::UserRole, enEuros ? kImagenEuros : kImagenPesetas);
            fila->setText(kEjercicio, texto(1, i));
            fila->setText(kPeriodo, *nombre);
            fila->setText(kMoneda, moneda);
            fila->setText(kPeriodicidad, texto(4, i));
            fila->setText(kBimensual, texto(5, i));
            filas.append(fila);
        }
        lsvDeclaraciones->addTopLevelItems(filas);

        bool elegida = false;
        if (lista.CodDecla() == 0) {
            SeleccionarUltimo(lsvDeclaraciones);
            elegida = true;
        } else {
            for (int j = 0; j < lsvDeclaraciones->topLevelItemCount(); ++j) {
                if (rt::CLng(rt::Variant(lsvDeclaraciones->topLevelItem(j)->text(kClave).toStdString())) ==
                    lista.CodDecla()) {
                    SeleccionarElemento(lsvDeclaraciones, j + 1);
                    lista.CodDecla(0);
                    elegida = true;
                }
            }
        }
        if (!elegida) SeleccionarPrimero(lsvDeclaraciones);
        if (QTreeWidgetItem* actual = lsvDeclaraciones->currentItem())
            lsvDeclaraciones->scrollToItem(actual);

        if (const auto fila = FilaSeleccionada()) {
            lista.MonedaOrigen(fila->moneda);
            lista.Ejercicio(fila->ejercicio);
            lista.Periodo(static_cast<uint8_t>(fila->periodo));
            lista.Periodicidad(fila->periodicidad);
            lista.Bimensual(fila->bimensual);
        }
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "frmDeclaraciones_794.RellenarListaDeclaraciones");
    }
}

std::optional<FilaDeclaracion> frmDeclaraciones_794::FilaSeleccionada() const {
    const QTreeWidgetItem* fila = lsvDeclaraciones->currentItem();
    if (!fila) return std::nullopt;
    auto numero = [&](int columna) { return rt::Variant(fila->text(columna).toStdString()); };
    FilaDeclaracion f;
    f.clave = rt::CLng(numero(kClave));
    f.ejercicio = rt::CLng(numero(kEjercicio));
    f.periodo = ValorPeriodo(mayusculas(fila->text(kPeriodo)));
    f.moneda = fila->text(kMoneda);
    const int16_t periodicidad = rt::CInt(numero(kPeriodicidad));
    if (periodicidad < 0 || periodicidad > 255) throw rt::Error::Runtime(rt::err::Overflow);
    f.periodicidad = static_cast<uint8_t>(periodicidad);
    f.bimensual = fila->text(kBimensual);
    return f;
}

void frmDeclaraciones_794::MostrarDeclarante() {
    txtNif->setText(objDeclarante().NIF());
    txtNombre->setText(objDeclarante().Nombre());
}

void frmDeclaraciones_794::CargarTextos() {
    setWindowTitle(Cat(127));
    lblTitDeclaraciones->setText(Cat(127));
    lblTitDeclarante->setText(Cat(122));
    lblNif->setText(Cat(225));
    lblNombre->setText(Cat(238));
    lblLista->setText(Cat(219));
    lblEjercicio->setText(" " + Cat(139));
    lblPeriodo->setText(" " + Cat(102));
    lblTitNueDec->setText(Cat(239));
    lblNueEje->setText(Cat(139));
    lblNuePeriodo->setText(Cat(102));
    cmdCrear->setText(Cat(118));
    cmdCopiar->setText(Cat(289));
    cmdAbrirD->setText(Cat(136));
    cmdBorrarD->setText(Cat(165));
    cmdImprimir->setText(Cat(208));
    cmdImpBorradorDeclarados->setText(Cat(315));
    cmdTTCon->setText(Cat(275));
    cmdDeclarante->setText(Cat(138));
    cmdCerrar->setText(Cat(112));
    cmdAceptar->setText(Cat(105));
    cmdCancelar->setText(Cat(111));
    chkBimensual->setText("Bimensual");
}

void frmDeclaraciones_794::ActualizarBotones() {
    const int32_t modo = objListaDeclaraciones().Modo();
    QPushButton* const botonesLista[] = {cmdCrear, cmdAbrirD, cmdBorrarD, cmdImprimir,
                                         cmdCopiar, cmdCerrar, cmdImpBorradorDeclarados, cmdTTCon};
    // Leaving for the declarant editor would bring this window back without
    // the row the user chose for a copy.
    cmdDeclarante->setEnabled(modo != kCrear && modo != kCopiar);
    if (modo == kCrear || modo == kCopiar) {
        fraLista->hide();
        fraNue->show();
        for (QPushButton* b : botonesLista) b->hide();
        return;
    }
    if (modo != kAbrir) return;
    fraLista->show();
    fraNue->hide();
    for (QPushButton* b : botonesLista) b->show();
    const auto fila = FilaSeleccionada();
    for (QPushButton* b : {cmdAbrirD, cmdBorrarD, cmdCopiar, cmdImprimir}) b->setEnabled(fila.has_value());
    cmdTTCon->setEnabled(fila && fila->ejercicio >= kPrimerEjercicioTelematico);
    cmdImpBorradorDeclarados->setEnabled(fila && objDeclarado().TieneDeclarados(fila->clave));
}

void frmDeclaraciones_794::MostrarPanel() {
    const int32_t modo = objListaDeclaraciones().Modo();
    if (modo == kCrear || modo == kCopiar) {
        // The layout keeps the panel centred where the list stands.
        fraLista->hide();
        fraNue->show();
    } else if (modo == kAbrir || modo == 3) {
        fraLista->show();
        fraNue->hide();
    }
}

void frmDeclaraciones_794::lsvDeclaraciones_ItemClick() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    cListaDeclaraciones& lista = objListaDeclaraciones();
    lista.MonedaOrigen(fila->moneda);
    lista.Ejercicio(fila->ejercicio);
    lista.Periodo(static_cast<uint8_t>(fila->periodo));
    lista.Periodicidad(fila->periodicidad);
    ActualizarBotones();
}

void frmDeclaraciones_794::cmdCrear_Click() {
    objListaDeclaraciones().Modo(kCrear);
    PrepararNuevaDeclaracion();
}

void frmDeclaraciones_794::cmdCopiar_Click() {
    objListaDeclaraciones().Modo(kCopiar);
    PrepararNuevaDeclaracion();
}

void frmDeclaraciones_794::cmdAbrirD_Click() {
    objListaDeclaraciones().Modo(kAbrir);
    EjecutarAccion(kAccionAceptar);
}

void frmDeclaraciones_794::cmdAceptar_Click() {
    flujo_->ConfirmarCampoActivo();
    EjecutarAccion(kAccionAceptar);
}

void frmDeclaraciones_794::cmdCancelar_Click() { CancelarNuevaDeclaracion(); }

void frmDeclaraciones_794::cmdImprimir_Click() { EjecutarAccion(kAccionImprimir); }

void frmDeclaraciones_794::cmdImpBorradorDeclarados_Click() { ImprimirBorradorDeclarados(); }

void frmDeclaraciones_794::cmdTTCon_Click() { EnvioTelematico(); }

void frmDeclaraciones_794::cmdDeclarante_Click() { EjecutarAccion(kAccionDeclarante); }

void frmDeclaraciones_794::cmdCerrar_Click() { EjecutarAccion(kAccionCerrar); }

void frmDeclaraciones_794::chkBimensual_Click() {
    objListaDeclaraciones().Bimensual(chkBimensual->isChecked() ? "X" : "");
}

void frmDeclaraciones_794::cmdBorrarD_Click() {
    if (!interaccion().Preguntar(Cat(303), Cat(304))) return;
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    cListaDeclaraciones& lista = objListaDeclaraciones();
    lista.CodDecla(fila->clave);
    lista.EliminarDeclaracion();
    RellenarListaDeclaraciones();
    ActualizarBotones();
}

void frmDeclaraciones_794::EjecutarAccion(int32_t accion) {
    auto espera = interaccion().Esperar();
    switch (accion) {
    case kAccionCerrar: Cerrar(); break;
    case kAccionDeclarante: EditarDeclarante(); break;
    case kAccionAceptar: Aceptar(); break;
    case kAccionImprimir: Imprimir(); break;
    default: break;
    }
}

void frmDeclaraciones_794::PrepararNuevaDeclaracion() {
    objListaDeclaraciones().Moneda("E");
    MostrarPanel();
    CargarPeriodos();
    ActualizarBotones();
    txtNueEje->setFocus();
}

void frmDeclaraciones_794::CancelarNuevaDeclaracion() {
    objListaDeclaraciones().Modo(kAbrir);
    ActualizarBotones();
}

void frmDeclaraciones_794::CargarPeriodos() {
    cListaDeclaraciones& lista = objListaDeclaraciones();
    const rt::Variant& b = lista.BufferDeclaraciones();
    int32_t ultimaPeriodicidad = 0;
    if (b.isArray()) {
        const int32_t n = rt::UBound(b, 2);
        const int32_t Y = rt::CLng(b(1, n));
        const int32_t P = rt::CLng(b(2, n));
        ultimaPeriodicidad = rt::CLng(b(4, n));
        // The next period, or empty boxes once it would pass the last
        // exercise the checks accept.
        auto proponer = [&](int32_t ejercicio, int16_t periodo, uint8_t periodicidad) {
            txtNueEje->setText(QString::number(ejercicio));
            txtNuePeriodo->setText(DescripcionPeriodo(periodo, periodicidad));
        };
        auto vaciar = [&] {
            txtNueEje->clear();
            txtNuePeriodo->clear();
        };
        switch (ultimaPeriodicidad) {
        case kPeriodicidadAnual:
            lista.Periodicidad(kPeriodicidadAnual);
            if (Y < kUltimoEjercicio) {
                proponer(Y + 1, 12, kPeriodicidadAnual);
                lista.Ejercicio(Y + 1);
            } else {
                vaciar();
            }
            break;
        case kPeriodicidadTrimestral:
            lista.Periodicidad(kPeriodicidadTrimestral);
            if (P <= 9) {
                proponer(Y, static_cast<int16_t>(P + 3), kPeriodicidadTrimestral);
                lista.Periodo(static_cast<uint8_t>(P + 3));
            } else if (Y < kUltimoEjercicio) {
                proponer(Y + 1, 3, kPeriodicidadTrimestral);
                lista.Ejercicio(Y + 1);
                lista.Periodo(3);
            } else {
                vaciar();
            }
            break;
        case kPeriodicidadMensual:
            lista.Periodicidad(kPeriodicidadMensual);
            if (P <= 11) {
                proponer(Y, static_cast<int16_t>(P + 1), kPeriodicidadMensual);
                lista.Periodo(static_cast<uint8_t>(P + 1));
            } else if (Y < kUltimoEjercicio) {
                proponer(Y + 1, 1, kPeriodicidadMensual);
                lista.Ejercicio(Y + 1);
                lista.Periodo(1);
            } else {
                vaciar();
            }
            break;
        default:
            break;
        }
    }
    ReglaBimensual(ultimaPeriodicidad == kPeriodicidadMensual);
}

void frmDeclaraciones_794::ReglaBimensual(bool mensual) {
    const bool admite = BC(rt::Variant(txtNueEje->text().toStdString())) >= kPrimerEjercicioMensual &&
                        mesBimensual(ValorPeriodo(txtNuePeriodo->text())) && mensual;
    if (admite) {
        chkBimensual->setEnabled(true);
        return;
    }
    chkBimensual->setEnabled(false);
    chkBimensual->setChecked(false);
    objListaDeclaraciones().Bimensual("");
}

void frmDeclaraciones_794::SelValorLista(QTreeWidget* lsv) {
    if (mayusculas(Tag(lsv)) != "PERIODO") return;
    const QString texto = TextoElegido(lsv);
    txtNuePeriodo->setText(texto);
    ReglaBimensual(TipoPeriodo(texto) == kPeriodicidadMensual);
    DescargarContenedorLista();
    MoverFoco(cmdAceptar);
}

void frmDeclaraciones_794::txtNueEje_LostFocus() {
    const QString texto = txtNueEje->text();
    if (texto.size() != 4) return;
    cListaDeclaraciones& lista = objListaDeclaraciones();
    const int16_t ejercicio = rt::CInt(rt::Variant(texto.toStdString()));
    const auto fila = FilaSeleccionada();
    if (lista.Modo() == kCopiar) {
        // Checked against the source declaration, whatever was typed before.
        if (fila) lista.Ejercicio(fila->ejercicio);
        if (!lista.validarCopiaDeclaracion(ejercicio, TipoPeriodo(txtNuePeriodo->text()))) return;
    }
    if (fila) lista.EjercicioOrg(fila->ejercicio);
    lista.Ejercicio(ejercicio);
    if (ejercicio < kPrimerEjercicioMensual &&
        TipoPeriodo(txtNuePeriodo->text()) != kPeriodicidadTrimestral)
        txtNuePeriodo->clear();
}

void frmDeclaraciones_794::LeerEjercicioYPeriodo() {
    cListaDeclaraciones& lista = objListaDeclaraciones();
    lista.Ejercicio(static_cast<int32_t>(BC(rt::Variant(txtNueEje->text().toStdString()))));
    const QString periodo = mayusculas(txtNuePeriodo->text());
    if (periodo.isEmpty()) {
        lista.Periodo(0);
    } else {
        lista.Periodo(static_cast<uint8_t>(ValorPeriodo(periodo)));
        lista.Periodicidad(static_cast<uint8_t>(TipoPeriodo(periodo)));
    }
    // The mark stays only on the months that allow it.
    const bool admite = lista.Ejercicio() >= kPrimerEjercicioMensual &&
                        lista.Periodicidad() == kPeriodicidadMensual && mesBimensual(lista.Periodo());
    if (!admite) {
        chkBimensual->setChecked(false);
        lista.Bimensual("");
    }
}

void frmDeclaraciones_794::Aceptar() {
    cListaDeclaraciones& lista = objListaDeclaraciones();
    switch (lista.Modo()) {
    case kCrear:
        LeerEjercicioYPeriodo();
        if (!lista.ValidarNuevaDeclaracion(false)) return;
        lista.Moneda("E");
        lista.GuardarDeclaracion();
        break;
    case kAbrir: {
        const auto fila = FilaSeleccionada();
        if (!fila) return;
        lista.MonedaOrigen(fila->moneda);
        // The row's own exercise: a panel opened and cancelled before may
        // have left another in the list object.
        lista.Ejercicio(fila->ejercicio);
        lista.Periodo(static_cast<uint8_t>(fila->periodo));
        lista.Periodicidad(fila->periodicidad);
        lista.Bimensual(fila->bimensual);
        lista.CodDecla(fila->clave);
        break;
    }
    case kCopiar: {
        const auto fila = FilaSeleccionada();
        if (!fila) return;
        // The source is the selected declaration, read now.
        lista.Ejercicio(fila->ejercicio);
        lista.MonedaOrigen(fila->moneda);
        const int16_t ejercicio =
            rt::CInt(rt::Variant(BC(rt::Variant(txtNueEje->text().toStdString()))));
        if (!lista.validarCopiaDeclaracion(ejercicio, TipoPeriodo(mayusculas(txtNuePeriodo->text()))))
            return;
        lista.EjercicioOrg(fila->ejercicio);
        LeerEjercicioYPeriodo();
        if (!lista.ValidarNuevaDeclaracion(false)) return;
        lista.Moneda("E");
        lista.CodDecla(fila->clave);
        lista.DuplicarDeclaracion(OperadorConversion(lista.MonedaOrigen(), lista.Moneda()));
        break;
    }
    default:
        return;
    }
    // A new declaration or a copy is in euros: the entry window shows the
    // currency of the declaration it works on.
    if (lista.Modo() != kAbrir) lista.MonedaOrigen(lista.Moneda());
    lista.Modo(kAbrir);
    objDeclarado().coddeclar(lista.CodDecla());
    MostrarDeclarados();
    Descargar();
}

void frmDeclaraciones_794::Descargar() {
    descargada_ = true;
    DescargarHija(this);
}

void frmDeclaraciones_794::Cerrar() {
    VolverAlDeclarante();
    Descargar();
}

void frmDeclaraciones_794::VolverAlDeclarante() {
    cDeclarante& declarante = objDeclarante();
    declarante.Modo(2);
    declarante.AbrirBorrar(0);
    const int32_t clave = declarante.CODDEC();
    declarante.InicializaDatos();
    declarante.CODDEC(clave);
    // Back to the picker it was opened from, which preselects the declarant.
    if (objListaDeclaraciones().Procedencia() == 1) MostrarListaDeclarantes();
    else objGeneral().HabilitarMenu();
}

void frmDeclaraciones_794::EditarDeclarante() {
    objDeclarante().Procedencia(1);
    // The window comes back with its list.
    objListaDeclaraciones().Modo(kAbrir);
    quelvo::MostrarDeclarante();  // the editor, not this window's declarant boxes
    Descargar();
}

void frmDeclaraciones_794::Imprimir() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    objListaDeclaraciones().CodDecla(fila->clave);
    ImprimirDeclaracion(*this, *fila);
}

void frmDeclaraciones_794::ImprimirBorradorDeclarados() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    objListaDeclaraciones().CodDecla(fila->clave);
    ImprimirBorradorDeclaracion(*fila);
}

void frmDeclaraciones_794::EnvioTelematico() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    EnviarDeclaracion(*this, *fila);
}

void frmDeclaraciones_794::closeEvent(QCloseEvent* evento) {
    // The close box leaves as the Close button does; leaving the program
    // only unloads.
    if (!descargada_ && !Descargando(this)) {
        descargada_ = true;
        Guardar(this, "frmDeclaraciones_794T.Form_Unload", [this] { VolverAlDeclarante(); });
    }
    QWidget::closeEvent(evento);
}

frmDeclaraciones_794* AbrirDeclaracionesDe(int32_t lngCoddec) {
    cDeclarante& declarante = objDeclarante();
    declarante.CODDEC(lngCoddec);
    declarante.Modo(1);
    objListaDeclaraciones().Modo(kAbrir);
    declarante.InicializaDatos();
    return MostrarDeclaraciones();
}

frmDeclaraciones_794* MostrarDeclaraciones() { return MostrarDeNuevo<frmDeclaraciones_794>(); }

}  // namespace quelvo
