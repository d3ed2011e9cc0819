#include "windows/frmBarraDeProgreso_794.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <limits>

#include "controls/estilo.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/guarda.h"

namespace quelvo {

namespace {

constexpr int kAncho = 420;
constexpr int kAlto = 130;

QPointer<frmBarraDeProgreso_794> ventana;

}  // namespace

frmBarraDeProgreso_794& BarraDeProgreso() {
    if (!ventana || ventana->descargada_) ventana = new frmBarraDeProgreso_794();
    return *ventana;
}

bool AvanzarProgreso(int32_t pasos) {
    const int64_t suma = int64_t{intProgreso} + pasos;
    if (suma < std::numeric_limits<int32_t>::min() || suma > std::numeric_limits<int32_t>::max())
        throw rt::Error::Runtime(rt::err::Overflow);
    intProgreso = static_cast<int32_t>(suma);
    const bool detenido = BarraDeProgreso().ActivarProgreso();
    if (detenido) blnProgresoDetenido = true;
    return detenido;
}

frmBarraDeProgreso_794::frmBarraDeProgreso_794(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("frmBarraDeProgreso_794");
    setWindowTitle("Quelvo");
    // The job runs on the UI thread: nothing else may start meanwhile.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kAncho, kAlto);
    setCursor(Qt::WaitCursor);
    lblTitulo = new QLabel(this);
    lblTitulo->setObjectName("lblTitulo");
    lblTitulo->setGeometry(16, 12, kAncho - 32, 22);
    bpgGeneral = new QProgressBar(this);
    bpgGeneral->setObjectName("bpgGeneral");
    bpgGeneral->setGeometry(16, 44, kAncho - 32, 24);
    bpgGeneral->setRange(0, 100);
    bpgGeneral->setValue(0);
    cmdCancelar = new QPushButton(this);
    cmdCancelar->setObjectName("cmdCancelar");
    cmdCancelar->setGeometry(kAncho / 2 - 50, kAlto - 44, 100, 28);
    cmdCancelar->setCursor(Qt::ArrowCursor);
    connect(cmdCancelar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmBarraDeProgreso_794T.cmdCancelar_Click", [this] { cmdCancelar_Click(); });
    });
    Form_Load();
}

void frmBarraDeProgreso_794::Form_Load() {
    AplicarEstilo(this);
    cmdCancelar->setText(Cat(111));
}

void frmBarraDeProgreso_794::cmdCancelar_Click() { blnCancelar = true; }

void frmBarraDeProgreso_794::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    if (!descargada_) blnCancelar = true;
}

bool frmBarraDeProgreso_794::ActivarProgreso() {
    if (intTotalProgreso > 0) {
        bpgGeneral->setMaximum(intTotalProgreso);
        if (blnCancelar) {
            Form_Unload();
            return true;
        }
    }
    if (intProgreso < intTotalProgreso) {
        // Here the window paints and a Cancel click arrives; it is answered
        // at the next step.
        QPointer<frmBarraDeProgreso_794> yo(this);
        QCoreApplication::processEvents();
        if (yo && !descargada_) bpgGeneral->setValue(intProgreso);
    } else if (intProgreso == intTotalProgreso) {
        bpgGeneral->setValue(intProgreso);
        Form_Unload();
    } else {
        Form_Unload();
    }
    return false;
}

void frmBarraDeProgreso_794::Form_Unload() {
    blnCancelar = false;
    intProgreso = 0;
    hide();
    descargada_ = true;
    deleteLater();
}

}  // namespace quelvo
