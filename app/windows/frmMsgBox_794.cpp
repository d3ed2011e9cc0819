#include "windows/frmMsgBox_794.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "services/catalogo.h"
#include "services/guarda.h"
#include "services/mensajes.h"
#include "services/twips.h"

namespace quelvo {

namespace {

constexpr int kAncho = 420;
constexpr int kBotonArriba = 176;
constexpr int kBotonAncho = 100;
constexpr int kAceptarIzquierda = 110;
constexpr int kCancelarIzquierda = kAceptarIzquierda + kBotonAncho + 40;
// 1055 twips: alone, "Aceptar" stands in the middle of the room of both.
constexpr int kAceptarSolo = kAceptarIzquierda + Px(1055);

}  // namespace

frmMsgBox_794::frmMsgBox_794(QWidget* parent) : QDialog(parent) {
    setObjectName("frmMsgBox_794");
    setWindowTitle("MsgBox");
    setFixedSize(kAncho, kBotonArriba + 40);

    imgMsgBox = new QLabel(this);
    imgMsgBox->setObjectName("imgMsgBox");
    imgMsgBox->setGeometry(12, 12, 32, 32);
    lblTitulo = new QLabel(this);
    lblTitulo->setObjectName("lblTitulo");
    lblTitulo->setGeometry(56, 12, kAncho - 68, 22);
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    lblTitulo->setFont(negrita);
    txtMensaje = new QPlainTextEdit(this);
    txtMensaje->setObjectName("txtMensaje");
    txtMensaje->setReadOnly(true);
    txtMensaje->setGeometry(56, 40, kAncho - 68, 100);
    chkMostrarMensaje = new QCheckBox(this);
    chkMostrarMensaje->setObjectName("chkMostrarMensaje");
    chkMostrarMensaje->setGeometry(56, 146, kAncho - 68, 22);
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setGeometry(kAceptarIzquierda, kBotonArriba, kBotonAncho, 28);
    cmdAceptar->setDefault(true);
    cmdCancelar = new QPushButton(this);
    cmdCancelar->setObjectName("cmdCancelar");
    cmdCancelar->setGeometry(kCancelarIzquierda, kBotonArriba, kBotonAncho, 28);

    connect(cmdAceptar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmMsgBox_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    });
    connect(cmdCancelar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmMsgBox_794T.cmdCancelar_Click", [this] { cmdCancelar_Click(); });
    });
    connect(chkMostrarMensaje, &QCheckBox::toggled, this, [this] {
        Guardar(this, "frmMsgBox_794T.chkMostrarMensaje_Click",
                [this] { chkMostrarMensaje_Click(); });
    });
    // Loading runs inside the caller's call, so a failure reaches the caller.
    Form_Load();
}

void frmMsgBox_794::Form_Load() {
    chkMostrarMensaje->setVisible(blnMostrarAviso);
    cmdAceptar->setText(Cat(105));
    cmdCancelar->setText(Cat(111));
    chkMostrarMensaje->setText(Cat(228));
}

void frmMsgBox_794::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Guardar(this, "frmMsgBox_794T.Form_Activate", [this] { Form_Activate(); });
}

void frmMsgBox_794::Form_Activate() {
    // A fixed place rather than a step, so activating the box again never
    // walks the button off.
    if (cmdCancelar->isHidden()) cmdAceptar->move(kAceptarSolo, kBotonArriba);
}

void frmMsgBox_794::cmdAceptar_Click() {
    intRespuesta = 1;
    QDialog::accept();
    // Repaint what the box covered before the caller goes on.
    QApplication::processEvents();
}

void frmMsgBox_794::cmdCancelar_Click() {
    intRespuesta = 2;
    QDialog::reject();
}

void frmMsgBox_794::reject() {
    // Esc or the close box must not leave the previous box's answer behind.
    if (cmdCancelar->isHidden()) {
        intRespuesta = 1;
        QDialog::accept();
    } else {
        cmdCancelar_Click();
    }
}

void frmMsgBox_794::chkMostrarMensaje_Click() {
    // The box as it stands when the question is answered decides: a tick
    // taken back keeps the warning.
    blnMostrarAviso = !chkMostrarMensaje->isChecked();
}

}  // namespace quelvo
