#include "windows/pantalla.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/sistema.h"
#include "services/errores.h"
#include "services/interaccion.h"
#include "services/mensajes.h"
#include "windows/frmBarraDeProgreso_794.h"
#include "windows/frmGestErrores_794.h"
#include "windows/frmListaErrores_794.h"
#include "windows/frmMsgBox_794.h"

namespace quelvo {

namespace {

int16_t CajaMsgBox(const QString& texto, const QString& titulo, bool soloAceptar) {
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

void VentanaGestErrores(const QString& formulario, const QString& evento, const QString& descripcion) {
    // No parent: the window must outlive whatever window failed.
    frmGestErrores_794 ventana;
    ventana.Mostrar(formulario, evento, descripcion);
}

class InteraccionPantalla : public Interaccion {
public:
    void MostrarErrores(const rt::Variant& vErrores) override {
        frmListaErrores_794 lista;
        lista.vErrores = vErrores;
        lista.exec();
    }
    bool Preguntar(const QString& texto, const QString& titulo) override {
        return MostrarMensaje(texto, titulo, false) == 1;
    }
    void Avisar(const QString& texto, const QString& titulo) override {
        MostrarMensaje(texto, titulo, true);
    }
    std::unique_ptr<void, void (*)(void*)> Esperar() override {
        return {new plataforma::CursorEspera,
                [](void* p) { delete static_cast<plataforma::CursorEspera*>(p); }};
    }
    bool AvanzarProgreso(int32_t pasos) override { return quelvo::AvanzarProgreso(pasos); }
    void CompletarProgreso() override {
        intProgreso = intTotalProgreso;
        quelvo::AvanzarProgreso(intProgreso);
    }
};

}  // namespace

void ConectarPantalla() {
    static InteraccionPantalla pantalla;
    MostrarMensaje.Set(CajaMsgBox);
    GestionarError.Set(VentanaGestErrores);
    EstablecerInteraccionPantalla(&pantalla);
}

}  // namespace quelvo
