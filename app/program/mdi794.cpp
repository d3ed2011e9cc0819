#include "program/mdi794.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include "controls/ventana_hija.h"
#include "declarations/frmDeclaraciones_794.h"
#include "platform/rutas.h"
#include "program/arranque.h"
#include "program/comandos_impresion.h"
#include "program/comandos_intercambio.h"
#include "program/comandos_partes.h"
#include "program/menus.h"
#include "quelvodat/cDatosGenerales.h"
#include "quelvort/convert.h"
#include "quelvort/object.h"
#include "services/ayuda.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/objetos.h"
#include "services/servidor.h"
#include "windows/frmAbout_794.h"
#include "windows/frmGestErrores_794.h"
#include "windows/frmIdioma_794.h"
#include "windows/frmPreferencias_794.h"
#include "zentalib/cMiscelaneos.h"
#include "zentalib/cSaveAsRestore.h"

namespace quelvo {

namespace {

// Toolbar keys and the menu entry each one stands for.
struct BotonBarra {
    const char* clave;
    const char* menu;
};
constexpr BotonBarra kBotones[] = {{"Nuevo", "mnuNueDec"},
                                   {"Abrir", "mnuAbrDec"},
                                   {"Eliminar", "mnuEliDec"},
                                   {"Ayuda", "mnuConInd"},
                                   {"Salir", "mnuSalir"}};

constexpr const char* kFiltroCopias = "archivos mdb (*.mdb;*.mdb)|*.mdb;mdb";
}  // namespace

MDI794::MDI794(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDI794");
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("mdiArea");
    // A child larger than the area (a small screen, larger fonts) can still
    // be scrolled to its every field.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    // Room for the editors at their natural size where the screen has it.
    if (const QScreen* pantalla = screen()) {
        const QSize disponible = pantalla->availableGeometry().size();
        resize(qMin(disponible.width(), 1100), qMin(disponible.height(), 800));
    }
    crearMenus();
    crearBarra();
    // No choice stored yet: the first run asks for the language.
    connect(this, &MDI794::PrimeraActivacion, this, [this] {
        if (objActOnline().ActOnline < 0) frmIdioma_794(this).exec();
    });
    Form_Load();
}

MDI794::~MDI794() = default;

QAction* MDI794::entrada(QMenu* menu, const char* nombre) {
    auto accion = menu ? menu->addAction(QString()) : menuBar()->addAction(QString());
    accion->setObjectName(nombre);
    return accion;
}

QMenu* MDI794::menuSuperior(const char* nombre) {
    auto menu = menuBar()->addMenu(QString());
    menu->setObjectName(QString(nombre) + "_menu");
    menu->menuAction()->setObjectName(nombre);
    return menu;
}

void MDI794::crearMenus() {
    auto separador = [](QMenu* menu, const char* nombre) {
        menu->addSeparator()->setObjectName(nombre);
    };
    QMenu* declarante = menuSuperior("mnuDeclarante");
    entrada(declarante, "mnuNueDec");
    entrada(declarante, "mnuAbrDec");
    entrada(declarante, "mnuEliDec");
    separador(declarante, "mnuSep2");
    for (const char* reciente : {"mnuD1", "mnuD2", "mnuD3", "mnuD4"})
        entrada(declarante, reciente)->setVisible(false);
    separador(declarante, "mnuSep3");
    Menu("mnuSep3")->setVisible(false);
    entrada(declarante, "mnuSalir");

    entrada(nullptr, "mnuPresentador");

    QMenu* utilidades = menuSuperior("mnuUtilidades");
    for (const char* nombre : {"mnuExpDec", "mnuImpDec", "mnuImpDe", "mnuImpSop", "mnuGraImpOfi"})
        entrada(utilidades, nombre);
    separador(utilidades, "mnuSep");
    entrada(utilidades, "mnuTelGes");
    separador(utilidades, "separador");
    entrada(utilidades, "mnuBackup");
    entrada(utilidades, "mnuRestore");
    separador(utilidades, "separa1");
    entrada(utilidades, "mnuPreferencias");

    QMenu* asistencia = menuSuperior("mnuAsistenciaOnline");
    entrada(asistencia, "mnuDescripAsisOnline");
    entrada(asistencia, "mnuAsisOnline");

    QMenu* ayuda = menuSuperior("mnuAyuda");
    entrada(ayuda, "mnuConInd");
    entrada(ayuda, "mnuAcerca");

    EstablecerComando("mnuSalir", [this] { mnuSalir_Click(); });
    EstablecerComando("mnuConInd", [this] { mnuConInd_Click(); });
    EstablecerComando("mnuBackup", [this] { mnuBackup_Click(); });
    EstablecerComando("mnuRestore", [this] { mnuRestore_Click(); });
    EstablecerComando("mnuDescripAsisOnline", [this] { mnuDescripAsisOnline_Click(); });
    EstablecerComando("mnuAsisOnline", [this] { mnuAsisOnline_Click(); });
    EstablecerComando("mnuPreferencias", [this] { frmPreferencias_794(this).exec(); });
    for (const char* reciente : {"mnuD1", "mnuD2", "mnuD3", "mnuD4"})
        EstablecerComando(reciente, [this, reciente] {
            AbrirDeclaracionesDe(rt::CLng(rt::Variant(Menu(reciente)->data().toString().toStdString())));
        });
    EstablecerComando("mnuAcerca", [this] {
        DeshabilitarMenus();
        try {
            frmAbout_794(this).exec();
        } catch (...) {
            // The menus come back on whatever the window did.
            objGeneral().HabilitarMenu();
            throw;
        }
        objGeneral().HabilitarMenu();
    });
    ConectarPartes(*this);
    ConectarComandosImpresion(*this);
    ConectarComandosIntercambio(*this);
}

void MDI794::crearBarra() {
    tlbMDI_ = addToolBar(QString());
    tlbMDI_->setObjectName("tlbMDI");
    tlbMDI_->setMovable(false);
    for (const auto& boton : kBotones) {
        auto accion = tlbMDI_->addAction(QString());
        accion->setObjectName(boton.clave);
        accion->setProperty("Key", QString(boton.clave));
        botones_.push_back(accion);
    }
    connect(tlbMDI_, &QToolBar::actionTriggered, this, &MDI794::tlbMDI_ButtonClick);
}

QAction* MDI794::Menu(const QString& nombre) const {
    for (auto accion : findChildren<QAction*>())
        if (accion->objectName() == nombre) return accion;
    return nullptr;
}

QAction* MDI794::Boton(int indice) const {
    if (indice < 1 || indice > NumeroBotones()) return nullptr;
    return botones_[static_cast<size_t>(indice - 1)];
}

void MDI794::EstablecerComando(const QString& menu, std::function<void()> comando) {
    comandos_[menu] = comando;
    QAction* accion = Menu(menu);
    if (!accion) return;
    disconnect(accion, &QAction::triggered, this, nullptr);
    QString evento = "MDI794T." + menu + "_Click";
    connect(accion, &QAction::triggered, this, [this, evento, comando] {
        Guardar(this, evento.toUtf8().constData(), comando);
    });
}

void MDI794::Form_Load() {
    InicilizarBotones();
    AñadirCaptions();
    blnPrimeraVez = true;
}

void MDI794::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Offscreen and some window managers never activate a window: the first
    // show counts as the first activation too.
    QTimer::singleShot(0, this, [this] {
        Guardar(this, "MDI794T.MDIForm_Activate", [this] { Form_Activate(); });
    });
}

void MDI794::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Guardar(this, "MDI794T.MDIForm_Activate", [this] { Form_Activate(); });
}

void MDI794::Form_Activate() {
    if (!blnPrimeraVez) return;
    blnPrimeraVez = false;
    emit PrimeraActivacion();
    objGeneral().HabilitarMenu();
}

void MDI794::closeEvent(QCloseEvent* event) {
    DescargarTodosLosFormularios(objectName());
    event->accept();
    // Nothing is written on the way out: each dialog stored its own changes.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void MDI794::DescargarTodosLosFormularios(const QString& nombre) {
    for (auto sub : mdiArea_->subWindowList())
        if (sub->objectName() != nombre && (!sub->widget() || sub->widget()->objectName() != nombre)) {
            // Unloaded, not cancelled: no window asks on the way out.
            if (sub->widget()) DescargarHija(sub->widget());
            else sub->close();
        }
    for (auto ventana : QApplication::topLevelWidgets())
        if (ventana != this && ventana->isVisible() && ventana->objectName() != nombre)
            ventana->close();
}

void MDI794::AñadirCaptions() {
    setWindowTitle(Cat(222));
    struct Titulo {
        const char* menu;
        int32_t id;
    };
    static constexpr Titulo kTitulos[] = {
        {"mnuAbrDec", 104},      {"mnuAcerca", 106},       {"mnuAyuda", 109},
        {"mnuConInd", 116},      {"mnuDeclarante", 131},   {"mnuEliDec", 167},
        {"mnuExpDec", 180},      {"mnuGraImpOfi", 192},    {"mnuImpDec", 198},
        {"mnuImpSop", 205},      {"mnuNueDec", 240},       {"mnuPresentador", 256},
        {"mnuSalir", 261},       {"mnuTelGes", 280},       {"mnuUtilidades", 282},
        {"mnuImpDe", 204},       {"mnuPreferencias", 291}, {"mnuBackup", 335},
        {"mnuRestore", 336},     {"mnuAsistenciaOnline", 337},
        {"mnuAsisOnline", 337},  {"mnuDescripAsisOnline", 338}};
    for (const auto& t : kTitulos) Menu(t.menu)->setText(Cat(t.id));
}

void MDI794::tlbMDI_ButtonClick(QAction* boton) {
    Guardar(this, "MDI794T.tlbMDI_ButtonClick", [&] {
        QString clave = boton->property("Key").toString();
        for (const auto& b : kBotones) {
            if (clave != b.clave) continue;
            // The button runs its command even while the menu entry is off.
            auto comando = comandos_.find(b.menu);
            if (comando != comandos_.end()) comando->second();
        }
    });
}

void MDI794::mnuSalir_Click() { close(); }

void MDI794::mnuConInd_Click() {
    MostrarAyuda(objGeneral().IDI() == "C" ? "indice.html" : "sarrera.html", this);
}

bool MDI794::CopiaSeguridad(bool restaurar) {
    auto objComun = rt::CreateObjectAs<zentalib::_cSaveAsRestore>("Zentalib.cSaveAsRestore");
    const std::string copias = (plataforma::CarpetaPrograma() + "/backups/").toStdString();
    objComun->ArchivoOrigen(restaurar ? "794Mod_bak.mdb" : "794Mod.mdb");
    objComun->ArchivoDestino(restaurar ? "794Mod.mdb" : "794Mod_bak.mdb");
    objComun->RutaDestino(restaurar ? strRutaTablas : copias);
    objComun->RutaOrigen(restaurar ? copias : strRutaTablas);
    objComun->Filtro(kFiltroCopias);
    objComun->Idioma(lngIdioma);
    objComun->Parent(reinterpret_cast<std::intptr_t>(this));
    objComun->BDLectura(strRutaLec);
    objComun->BDTabla("TGENERAL");
    objComun->BDCampo("BACKUP_TVC");
    // The data server keeps the user database open: it lets go of it, with
    // everything written into the file, before the file is copied or replaced.
    CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales")->CerrarConexiones();
    const bool hecho = restaurar ? objComun->CrearRestore() : objComun->CrearBackup();
    // The user was told what is wrong in their words; the engine's own words
    // are kept in the error log.
    if (const std::string detalle = objComun->DetalleFallo(); !detalle.empty())
        frmGestErrores_794::ErrorADisco("MDI794", restaurar ? "MDI794T.mnuRestore_Click" : "MDI794T.mnuBackup_Click",
                                        QString::fromStdString(detalle));
    return hecho;
}

void MDI794::mnuBackup_Click() { CopiaSeguridad(false); }

void MDI794::mnuRestore_Click() {
    if (!CopiaSeguridad(true)) return;
    if (ComprobarBDVersionTrasRestaurar(this)) return;
    CargarPreferencias();
    AñadirCaptions();
    objGeneral().HabilitarMenu();
}

void MDI794::mnuDescripAsisOnline_Click() {
    auto objComun = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    objComun->Idioma(lngIdioma);
    objComun->Parent(reinterpret_cast<std::intptr_t>(this));
    objComun->MostrarOnlineInfo();
}

void MDI794::mnuAsisOnline_Click() {
    auto objComun = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    objComun->Idioma(lngIdioma);
    objComun->AccesoAyuOnline();
}

}  // namespace quelvo
