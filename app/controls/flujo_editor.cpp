#include "controls/flujo_editor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "controls/caja_codigo.h"
#include "controls/filtros.h"
#include "services/catalogo.h"
#include "services/guarda.h"
#include "services/interaccion.h"

namespace quelvo {

FlujoEditor::FlujoEditor(QWidget* ventana, bool introComoTab)
    : QObject(ventana), ventana_(ventana), introComoTab_(introComoTab) {
    ventana_->installEventFilter(this);
    for (QWidget* control : ventana_->findChildren<QWidget*>()) control->installEventFilter(this);
    for (QLineEdit* caja : ventana_->findChildren<QLineEdit*>())
        connect(caja, &QLineEdit::textEdited, this, [this] { Volcar("Form_KeyUp"); });
}

void FlujoEditor::SoloDigitos(std::initializer_list<QLineEdit*> cajas) {
    for (QLineEdit* caja : cajas) SoloNumeros(caja);
    // Every other box takes the window's key filter.
    FiltrarVentana(ventana_);
}

void FlujoEditor::SeleccionarAlEntrar(std::initializer_list<QLineEdit*> cajas) {
    seleccionar_.insert(seleccionar_.end(), cajas.begin(), cajas.end());
    FiltrarVentana(ventana_);
}

void FlujoEditor::AnadirCajas(std::initializer_list<CajaCodigo*> cajas) {
    cajas_.insert(cajas_.end(), cajas.begin(), cajas.end());
}

void FlujoEditor::Volcar(const char* evento) {
    if (!volcado_) return;
    const QByteArray lugar = (ventana_->objectName() + "T." + evento).toUtf8();
    Guardar(ventana_, lugar.constData(), volcado_);
}

void FlujoEditor::ConfirmarCampoActivo() {
    QWidget* foco = QApplication::focusWidget();
    for (CajaCodigo* caja : cajas_)
        if (caja->caja() == foco) caja->Salir();
}

bool FlujoEditor::DescartarCambios(bool modificado, int32_t idTexto) {
    if (!modificado) return true;
    return interaccion().Preguntar(Cat(idTexto), Cat(194));
}

bool FlujoEditor::eventFilter(QObject* objeto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::KeyRelease:
        // Seen once, at the control that has the focus, and left to it (a
        // button clicks on the release of Space).
        if (objeto == QApplication::focusWidget() && !static_cast<QKeyEvent*>(evento)->isAutoRepeat())
            Volcar("Form_KeyUp");
        break;
    case QEvent::KeyPress: {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) break;
        if (objeto->property("CajaCodigo").toBool()) break;
        if (auto boton = qobject_cast<QAbstractButton*>(objeto)) {
            boton->click();
            return true;
        }
        if (auto caja = qobject_cast<QLineEdit*>(objeto)) {
            if (introComoTab_) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QApplication::sendEvent(caja, &tab);
            }
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (auto caja = qobject_cast<QLineEdit*>(objeto);
            caja && std::find(seleccionar_.begin(), seleccionar_.end(), caja) != seleccionar_.end()) {
            // After the click that brought the focus has placed the cursor.
            QTimer::singleShot(0, caja, [caja] {
                if (caja->hasFocus()) SeleccionarTexto(caja);
            });
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}

}  // namespace quelvo
