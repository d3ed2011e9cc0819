#pragma once
// The main window as the windows below the program see it: the area their
// child windows open in, its menu entries and toolbar buttons, and the three
// menu walkers every dialog uses while it is open. The program's main window
// stands here for as long as it exists.
#include <QString>
#include <cstdint>

class QAction;
class QMdiArea;
class QWidget;

namespace quelvo {

class VentanaPrincipal {
public:
    // The program's one main window while it exists, else nullptr.
    static VentanaPrincipal* Instancia();

    virtual QWidget* Ventana() = 0;
    virtual QMdiArea* mdiArea() const = 0;
    // A menu entry (or top menu) by its name, e.g. "mnuAbrDec"; nullptr if none.
    virtual QAction* Menu(const QString& nombre) const = 0;
    // Toolbar button 1 to NumeroBotones.
    virtual QAction* Boton(int indice) const = 0;
    virtual int NumeroBotones() const = 0;
    // Window and menu captions from the catalog in the current language.
    virtual void AñadirCaptions() = 0;
    // The part of the menu policy that the data decides, once every entry is
    // on: the recent declarants, and the entries that need a declarant or a
    // declaration.
    virtual void MenusSegunDatos(int32_t numDeclarantes) = 0;

    VentanaPrincipal(const VentanaPrincipal&) = delete;
    VentanaPrincipal& operator=(const VentanaPrincipal&) = delete;

protected:
    // The window being built becomes the instance; it stops being it when it
    // is destroyed.
    VentanaPrincipal();
    virtual ~VentanaPrincipal();
};

// Every menu entry and toolbar button off (the about window).
void DeshabilitarMenus();
// The same, but the help menu with its two entries and the last two toolbar
// buttons ("Ayuda", "Salir") keep their state.
void DeshabilitarMenusSalvoAyuda();
// Every menu entry and toolbar button on; the menu policy then narrows it.
void HabilitarMenus();
// What must stay usable when the menu policy fails: Exit, the help menu and
// the preferences, with the menus that hold them and the "Ayuda" and "Salir"
// buttons.
void HabilitarMenusEsenciales();

}  // namespace quelvo
