// The selector's criteria (exercise, period, currency), its captions and the
// members through which its host drives it.
#include "printing/ctrListaDecl_794.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/filtros.h"
#include "declarations/cdeclaracion.h"
#include "declarations/clistadeclaraciones.h"
#include "printing/cimprgrabar.h"
#include "printing/controles.h"
#include "printing/cselfichero.h"
#include "printing/ctrSelFichero_794.h"
#include "printing/titulos.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "services/twips.h"

namespace quelvo {

namespace {

QLabel* Rotulo(QWidget* padre, const char* nombre) { return Control<QLabel>(padre, nombre); }

QPushButton* Boton(QWidget* padre, const char* nombre, QStyle::StandardPixmap imagen) {
    auto boton = Control<QPushButton>(padre, nombre);
    boton->setIcon(QApplication::style()->standardIcon(imagen));
    return boton;
}

// The exercise the pick list offers first after 2001: the euro's.
constexpr int32_t kPrimerEjercicioEuro = 2002;
constexpr int32_t kPrimerEjercicioMensual = 2010;
// Before this exercise the currency choice does not refill the list.
constexpr int32_t kEjercicioMinimoMoneda = 1996;

}  // namespace

ctrListaDecl_794::~ctrListaDecl_794() { txtEjercicio->disconnect(this); }

ctrListaDecl_794::ctrListaDecl_794(AnfitrionListaDecl* anfitrion, QWidget* parent)
    : QWidget(parent), anfitrion_(anfitrion) {
    setObjectName("ctrdatos");
    CrearCriterios();
    CrearListas();

    auto lado = [this](QFrame*& shpDte, QLabel*& lblDte, const char* nDte, const char* nLblDte,
                       QFrame*& shpLista, const char* nLista, QFrame*& marId, const char* nMarId,
                       QLabel*& num, const char* nNum, QFrame*& marNom, const char* nMarNom,
                       QLabel*& nom, const char* nNom, QTreeWidget* lista) {
        auto columna = new QVBoxLayout;
        shpDte = Marco(this, nDte);
        auto cabecera = new QHBoxLayout(shpDte);
        cabecera->setContentsMargins(4, 2, 4, 2);
        lblDte = Rotulo(shpDte, nLblDte);
        cabecera->addWidget(lblDte);
        columna->addWidget(shpDte);
        shpLista = Marco(this, nLista);
        auto dentro = new QVBoxLayout(shpLista);
        dentro->setContentsMargins(2, 2, 2, 2);
        auto titulos = new QHBoxLayout;
        titulos->addSpacing(Px(250));
        marId = Marco(shpLista, nMarId);
        auto enId = new QHBoxLayout(marId);
        enId->setContentsMargins(0, 0, 0, 0);
        num = Rotulo(marId, nNum);
        enId->addWidget(num);
        titulos->addWidget(marId);
        marNom = Marco(shpLista, nMarNom);
        nom = Rotulo(shpLista, nNom);
        titulos->addWidget(nom, 1);
        dentro->addLayout(titulos);
        dentro->addWidget(lista, 1);
        columna->addWidget(shpLista, 1);
        return columna;
    };

    auto listas = new QHBoxLayout;
    listas->addLayout(lado(shpDteOrg, lblDteOrg, "shpDteOrg", "lblDteOrg", shpListaOrg,
                           "shpListaOrg", shpMarIDOrg, "shpMarIDOrg", lblNumOrg, "lblNumOrg",
                           shpMarNomOrg, "shpMarNomOrg", lblNomOrg, "lblNomOrg", lsvOrg));
    auto movimientos = new QVBoxLayout;
    movimientos->addStretch(1);
    cmdUD = Boton(this, "cmdUD", QStyle::SP_ArrowRight);
    cmdVD = Boton(this, "cmdVD", QStyle::SP_MediaSeekForward);
    cmdUI = Boton(this, "cmdUI", QStyle::SP_ArrowLeft);
    cmdVI = Boton(this, "cmdVI", QStyle::SP_MediaSeekBackward);
    for (QPushButton* b : {cmdUD, cmdVD, cmdUI, cmdVI}) movimientos->addWidget(b);
    movimientos->addStretch(1);
    listas->addLayout(movimientos);
    listas->addLayout(lado(shpDteDes, lblDteDes, "shpDteDes", "lblDteDes", shpListaDes,
                           "shpListaDes", shpMarIDDes, "shpMarIDDes", lblNumDes, "lblNumDes",
                           shpMarNomDes, "shpMarNomDes", lblNomDes, "lblNomDes", lsvDes));

    auto criterios = new QHBoxLayout;
    criterios->addWidget(lblEjercicio);
    criterios->addWidget(txtEjercicio);
    criterios->addWidget(picEjercicio);
    criterios->addSpacing(12);
    criterios->addWidget(lblPeriodo);
    criterios->addWidget(txtPeriodo, 1);
    criterios->addWidget(picPeriodo);
    criterios->addSpacing(12);
    criterios->addWidget(lblMoneda);
    criterios->addWidget(optEuros);
    criterios->addWidget(optPesetas);
    criterios->addStretch(1);

    auto todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addLayout(criterios);
    todo->addLayout(listas, 1);

    connect(cmdUD, &QPushButton::clicked, this,
            Guardado(this, "ctrListaDecl_794T.cmdUD_Click", &ctrListaDecl_794::cmdUD_Click));
    connect(cmdVD, &QPushButton::clicked, this,
            Guardado(this, "ctrListaDecl_794T.cmdVD_Click", &ctrListaDecl_794::cmdVD_Click));
    connect(cmdUI, &QPushButton::clicked, this,
            Guardado(this, "ctrListaDecl_794T.cmdUI_Click", &ctrListaDecl_794::cmdUI_Click));
    connect(cmdVI, &QPushButton::clicked, this,
            Guardado(this, "ctrListaDecl_794T.cmdVI_Click", &ctrListaDecl_794::cmdVI_Click));
    connect(picEjercicio, &QToolButton::clicked, this,
            Guardado(this, "ctrListaDecl_794T.picEjercicio_Click", &ctrListaDecl_794::picEjercicio_Click));
    connect(picPeriodo, &QToolButton::clicked, this,
            Guardado(this, "ctrListaDecl_794T.picPeriodo_Click", &ctrListaDecl_794::picPeriodo_Click));
    for (QRadioButton* opcion : {optEuros, optPesetas})
        connect(opcion, &QRadioButton::toggled, this, [this](bool elegida) {
            if (elegida)
                Guardar(this, "ctrListaDecl_794T.optMoneda_Click", [this] { optMoneda_Click(); });
        });
    connect(txtEjercicio, &QLineEdit::editingFinished, this,
            Guardado(this, "ctrListaDecl_794T.txtEjercicio_Validate",
                     &ctrListaDecl_794::txtEjercicio_Validate));
    for (QLabel* cabecera : {lblNumOrg, lblNomOrg}) {
        cabecera->setCursor(Qt::PointingHandCursor);
        cabecera->installEventFilter(this);
    }
    picPeriodo->installEventFilter(this);
}

void ctrListaDecl_794::CrearCriterios() {
    lblEjercicio = Rotulo(this, "lblEjercicio");
    txtEjercicio = new QLineEdit("2002", this);
    txtEjercicio->setObjectName("txtEjercicio");
    txtEjercicio->setMaxLength(4);
    txtEjercicio->setFixedWidth(Px(800));
    SoloNumeros(txtEjercicio);
    picEjercicio = new QToolButton(this);
    picEjercicio->setObjectName("picEjercicio");
    picEjercicio->setArrowType(Qt::DownArrow);
    lblPeriodo = Rotulo(this, "lblPeriodo");
    txtPeriodo = new QLineEdit(this);
    txtPeriodo->setObjectName("txtPeriodo");
    txtPeriodo->setReadOnly(true);
    MostrarPrincipio(txtPeriodo);
    txtPeriodo->setMinimumWidth(Px(1800));
    picPeriodo = new QToolButton(this);
    picPeriodo->setObjectName("picPeriodo");
    picPeriodo->setArrowType(Qt::DownArrow);
    lblMoneda = Rotulo(this, "lblMoneda");
    optEuros = new QRadioButton("Euros", this);
    optEuros->setObjectName("optEuros");
    optPesetas = new QRadioButton("Pesetas", this);
    optPesetas->setObjectName("optPesetas");
    // Neither is chosen until the criteria are set.
    auto grupo = new QButtonGroup(this);
    grupo->addButton(optEuros);
    grupo->addButton(optPesetas);
}

bool ctrListaDecl_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease && (objeto == lblNumOrg || objeto == lblNomOrg)) {
        if (objeto == lblNumOrg)
            Guardar(this, "ctrListaDecl_794T.lblNumOrg_Click", [this] { lblNumOrg_Click(); });
        else
            Guardar(this, "ctrListaDecl_794T.lblNomOrg_Click", [this] { lblNomOrg_Click(); });
        return true;
    }
    if (evento->type() == QEvent::KeyPress && objeto == picPeriodo) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            Guardar(this, "ctrListaDecl_794T.picPeriodo_KeyPress", [this] { picPeriodo_Click(); });
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void ctrListaDecl_794::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (blnMostrado) return;
    blnMostrado = true;
    Guardar(this, "ctrListaDecl_794T.UserControl_Show", [this] { PresentarBotonesListas(); });
}

int32_t ctrListaDecl_794::EjercicioCaja() const {
    const QString texto = txtEjercicio->text().trimmed();
    return texto.isEmpty() ? 0 : rt::CLng(rt::Variant(texto.toStdString()));
}

bool ctrListaDecl_794::EjercicioCompleto() const {
    const QString texto = txtEjercicio->text();
    return texto.size() == 4 &&
           std::all_of(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); });
}

void ctrListaDecl_794::Inicializar() {
    const rt::Variant ultima = objDeclaracion().MaxEjerPer(blnSoloEuros, intEjerMin);
    if (ultima.isNull()) {
        EstablecerMoneda(QString());
    } else {
        const int32_t ejercicio = rt::CLng(ultima(0));
        txtEjercicio->setText(QString::number(ejercicio));
        objImprGrabar().Ejercicio(ejercicio);
        txtPeriodo->setText(DescripcionPeriodo(rt::CInt(ultima(1)), rt::CInt(ultima(3))));
        EstablecerMoneda(QString::fromStdString(rt::CStr(ultima(2))));
    }
    InicializarListaOrg();
    InicializarListaDes();
    RellenarListaOrg();
    CargarTextos();
    AplicarEstilo(this);
}

void ctrListaDecl_794::CargarTextos() {
    lblDteOrg->setText(Cat(130));
    lblDteDes->setText(Cat(130));
    lblNumOrg->setText(" " + Cat(225));
    lblNumDes->setText(" " + Cat(225));
    lblNomOrg->setText(" " + Cat(235));
    lblNomDes->setText(" " + Cat(235));
    lblEjercicio->setText(Cat(139));
    lblMoneda->setText(Cat(223));
    lblPeriodo->setText(Cat(102));
}

void ctrListaDecl_794::EstablecerMoneda(const QString& codigo) {
    if (blnSoloEuros) {
        optPesetas->setEnabled(false);
        optEuros->setChecked(true);
    } else if (objImprGrabar().Ejercicio() < kPrimerEjercicioEuro) {
        optPesetas->setEnabled(true);
        if (codigo == "P" || optPesetas->isChecked()) optPesetas->setChecked(true);
        else optEuros->setChecked(true);
    } else {
        optPesetas->setEnabled(false);
        optEuros->setChecked(true);
    }
}

void ctrListaDecl_794::optMoneda_Click() {
    if (EjercicioCaja() >= kEjercicioMinimoMoneda && blnMostrado) RellenarListaOrg();
}

void ctrListaDecl_794::MostrarLista(const QString& nombre, QLineEdit* caja, int16_t margen,
                                    int16_t alto) {
    // The pick list of periods depends on the exercise in the box; the
    // program's declarations list gets its own exercise back afterwards.
    cListaDeclaraciones& declaraciones = objListaDeclaraciones();
    const int32_t anterior = declaraciones.Ejercicio();
    frmContenedorLista_794& lista = ContenedorLista();
    declaraciones.Ejercicio(EjercicioCaja());
    try {
        lista.InicializarLista(nombre);
    } catch (...) {
        declaraciones.Ejercicio(anterior);
        throw;
    }
    declaraciones.Ejercicio(anterior);
    const auto ancho = static_cast<int16_t>(Twips(caja->width()));
    lista.RedimensionarLista(QString(), ancho, margen, alto, caja->text());
    if (nombre == "Ejercicio" && anfitrion_ && anfitrion_->SoloEjerciciosDesde2002()) {
        for (int i = lista.lsvLista->topLevelItemCount() - 1; i >= 0; --i)
            if (lista.lsvLista->topLevelItem(i)->text(0).toInt() < kPrimerEjercicioEuro)
                delete lista.lsvLista->takeTopLevelItem(i);
        if (lista.lsvLista->topLevelItemCount() < 9)
            lista.RedimensionarLista(QString(), ancho, 0, alto, caja->text());
    }
    lista.Colocar(caja);
    lista.FormPadre(this);
    lista.exec();
}

void ctrListaDecl_794::picEjercicio_Click() { MostrarLista("Ejercicio", txtEjercicio, 250, 1500); }

void ctrListaDecl_794::picPeriodo_Click() { MostrarLista("Periodo", txtPeriodo, 0, 1050); }

void ctrListaDecl_794::SelValorLista(QTreeWidget* lista) {
    Guardar(this, "ctrListaDecl_794T.SelValorLista", [&] {
        QTreeWidgetItem* elegido = lista->currentItem();
        const QString nombre = lista->property("Tag").toString().toUpper();
        if (!elegido || (nombre != "EJERCICIO" && nombre != "PERIODO")) return;
        const QString texto = elegido->text(0).toUpper();
        if (nombre == "EJERCICIO") {
            const int32_t ano = elegido->data(0, kRolClave).toString().mid(1).toInt();
            DescargarContenedorLista();
            CambiarEjercicio(ano, texto);
            EstablecerMoneda(QString());
            return;
        }
        txtPeriodo->setText(texto);
        EstablecerMoneda(QString());
        DescargarContenedorLista();
        RellenarListaOrg();
    });
}

void ctrListaDecl_794::CambiarEjercicio(int32_t ejercicio, const QString& texto) {
    if (ejercicio == objImprGrabar().Ejercicio()) {
        txtEjercicio->setText(texto);
        return;
    }
    objImprGrabar().Ejercicio(ejercicio);
    txtEjercicio->setText(texto);
    if (ejercicio < kPrimerEjercicioMensual && TipoPeriodo(txtPeriodo->text()) == kPeriodicidadMensual)
        txtPeriodo->clear();
    objSelFichero().RutaPorDefecto(FicheroPresentacionPorDefecto(ejercicio));
    // The host's path box shows the new exercise's file, so a run never
    // writes one exercise's data into another's file.
    if (auto caja = qobject_cast<ctrSelFichero_794*>(objGeneral().ctlSelFichero))
        caja->SeguirPropuesta();
    RellenarListaOrg();
}

void ctrListaDecl_794::txtEjercicio_Validate() {
    // A typed exercise is a choice like a picked one: the lists follow it.
    if (!txtEjercicio->isModified()) return;
    txtEjercicio->setModified(false);
    // A blank or half-typed exercise changes nothing: no file name, list or
    // currency of an exercise 0 or 20.
    if (!EjercicioCompleto()) return;
    const int32_t ejercicio = EjercicioCaja();
    CambiarEjercicio(ejercicio, txtEjercicio->text());
    EstablecerMoneda(QString());
}

void ctrListaDecl_794::PresentarBotonesListas() {
    if (!blnMostrado) return;
    const bool hayOrg = lsvOrg->topLevelItemCount() > 0;
    const int elegidos = lsvDes->topLevelItemCount();
    auto acciones = [this](bool habilitar) {
        if (anfitrion_) anfitrion_->HabilitarAcciones(habilitar);
    };
    if (!objImprGrabar().UnDte()) {
        cmdUD->setEnabled(hayOrg);
        cmdVD->setEnabled(hayOrg);
        acciones(elegidos > 0);
        cmdUI->setEnabled(elegidos > 0);
        cmdVI->setEnabled(elegidos > 0);
        return;
    }
    cmdVI->setEnabled(false);
    cmdVD->setEnabled(false);
    if (vDeclarantes_.isNull()) {
        cmdUD->setEnabled(false);
        cmdUI->setEnabled(false);
        // Nothing can be chosen: no run either.
        acciones(false);
        return;
    }
    if (elegidos == 1) {
        acciones(true);
        cmdUD->setEnabled(false);
        cmdUI->setEnabled(true);
    } else if (elegidos >= 2) {
        // One declarant per run: start the choice again.
        RellenarListaOrg();
    } else {
        acciones(false);
        cmdUD->setEnabled(hayOrg);
        cmdUI->setEnabled(false);
    }
}

rt::Variant ctrListaDecl_794::CargarDtes() {
    if (!EjercicioCompleto()) {
        interaccion().Avisar(Cat(265), kTituloErrorIntroduccion);
        return {};
    }
    cImprGrabar& run = objImprGrabar();
    run.Ejercicio(EjercicioCaja());
    run.Moneda(strMoneda);
    run.Periodo(ValorPeriodo(txtPeriodo->text()));
    run.Periodicidad(TipoPeriodo(txtPeriodo->text()));
    const int n = lsvDes->topLevelItemCount();
    if (n == 0) {
        interaccion().Avisar(TextoSinDeclarantes(), kTituloErrorIntroduccion);
        return {};
    }
    rt::VArray codigos(0, n - 1);
    for (int i = 0; i < n; ++i)
        codigos.at(i) = rt::CLng(rt::Variant(lsvDes->topLevelItem(i)->text(0).toStdString()));
    return rt::Variant(std::move(codigos));
}

DeclaracionElegida ctrListaDecl_794::CargarDCion() {
    DeclaracionElegida d;
    d.Periodicidad = static_cast<uint8_t>(TipoPeriodo(txtPeriodo->text()));
    d.Periodo = static_cast<uint8_t>(ValorPeriodo(txtPeriodo->text()));
    const auto elegidas = lsvDes->selectedItems();
    if (elegidas.isEmpty()) return d;
    const int32_t codigo = rt::CLng(rt::Variant(elegidas.constFirst()->text(0).toStdString()));
    d.CodDecla = objDeclaracion().ObtenerDeclaracion(codigo, EjercicioCaja(), d.Periodo,
                                                     d.Periodicidad);
    return d;
}

}  // namespace quelvo
