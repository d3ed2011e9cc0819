#include "services/mensajes.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/sistema.h"
#include "windows/frmMsgBox_794.h"

namespace quelvo {

int16_t MostrarMensaje(const QString& texto, const QString& titulo, bool soloAceptar) {
    plataforma::CursorNormal flecha;
    // A fresh window each time: both buttons at their places, as designed.
    frmMsgBox_794 caja;
    QString mensaje = texto;
    caja.txtMensaje->setPlainText(mensaje.replace("\r\n", "\n").replace('\r', '\n'));
    caja.lblTitulo->setText(titulo);
    QStyle::StandardPixmap imagen = QStyle::SP_MessageBoxQuestion;
    if (soloAceptar) {
        caja.cmdCancelar->hide();
        imagen = QStyle::SP_MessageBoxInformation;
    }
    caja.imgMsgBox->setPixmap(caja.style()->standardPixmap(imagen));
    caja.exec();
    return intRespuesta;
}

}  // namespace quelvo
