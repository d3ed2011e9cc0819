#pragma once
// What the editor windows share around their boxes: the key filter on every
// box, digits-only boxes, the whole text selected on entering a box, Enter
// as a move to the next control, the copy into the record object on every
// key release, the code boxes' leave before Accept, and Cancel's question
// before changes are thrown away.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

class QLineEdit;
class QWidget;

namespace quelvo {

class CajaCodigo;

class FlujoEditor : public QObject {
    Q_OBJECT

public:
    // Build it once the window's controls exist: it watches every control
    // the window holds then. With `introComoTab`, Enter in a box moves to
    // the next control; Enter on a button clicks it either way.
    FlujoEditor(QWidget* ventana, bool introComoTab);

    // Boxes that take only digits (typed, pasted or dropped).
    void SoloDigitos(std::initializer_list<QLineEdit*> cajas);
    // Boxes whose whole text is selected when they get the focus.
    void SeleccionarAlEntrar(std::initializer_list<QLineEdit*> cajas);
    // The window's code boxes: Enter there opens the list, and the one that
    // holds the focus is left before Accept.
    void AnadirCajas(std::initializer_list<CajaCodigo*> cajas);
    // Runs, inside the event guard, on each key released anywhere in the
    // window and on each edit of a box by the user (a paste with the mouse
    // too), so the record object always holds what the boxes show.
    void AlSoltarTecla(std::function<void()> volcado) { volcado_ = std::move(volcado); }

    // Takes what was typed in the focused box as leaving it would: call it
    // first in the Accept handler (a button pressed without taking the focus
    // leaves the box unseen).
    void ConfirmarCampoActivo();

    // Cancel: true when nothing changed, or when the user answers Aceptar to
    // the question (catalog text `idTexto`, title 194 "Guardar cambios").
    static bool DescartarCambios(bool modificado, int32_t idTexto);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Volcar(const char* evento);

    QWidget* ventana_;
    bool introComoTab_;
    std::vector<QLineEdit*> seleccionar_;
    std::vector<CajaCodigo*> cajas_;
    std::function<void()> volcado_;
};

}  // namespace quelvo
