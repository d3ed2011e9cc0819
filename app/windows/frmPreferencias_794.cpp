#include "windows/frmPreferencias_794.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "platform/sistema.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/guarda.h"
#include "services/objetos.h"
#include "services/ventana_principal.h"
#include "windows/actualizacion_online.h"

namespace quelvo {

namespace {

constexpr int kAncho = 400;
constexpr int kAlto = 290;

QLabel* etiqueta(QWidget* padre, const char* nombre, int x, int y, int ancho) {
    auto l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setGeometry(x, y, ancho, 22);
    return l;
}

QFrame* marco(QWidget* padre, const char* nombre, int x, int y, int ancho, int alto) {
    auto f = new QFrame(padre);
    f->setObjectName(nombre);
    f->setFrameShape(QFrame::Box);
    f->setGeometry(x, y, ancho, alto);
    return f;
}

}  // namespace

frmPreferencias_794::frmPreferencias_794(QWidget* parent) : QDialog(parent) {
    setObjectName("frmPreferencias_794");
    setFixedSize(kAncho, kAlto);
    marco(this, "Shape1", 0, 0, kAncho, kAlto);
    marco(this, "shpTitulo3", 0, 0, kAncho, 34);
    marco(this, "Shape2", 12, 44, kAncho - 24, 86);
    marco(this, "Shape3", 12, 140, kAncho - 24, 90);
    marco(this, "Shape4", 20, 72, kAncho - 40, 50);
    marco(this, "Shape5", 20, 168, kAncho - 40, 54);
    lblTitulo = etiqueta(this, "lblTitulo", 12, 6, kAncho - 24);
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    lblTitulo->setFont(negrita);
    lblIdioma = etiqueta(this, "lblIdioma", 20, 48, kAncho - 40);
    lblIdioma->setText("Idioma:");
    optCast = new QRadioButton("Castellano", this);
    optCast->setObjectName("optCast");
    optCast->setGeometry(36, 84, 140, 24);
    optEusk = new QRadioButton("Euskera", this);
    optEusk->setObjectName("optEusk");
    optEusk->setGeometry(200, 84, 140, 24);
    lblActualizaciones = etiqueta(this, "lblActualizaciones", 20, 144, kAncho - 40);
    chkActOnline = new QCheckBox(this);
    chkActOnline->setObjectName("chkActOnline");
    chkActOnline->setGeometry(36, 172, kAncho - 72, 22);
    lblActAhora = etiqueta(this, "lblActAhora", 36, 196, kAncho - 72);
    // A label that works as a link.
    QFont enlace = lblActAhora->font();
    enlace.setUnderline(true);
    lblActAhora->setFont(enlace);
    lblActAhora->setCursor(Qt::PointingHandCursor);
    lblActAhora->installEventFilter(this);
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setGeometry(kAncho - 232, kAlto - 44, 100, 28);
    cmdAceptar->setDefault(true);
    cmdCancelar = new QPushButton(this);
    cmdCancelar->setObjectName("cmdCancelar");
    cmdCancelar->setGeometry(kAncho - 120, kAlto - 44, 100, 28);

    connect(optCast, &QRadioButton::toggled, this, [this] {
        Guardar(this, "frmPreferencias_794T.optCast_Click", [this] { optCast_Click(); });
    });
    connect(optEusk, &QRadioButton::toggled, this, [this] {
        Guardar(this, "frmPreferencias_794T.optEusk_Click", [this] { optEusk_Click(); });
    });
    connect(cmdAceptar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmPreferencias_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    });
    connect(cmdCancelar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmPreferencias_794T.cmdCancelar_Click", [this] { cmdCancelar_Click(); });
    });
    Form_Load();
}

void frmPreferencias_794::Form_Load() { MostrarPreferencias(); }

void frmPreferencias_794::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Guardar(this, "frmPreferencias_794T.Form_Activate", [this] { Form_Activate(); });
}

void frmPreferencias_794::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        Guardar(this, "frmPreferencias_794T.Form_Activate", [this] { Form_Activate(); });
}

bool frmPreferencias_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lblActAhora && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        Guardar(this, "frmPreferencias_794T.lblActAhora_Click", [this] { lblActAhora_Click(); });
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmPreferencias_794::Form_Activate() {
    // Only the captions: coming back to the window must not undo a choice
    // the user has not accepted yet.
    PresentarTitulos();
}

void frmPreferencias_794::MostrarPreferencias() {
    chkActOnline->setChecked(objActOnline().ActOnline == 1);
    if (objGeneral().IDI() == "C") optCast->setChecked(true);
    else optEusk->setChecked(true);
}

void frmPreferencias_794::PresentarTitulos() {
    lblActAhora->setText(Cat(324));
    chkActOnline->setText(Cat(323));
    lblActualizaciones->setText(Cat(325));
    lblIdioma->setText(Cat(270));
    lblTitulo->setText(Cat(327));
    setWindowTitle(Cat(327));
    cmdAceptar->setText(Cat(105));
    cmdCancelar->setText(Cat(111));
}

void frmPreferencias_794::optCast_Click() { idioma_ = optCast->isChecked() ? "C" : "E"; }

void frmPreferencias_794::optEusk_Click() { idioma_ = optEusk->isChecked() ? "E" : "C"; }

void frmPreferencias_794::lblActAhora_Click() {
    const int16_t antes = objActOnline().ActOnline;
    {
        plataforma::CursorEspera espera;
        ComprobarActualizacion();
    }
    // The failure window stores its own answer at once: show it here too.
    if (objActOnline().ActOnline != antes) chkActOnline->setChecked(objActOnline().ActOnline == 1);
}

void frmPreferencias_794::cmdAceptar_Click() {
    // Both are stored again even when nothing changed.
    objActOnline().ActOnline = chkActOnline->isChecked() ? 1 : 0;
    objActOnline().GuardarActOnline();
    objGeneral().IDI(idioma_);
    if (VentanaPrincipal* principal = VentanaPrincipal::Instancia()) principal->AñadirCaptions();
    accept();
}

void frmPreferencias_794::cmdCancelar_Click() { reject(); }

}  // namespace quelvo
