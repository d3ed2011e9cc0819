#pragma once
// Building the printing and recording windows: a control with its name, a
// framed shape, and an event handler run inside the guard.
#include <QFrame>
#include <QWidget>

#include "services/guarda.h"

namespace quelvo {

template <typename T>
T* Control(QWidget* padre, const char* nombre) {
    auto control = new T(padre);
    control->setObjectName(nombre);
    return control;
}

inline QFrame* Marco(QWidget* padre, const char* nombre) {
    auto marco = Control<QFrame>(padre, nombre);
    marco->setFrameShape(QFrame::Box);
    return marco;
}

// The slot of a signal: `manejador` of `ventana`, inside Guardar.
template <typename W>
auto Guardado(W* ventana, const char* evento, void (W::*manejador)()) {
    return [ventana, evento, manejador] {
        Guardar(ventana, evento, [&] { (ventana->*manejador)(); });
    };
}

}  // namespace quelvo
