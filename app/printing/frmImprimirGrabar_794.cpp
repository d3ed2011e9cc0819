#include "printing/frmImprimirGrabar_794.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/ventana_hija.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "printing/cimprgrabar.h"
#include "printing/controles.h"
#include "printing/cselfichero.h"
#include "printing/destino_impresion.h"
#include "printing/dialogo_impresora.h"
#include "printing/frmSelFichero_794.h"
#include "printing/imprimir.h"
#include "printing/principal.h"
#include "printing/titulos.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/claves.h"
#include "services/etiqueta.h"
#include "services/fechas.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "services/ventana_principal.h"
#include "windows/frmBarraDeProgreso_794.h"

namespace quelvo {

namespace {

QPointer<frmImprimirGrabar_794>& abierta() {
    static QPointer<frmImprimirGrabar_794> ventana;
    return ventana;
}

// The earliest presentation date the copies accept.
constexpr int32_t kFechaMinima = 20030101;

constexpr char kImprimiendo[] = "Imprimiendo";
constexpr char kGrabando[] = "Grabando";

// Closes the shared progress window, wherever the run left it.
void TerminarProgreso() {
    intProgreso = intTotalProgreso;
    AvanzarProgreso(intProgreso);
}

}  // namespace

frmImprimirGrabar_794::frmImprimirGrabar_794(std::function<void()> alCerrar, QWidget* parent)
    : QWidget(parent), alCerrar_(std::move(alCerrar)), modo_(objImprGrabar().ProcImprimir()) {
    setObjectName("frmImprimirGrabar_794");
    CrearControles();
    Form_Load();
}

frmImprimirGrabar_794::~frmImprimirGrabar_794() {
    if (objGeneral().ctlImpControl == ctrdatos) objGeneral().ctlImpControl = nullptr;
}

frmImprimirGrabar_794* frmImprimirGrabar_794::Abrir(std::function<void()> alCerrar) {
    cImprGrabar& run = objImprGrabar();
    if (frmImprimirGrabar_794* ya = abierta(); ya && !ya->cerrado_) {
        if (ya->modo_ == run.ProcImprimir()) {
            if (alCerrar) ya->alCerrar_ = std::move(alCerrar);
            ya->activateWindow();
            return ya;
        }
        // Opened for another purpose: the open one goes its own way back
        // first, and its reset must not undo what the new opener set.
        const cImprGrabar pedido = run;
        ya->CerrarFormulario();
        run = pedido;
    }
    auto ventana = new frmImprimirGrabar_794(std::move(alCerrar));
    abierta() = ventana;
    MostrarHija(ventana);
    if (auto marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget())) {
        // Room for every control in either language.
        marco->adjustSize();
        // Coming back to it from another child window is an activation too.
        QObject::connect(marco->mdiArea(), &QMdiArea::subWindowActivated, ventana,
                         [ventana, marco](QMdiSubWindow* activa) {
                             if (activa == marco)
                                 Guardar(ventana, "frmImprimirGrabar_794T.Form_Activate",
                                         [ventana] { ventana->Form_Activate(); });
                         });
    }
    return ventana;
}

void frmImprimirGrabar_794::CrearControles() {
    auto todo = new QVBoxLayout(this);
    lblTitGrabImpr = Control<QLabel>(this, "lblTitGrabImpr");
    todo->addWidget(lblTitGrabImpr);

    // The declaration worked on (mode 1).
    fraDeclarante = Marco(this, "fraDeclarante");
    auto cabecera = new QGridLayout(fraDeclarante);
    lblTitDeclarante = Control<QLabel>(fraDeclarante, "lblTitDeclarante");
    lblDatosDeclaracion = Control<QLabel>(fraDeclarante, "lblDatosDeclaracion");
    cabecera->addWidget(lblDatosDeclaracion, 0, 0, 1, 4);
    struct Dato {
        QLabel** rotulo;
        const char* nRotulo;
        QLineEdit** caja;
        const char* nCaja;
    };
    const Dato declaracion[] = {{&lblEjercicio, "lblEjercicio", &txtEjercicio, "txtEjercicio"},
                                {&lblPeriodo, "lblPeriodo", &txtPeriodo, "txtPeriodo"},
                                {&lblDeclarados, "lblDeclarados", &txtDeclarados, "txtDeclarados"},
                                {&lblMoneda, "lblMoneda", &txtMoneda, "txtMoneda"}};
    const Dato declarante[] = {
        {&lblNifDeclarante, "lblNifDeclarante", &txtNifDeclarante, "txtNifDeclarante"},
        {&lblNombreDeclarante, "lblNombreDeclarante", &txtNombreDeclarante, "txtNombreDeclarante"}};
    auto ponerDato = [&](const Dato& d, int fila, int columna, int ancho) {
        *d.rotulo = Control<QLabel>(fraDeclarante, d.nRotulo);
        *d.caja = Control<QLineEdit>(fraDeclarante, d.nCaja);
        (*d.caja)->setReadOnly(true);
        MostrarPrincipio(*d.caja);
        Tag(*d.caja, "Cabecera");
        cabecera->addWidget(*d.rotulo, fila, columna);
        cabecera->addWidget(*d.caja, fila, columna + 1, 1, ancho);
    };
    for (int i = 0; i < 4; ++i) ponerDato(declaracion[i], 1 + i / 2, (i % 2) * 2, 1);
    cabecera->addWidget(lblTitDeclarante, 3, 0, 1, 4);
    ponerDato(declarante[0], 4, 0, 1);
    ponerDato(declarante[1], 5, 0, 3);
    // Read only and short of room: the longest name must fit whole.
    AnchoParaCaracteres(txtNombreDeclarante, 40);
    todo->addWidget(fraDeclarante);

    // The declarants of the run and the presentation type (mode 0).
    shpMarco1_TipoPre = Marco(this, "shpMarco1_TipoPre");
    auto tipo = new QVBoxLayout(shpMarco1_TipoPre);
    auto opciones = new QHBoxLayout;
    lblTipoPre = Control<QLabel>(shpMarco1_TipoPre, "lblTipoPre");
    optIndividual = Control<QRadioButton>(shpMarco1_TipoPre, "optIndividual");
    optColectiva = Control<QRadioButton>(shpMarco1_TipoPre, "optColectiva");
    opciones->addWidget(lblTipoPre);
    opciones->addWidget(optIndividual);
    opciones->addWidget(optColectiva);
    opciones->addStretch(1);
    tipo->addLayout(opciones);
    todo->addWidget(shpMarco1_TipoPre);

    // What the run produces.
    lblOpciones = Control<QLabel>(this, "lblOpciones");
    todo->addWidget(lblOpciones);
    auto operaciones = new QHBoxLayout;
    chkImprimir = Control<QCheckBox>(this, "chkImprimir");
    chkGrabar = Control<QCheckBox>(this, "chkGrabar");
    operaciones->addWidget(chkImprimir);
    operaciones->addWidget(chkGrabar);
    operaciones->addStretch(1);
    todo->addLayout(operaciones);
    shpOpcionesImp = Marco(this, "shpOpcionesImp");
    auto impresion = new QGridLayout(shpOpcionesImp);
    lblOpcionesImp = Control<QLabel>(shpOpcionesImp, "lblOpcionesImp");
    impresion->addWidget(lblOpcionesImp, 0, 0, 1, 3);
    chkBorrador = Control<QCheckBox>(shpOpcionesImp, "chkBorrador");
    chkEtiquetas = Control<QCheckBox>(shpOpcionesImp, "chkEtiquetas");
    chkInteresado = Control<QCheckBox>(shpOpcionesImp, "chkInteresado");
    chkAdministracion = Control<QCheckBox>(shpOpcionesImp, "chkAdministracion");
    impresion->addWidget(chkBorrador, 1, 0, 1, 3);
    impresion->addWidget(chkEtiquetas, 2, 0, 1, 3);
    impresion->addWidget(chkInteresado, 3, 0, 1, 3);
    impresion->addWidget(chkAdministracion, 4, 0, 1, 3);
    labelFechaPresentacion = Control<QLabel>(shpOpcionesImp, "labelFechaPresentacion");
    txtFechaPresentacion = Control<QLineEdit>(shpOpcionesImp, "txtFechaPresentacion");
    txtFechaPresentacion->setMaxLength(10);
    lblFecha = Control<QLabel>(shpOpcionesImp, "lblFecha");
    impresion->addWidget(labelFechaPresentacion, 5, 0);
    impresion->addWidget(txtFechaPresentacion, 5, 1);
    impresion->addWidget(lblFecha, 5, 2);
    todo->addWidget(shpOpcionesImp);

    lbAvisoSinEstilo = Control<QLabel>(this, "lbAvisoSinEstilo");
    lbAvisoSinEstilo->setWordWrap(true);
    todo->addWidget(lbAvisoSinEstilo);
    auto botones = new QHBoxLayout;
    botones->addStretch(1);
    cmdAceptar = Control<QPushButton>(this, "cmdAceptar");
    cmdOpcImp = Control<QPushButton>(this, "cmdOpcImp");
    cmdCancelar = Control<QPushButton>(this, "cmdCancelar");
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdOpcImp);
    botones->addWidget(cmdCancelar);
    todo->addLayout(botones);

    connect(cmdAceptar, &QPushButton::clicked, this,
            Guardado(this, "frmImprimirGrabar_794T.cmdAceptar_Click", &frmImprimirGrabar_794::cmdAceptar_Click));
    connect(cmdCancelar, &QPushButton::clicked, this,
            Guardado(this, "frmImprimirGrabar_794T.cmdCancelar_Click", &frmImprimirGrabar_794::cmdCancelar_Click));
    connect(cmdOpcImp, &QPushButton::clicked, this,
            Guardado(this, "frmImprimirGrabar_794T.cmdOpcImp_Click", &frmImprimirGrabar_794::cmdOpcImp_Click));
    connect(chkGrabar, &QCheckBox::clicked, this,
            Guardado(this, "frmImprimirGrabar_794T.chkGrabar_Click", &frmImprimirGrabar_794::chkGrabar_Click));
    for (QCheckBox* c : {chkImprimir, chkBorrador, chkEtiquetas, chkInteresado, chkAdministracion})
        connect(c, &QCheckBox::clicked, this,
                Guardado(this, "frmImprimirGrabar_794T.chkOpcion_Click", &frmImprimirGrabar_794::chkOpcion_Click));
    for (QRadioButton* o : {optIndividual, optColectiva})
        connect(o, &QRadioButton::clicked, this,
                Guardado(this, "frmImprimirGrabar_794T.optTipo_Click", &frmImprimirGrabar_794::optTipo_Click));
}

bool frmImprimirGrabar_794::Modo1() const { return modo_ == 1; }

void frmImprimirGrabar_794::Form_Load() {
    InicializarOpciones();
    CargarControl();
    CargarTextos();
    AplicarEstilo(this);
    objSelFichero().RutaPorDefecto(FicheroPresentacionPorDefecto(objImprGrabar().Ejercicio()));
    strFechaVacia = MascaraFecha();
    txtFechaPresentacion->setText(strFechaVacia);
    txtFechaPresentacion->setEnabled(false);
    labelFechaPresentacion->setEnabled(false);
}

void frmImprimirGrabar_794::InicializarOpciones() {
    cImprGrabar& run = objImprGrabar();
    run.UnDte(true);
    run.IndCol(0);
    optIndividual->setChecked(true);
    // The dialog's own reading: the program's presenter stays as it is.
    cPresentador presentador;
    presentador.CargarPresentador();
    optColectiva->setEnabled(presentador.CODPRES() != 0);
}

void frmImprimirGrabar_794::CargarControl() {
    cImprGrabar& run = objImprGrabar();
    if (Modo1()) {
        fraDeclarante->setVisible(true);
        shpMarco1_TipoPre->setVisible(false);
        txtEjercicio->setText(QString::number(run.Ejercicio()));
        txtPeriodo->setText(DescripcionPeriodo(static_cast<int16_t>(run.Periodo()),
                                               static_cast<int16_t>(run.Periodicidad())));
        run.TotalDeclarados();
        txtDeclarados->setText(QString::number(run.NoTotalDeclarados()));
        txtMoneda->setText(NombreMoneda(run.Moneda()));
        txtNifDeclarante->setText(objDeclarante().NIF());
        txtNombreDeclarante->setText(objDeclarante().Nombre());
        for (QLineEdit* caja : findChildren<QLineEdit*>())
            if (Tag(caja).toUpper() == "CABECERA")
                caja->setStyleSheet(QStringLiteral("background-color: #e0e0e0;"));
        return;
    }
    fraDeclarante->setVisible(false);
    ctrdatos = new ctrListaDecl_794(this, shpMarco1_TipoPre);
    static_cast<QVBoxLayout*>(shpMarco1_TipoPre->layout())->insertWidget(0, ctrdatos);
    objGeneral().ctlImpControl = ctrdatos;
    ctrdatos->blnSoloEuros = false;
    ctrdatos->Inicializar();
}

void frmImprimirGrabar_794::CargarTextos() {
    setWindowTitle(Cat(191).trimmed());
    struct Texto {
        QWidget* control;
        int32_t id;
    };
    const Texto textos[] = {
        {lblTitGrabImpr, 192},     {lblTitDeclarante, 122},    {lblDatosDeclaracion, 121},
        {lblEjercicio, 139},       {lblPeriodo, 102},          {lblDeclarados, 229},
        {lblMoneda, 223},          {lblNifDeclarante, 225},    {lblNombreDeclarante, 235},
        {lblOpciones, 249},        {lblOpcionesImp, 247},      {lblTipoPre, 278},
        {labelFechaPresentacion, 185}, {lblFecha, 124},        {chkImprimir, 209},
        {chkGrabar, 190},          {chkBorrador, 243},         {chkEtiquetas, 244},
        {chkInteresado, 245},      {chkAdministracion, 246},   {optIndividual, 210},
        {optColectiva, 115},       {cmdAceptar, 105},          {cmdCancelar, 111},
        {cmdOpcImp, 248},          {lbAvisoSinEstilo, 359}};
    for (const Texto& t : textos) t.control->setProperty("text", Cat(t.id));
}

void frmImprimirGrabar_794::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    Guardar(this, "frmImprimirGrabar_794T.Form_Activate", [this] { Form_Activate(); });
}

void frmImprimirGrabar_794::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        Guardar(this, "frmImprimirGrabar_794T.Form_Activate", [this] { Form_Activate(); });
}

void frmImprimirGrabar_794::Form_Activate() {
    if (cerrado_) return;
    if (!Modo1()) DeshabilitarMenusSalvoAyuda();
    PresentarBotones();
}

void frmImprimirGrabar_794::PresentarBotones() {
    if (Modo1()) {
        chkImprimir->setEnabled(true);
        chkGrabar->setEnabled(true);
    }
    const bool imprimir = chkImprimir->isChecked();
    for (QCheckBox* c : {chkEtiquetas, chkBorrador, chkInteresado, chkAdministracion}) {
        c->setEnabled(imprimir);
        if (!imprimir) c->setChecked(false);
    }
    const bool alguno = chkEtiquetas->isChecked() || chkBorrador->isChecked() ||
                        chkInteresado->isChecked() || chkAdministracion->isChecked();
    cmdAceptar->setEnabled(!enCurso_ && ((imprimir && alguno) || chkGrabar->isChecked()));
    cmdOpcImp->setEnabled(!enCurso_);
    cmdCancelar->setEnabled(!enCurso_);

    const bool conFecha = chkAdministracion->isChecked() || chkBorrador->isChecked() ||
                          chkInteresado->isChecked();
    if (conFecha) {
        // Today is proposed when the box opens; a date the user typed stays.
        if (!txtFechaPresentacion->isEnabled() || txtFechaPresentacion->text() == strFechaVacia)
            txtFechaPresentacion->setText(
                NumeroAFecha(QDate::currentDate().toString("yyyyMMdd").toInt()));
        txtFechaPresentacion->setEnabled(true);
        labelFechaPresentacion->setEnabled(true);
    } else {
        strFechaVacia = MascaraFecha();
        txtFechaPresentacion->setText(strFechaVacia);
        txtFechaPresentacion->setEnabled(false);
        labelFechaPresentacion->setEnabled(false);
    }
}

void frmImprimirGrabar_794::HabilitarAcciones(bool habilitar) {
    chkImprimir->setEnabled(habilitar);
    chkGrabar->setEnabled(habilitar);
    if (!habilitar) {
        chkImprimir->setChecked(false);
        chkGrabar->setChecked(false);
        cmdAceptar->setEnabled(false);
        PresentarBotones();
    }
}

void frmImprimirGrabar_794::chkOpcion_Click() { PresentarBotones(); }

void frmImprimirGrabar_794::chkGrabar_Click() {
    if (chkGrabar->isChecked()) {
        frmSelFichero_794 seleccion(this);
        seleccion.lblTitulo->setText(Cat(258));
        seleccion.lblIndCol->setText(Cat(227));
        seleccion.labelDescripcionRuta->setText(Cat(271));
        seleccion.exec();
        // A cancelled or closed choice records nothing.
        if (objSelFichero().Cancelar()) chkGrabar->setChecked(false);
    }
    PresentarBotones();
}

void frmImprimirGrabar_794::optTipo_Click() {
    cImprGrabar& run = objImprGrabar();
    const bool individual = optIndividual->isChecked();
    run.UnDte(individual);
    run.IndCol(individual ? 0 : 1);
    if (ctrdatos) ctrdatos->PresentarBotonesListas();
}

bool frmImprimirGrabar_794::PrepararEjecucion() {
    cImprGrabar& run = objImprGrabar();
    if (run.IndCol() == 1) {
        cPresentador presentador;
        presentador.CargarPresentador();
        if (!presentador.ValidarPresentador()) return false;
    }
    if (!Modo1()) {
        const rt::Variant codigos = ctrdatos->CargarDtes();
        if (!codigos.isArray()) return false;
        run.vBufferDeclarantes(codigos);
    }
    return true;
}

void frmImprimirGrabar_794::cmdAceptar_Click() {
    if (enCurso_ || !PrepararEjecucion()) return;
    EjecutarProceso();
}

void frmImprimirGrabar_794::cmdOpcImp_Click() {
    if (enCurso_ || !PrepararEjecucion()) return;
    QPrinter impresora;
    PrepararImpresora(impresora);
    QPrintDialog dialogo(&impresora, this);
    dialogo.setObjectName("cmmPrinter");
    PrepararDialogoImpresora(dialogo);
    if (dialogo.exec() != QDialog::Accepted) return;
    // A file is for this run only; a printer stays chosen for the next ones.
    const bool aFichero = impresora.outputFormat() == QPrinter::PdfFormat && !impresora.outputFileName().isEmpty();
    if (!aFichero) EstablecerImpresora(impresora);
    EjecutarProceso(aFichero ? impresora.outputFileName() : QString());
}

void frmImprimirGrabar_794::Titulo(const QString& texto) {
    frmBarraDeProgreso_794& barra = BarraDeProgreso();
    barra.lblTitulo->setText(texto);
    if (!barra.isVisible()) barra.show();
    barra.repaint();
}

void frmImprimirGrabar_794::InicializarBarraDeProgreso(bool soloFichero) {
    int64_t salidas = 0;
    if (!soloFichero && chkImprimir->isChecked())
        for (QCheckBox* c : {chkBorrador, chkInteresado, chkAdministracion})
            salidas += c->isChecked() ? 1 : 0;
    if (chkGrabar->isChecked()) ++salidas;
    cImprGrabar& run = objImprGrabar();
    run.TotalDeclarados();
    const int64_t total = salidas * std::max<int64_t>(run.NoTotalDeclarados(), 0);
    intTotalProgreso = static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max()));
    intProgreso = 0;
    blnProgresoDetenido = false;
    frmBarraDeProgreso_794& barra = BarraDeProgreso();
    const QRect marco = shpMarco1_TipoPre->isVisible() ? shpMarco1_TipoPre->geometry() : geometry();
    const QPoint arriba = mapToGlobal(QPoint((marco.width() - barra.width()) / 2,
                                             shpOpcionesImp->geometry().top()));
    barra.move(arriba);
    DeshabilitarPrincipal();
    barra.show();
    barra.repaint();
}

bool frmImprimirGrabar_794::ImprimirCopias() {
    cImprGrabar& run = objImprGrabar();
    auto imprimir = [&](int32_t impreso) {
        run.Impreso(impreso);
        ImprimirModelo();
        return !blnProgresoDetenido;
    };
    // The draft is printed before any check.
    if (chkBorrador->isChecked() && !imprimir(1)) return false;
    if (chkEtiquetas->isChecked() || chkInteresado->isChecked() || chkAdministracion->isChecked()) {
        if (!run.validarGrabacion()) return true;
        if (chkEtiquetas->isChecked() && !imprimir(0)) return false;
        if (chkInteresado->isChecked() && !imprimir(2)) return false;
        if (chkAdministracion->isChecked() && !imprimir(3)) return false;
    }
    TerminarProgreso();
    return !blnProgresoDetenido;
}

void frmImprimirGrabar_794::GrabarFichero() { objImprGrabar().GrabarDeclaraciones(); }

bool frmImprimirGrabar_794::ValidarFechaPresentacion() {
    const QString texto = txtFechaPresentacion->text();
    if (!FechaValida(texto)) {
        // The same text in both languages.
        interaccion().Avisar("La Fecha de presentación introducida no es correcta",
                             kTituloErrorIntroduccion);
        return true;
    }
    if (FechaANumero(texto) < kFechaMinima && txtFechaPresentacion->isEnabled()) {
        // The date as the language writes it, inside one sentence.
        const QString minima = NumeroAFecha(kFechaMinima);
        interaccion().Avisar(lngIdioma == 0
                                 ? "La Fecha de presentación no puede ser anterior al " + minima
                                 : "Aurkezpen data ezin da " + minima + " baino lehenagokoa izan",
                             kTituloErrorIntroduccion);
        return true;
    }
    return false;
}

void frmImprimirGrabar_794::EjecutarProceso(const QString& fichero) {
    // The PDFs no viewer opened are told once, when the run is over and the
    // windows are usable again.
    DocumentosSinAbrir documentos;
    Ejecutar(fichero);
    documentos.Avisar();
}

void frmImprimirGrabar_794::Ejecutar(const QString& fichero) {
    auto espera = interaccion().Esperar();
    if (ValidarFechaPresentacion()) {
        espera.reset();
        txtFechaPresentacion->setFocus();
        return;
    }
    // Nothing else starts while the run works; everything comes back at its
    // end, however it ends.
    enCurso_ = true;
    PresentarBotones();
    struct AlTerminar {
        frmImprimirGrabar_794* v;
        ~AlTerminar() {
            v->enCurso_ = false;
            HabilitarPrincipal();
            v->PresentarBotones();
        }
    } alTerminar{this};
    auto fallo = [&](const QString& descripcion) {
        espera.reset();
        TerminarProgreso();
        HabilitarPrincipal();
        interaccion().Avisar(Cat(269) + " " + descripcion, Cat(173));
    };
    cImprGrabar& run = objImprGrabar();
    bool imprimiendo = false;
    try {
        InicializarBarraDeProgreso(false);
        run.FechaPresentacion(txtFechaPresentacion->text());
        bool seguir = true;
        if (chkImprimir->isChecked()) {
            imprimiendo = true;
            Titulo(kImprimiendo);
            FicheroElegido elegido(fichero);
            seguir = ImprimirCopias();
            elegido.Terminar(seguir);
            imprimiendo = false;
            // The file gets a progress of its own.
            if (seguir && chkGrabar->isChecked()) InicializarBarraDeProgreso(true);
        }
        if (seguir && chkGrabar->isChecked()) {
            Titulo(kGrabando);
            GrabarFichero();
        }
        TerminarProgreso();
        return;
    } catch (const rt::Error& e) {
        fallo(QString::fromStdString(e.Description));
    } catch (const std::exception& e) {
        fallo(QString::fromUtf8(e.what()));
    }
    // A failed print still records the file, unless the user stopped the run.
    if (!imprimiendo || !chkGrabar->isChecked() || blnProgresoDetenido) return;
    try {
        InicializarBarraDeProgreso(true);
        Titulo(kGrabando);
        GrabarFichero();
        TerminarProgreso();
    } catch (const rt::Error& e) {
        fallo(QString::fromStdString(e.Description));
    } catch (const std::exception& e) {
        fallo(QString::fromUtf8(e.what()));
    }
}

void frmImprimirGrabar_794::cmdCancelar_Click() { CerrarFormulario(); }

void frmImprimirGrabar_794::closeEvent(QCloseEvent* evento) {
    if (enCurso_) {
        evento->ignore();
        return;
    }
    Guardar(this, "frmImprimirGrabar_794T.Form_Unload", [this] { CerrarFormulario(); });
    evento->accept();
}

void frmImprimirGrabar_794::CerrarFormulario() {
    if (cerrado_) return;
    cerrado_ = true;
    // Whatever fails here, the dialog still goes and the run is reset.
    struct AlSalir {
        frmImprimirGrabar_794* v;
        ~AlSalir() { v->Form_Unload(); }
    } alSalir{this};
    if (Modo1()) {
        if (alCerrar_) alCerrar_();
    } else {
        objGeneral().HabilitarMenu();
        if (VentanaPrincipal* principal = VentanaPrincipal::Instancia()) principal->Ventana()->show();
    }
}

void frmImprimirGrabar_794::Form_Unload() {
    objImprGrabar().InicializarDatos();
    if (objGeneral().ctlImpControl == ctrdatos) objGeneral().ctlImpControl = nullptr;
    DescargarHija(this);
}

}  // namespace quelvo
