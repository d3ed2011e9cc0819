#include "windows/frmInicio_794.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

#include "controls/estilo.h"
#include "platform/espera.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "windows/actualizacion_online.h"

namespace quelvo {

namespace {

constexpr int kAncho = 480;
constexpr int kAlto = 300;

QLabel* etiqueta(QWidget* padre, const char* nombre, int x, int y, int ancho, int alto) {
    auto l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setWordWrap(true);
    l->setGeometry(x, y, ancho, alto);
    return l;
}

QLabel* imagen(QWidget* padre, const char* nombre, QStyle::StandardPixmap icono, int x, int y) {
    auto l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setPixmap(QApplication::style()->standardIcon(icono).pixmap(48, 48));
    l->setGeometry(x, y, 48, 48);
    return l;
}

}  // namespace

frmInicio_794::frmInicio_794(int plazo, int plazoConComprobacion, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen), plazo_(plazo), plazoConComprobacion_(plazoConComprobacion) {
    setObjectName("frmInicio_794");
    setFixedSize(kAncho, kAlto);
    imagen(this, "Image1", QStyle::SP_ComputerIcon, 16, 16);
    imagen(this, "Image2", QStyle::SP_FileDialogDetailedView, kAncho - 64, 16);
    lblTitulo = etiqueta(this, "lblTitulo", 80, 16, kAncho - 160, 26);
    QFont grande = lblTitulo->font();
    grande.setBold(true);
    grande.setPointSize(grande.pointSize() + 4);
    lblTitulo->setFont(grande);
    lblTitulo1 = etiqueta(this, "lblTitulo1", 80, 44, kAncho - 160, 22);
    lblDescripcion = etiqueta(this, "lblDescripcion", 16, 80, kAncho - 32, 60);
    lblDescripcion1 = etiqueta(this, "lblDescripcion1", 16, 144, kAncho - 32, 60);
    lblVersion = etiqueta(this, "lblVersion", 16, 212, kAncho - 32, 22);
    LblAct = etiqueta(this, "LblAct", 16, 238, kAncho - 32, 22);
    LblAct->setVisible(false);
    lblcopy = etiqueta(this, "lblcopy", 16, kAlto - 30, kAncho - 32, 20);
    lblcopy->setText("Quelvo - Modelo 794");
}

void frmInicio_794::Mostrar() { Form_Load(); }

void frmInicio_794::Form_Load() {
    // Up at once, so it shows while the rest runs.
    show();
    QCoreApplication::processEvents();
    AplicarEstilo(this);
    lblVersion->setText(TextoVersion());
    lblTitulo->setText(Cat(333));
    lblTitulo1->setText(Cat(334));
    // The description in both languages, whatever the current one.
    lblDescripcion->setText(TextoCatalogo(163));
    lblDescripcion1->setText(TextoCatalogo(163 + kOffsetEuskera));
    LblAct->setText(Cat(290));

    // Taken before the check: a long check adds no further wait.
    int64_t limite = plataforma::SegundoActual() + plazo_;
    if (objActOnline().ActOnline == 1) {
        limite = plataforma::SegundoActual() + plazoConComprobacion_;
        LblAct->setVisible(true);
        ComprobarActualizacion();
        LblAct->setVisible(false);
    }
    plataforma::EsperarHastaSegundo(limite);
}

}  // namespace quelvo
