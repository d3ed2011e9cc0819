#pragma once
// Driving the declarations and entry windows by their controls' names: the
// windows they hand over to, boxes typed and left, picks in the drop-down.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QToolButton>
#include <QWidget>

#include "controls/caja_importe.h"
#include "controls/frmContenedorLista_794.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "dialogos.h"
#include "parties/cdeclarante.h"
#include "teclado.h"

namespace prueba {

// Lets pending events run, deferred deletions included.
inline void Procesar() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The open window of that name (none when it is not open), made active.
inline QWidget* VentanaAbierta(const QString& nombre) {
    Procesar();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != nombre || !w->isVisible()) continue;
        w->activateWindow();
        QApplication::setActiveWindow(w);
        Procesar();
        return w;
    }
    return nullptr;
}

template <typename T>
T* Control(QWidget* ventana, const char* nombre) {
    T* control = ventana ? ventana->findChild<T*>(nombre) : nullptr;
    EXPECT_NE(control, nullptr) << nombre;
    return control;
}

inline void Pulsar(QWidget* ventana, const char* boton) {
    Control<QAbstractButton>(ventana, boton)->click();
    Procesar();
}

// Types the text into the box as the user would (replacing what it held)
// and leaves it for `siguiente`.
inline void Escribir(QLineEdit* caja, const QString& texto, QWidget* siguiente) {
    caja->setFocus(Qt::TabFocusReason);
    Procesar();
    caja->selectAll();
    if (texto.isEmpty()) QTest::keyClick(caja, Qt::Key_Delete);
    else Teclear(caja, texto);
    siguiente->setFocus(Qt::TabFocusReason);
    Procesar();
}

// Opens the drop-down with the button and picks the item with that text.
inline void Elegir(QAbstractButton* boton, const QString& texto) {
    bool encontrado = false;
    QWidget* activa = boton->window();
    ConModal([&] { boton->click(); },
             [&](QWidget* modal) {
                 auto lista = modal->findChild<QTreeWidget*>("lsvLista");
                 if (!lista) return;
                 for (int i = 0; i < lista->topLevelItemCount(); ++i) {
                     QTreeWidgetItem* item = lista->topLevelItem(i);
                     if (item->text(0).compare(texto, Qt::CaseInsensitive) != 0) continue;
                     encontrado = true;
                     lista->setCurrentItem(item);
                     emit lista->itemClicked(item, 0);
                     return;
                 }
             });
    // The window the list was opened from is active again, as on a screen.
    activa->activateWindow();
    QApplication::setActiveWindow(activa);
    Procesar();
    EXPECT_TRUE(encontrado) << texto.toStdString();
}

// One entry typed into the entry window, not yet saved: a new entry, then
// country, VAT number, name, the key from its picker and the amount.
inline void TeclearEntrada(QWidget* v, const QString& pais, const QString& nif, const QString& nombre,
                           const QString& clave, const QString& importe) {
    auto caja = [v](const char* nombre) { return Control<QLineEdit>(v, nombre); };
    Pulsar(v, "cmdCrearDeclarado");
    Escribir(caja("txtPais"), pais, caja("txtNif"));
    Escribir(caja("txtNif"), nif, caja("txtNombre"));
    Escribir(caja("txtNombre"), nombre, caja("txtNif"));
    Elegir(Control<QToolButton>(v, "picClave"), clave);
    Escribir(Control<quelvo::CajaImporte>(v, "cnuImporte"), importe, caja("txtNif"));
}

// Opens the declarant's declarations window on the declaration with that key
// and presses its print button: the print dialog takes the window's place.
// Answers the declarations window, null once it is gone.
inline QPointer<QWidget> ImprimirDesdeDeclaraciones(int32_t declarante, const QString& declaracion) {
    quelvo::objDeclarante().CargarDeclarante(declarante);
    quelvo::objDeclarante().Modo(1);
    quelvo::objListaDeclaraciones().Modo(1);
    quelvo::objListaDeclaraciones().CodDecla(0);
    QPointer<QWidget> ventana = quelvo::MostrarDeclaraciones();
    QApplication::processEvents();
    auto lista = Control<QTreeWidget>(ventana, "lsvDeclaraciones");
    for (int i = 0; i < lista->topLevelItemCount(); ++i)
        if (lista->topLevelItem(i)->text(0) == declaracion) lista->setCurrentItem(lista->topLevelItem(i));
    Control<QAbstractButton>(ventana, "cmdImprimir")->click();
    QApplication::processEvents();
    return ventana;
}

// Closes every window the test left open.
inline void CerrarVentanas() {
    quelvo::DescargarContenedorLista();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->close();
    Procesar();
}

}  // namespace prueba
