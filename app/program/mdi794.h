#pragma once
// The main window: the multiple-document frame with the menu bar, the toolbar
// and the child windows the commands open.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "services/ventana_principal.h"

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace quelvo {

class MDI794 : public QMainWindow, public VentanaPrincipal {
    Q_OBJECT

public:
    explicit MDI794(QWidget* parent = nullptr);
    ~MDI794() override;

    // Unloads every open window whose name differs from `nombre`.
    void DescargarTodosLosFormularios(const QString& nombre);
    // Window and menu captions from the catalog in the current language.
    void AñadirCaptions() override;
    // Defined with the toolbar's set-up (menus.cpp).
    void MenusSegunDatos(int32_t numDeclarantes) override;

    QWidget* Ventana() override { return this; }
    QMdiArea* mdiArea() const override { return mdiArea_; }
    QToolBar* tlbMDI() const { return tlbMDI_; }
    // A menu entry (or top menu) by its name, e.g. "mnuAbrDec"; nullptr if none.
    QAction* Menu(const QString& nombre) const override;
    // Toolbar button 1 to 5.
    QAction* Boton(int indice) const override;
    int NumeroBotones() const override { return static_cast<int>(botones_.size()); }

    // Connects a menu entry to its command, run inside the event guard. The
    // windows of each subsystem connect the entries that open them.
    void EstablecerComando(const QString& menu, std::function<void()> comando);

public slots:
    void mnuSalir_Click();
    void mnuConInd_Click();
    void mnuBackup_Click();
    void mnuRestore_Click();
    void mnuDescripAsisOnline_Click();
    void mnuAsisOnline_Click();
    void tlbMDI_ButtonClick(QAction* boton);

signals:
    // Emitted at the first activation, after which the menu state is set;
    // the language window hooks in here.
    void PrimeraActivacion();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void crearMenus();
    void crearBarra();
    QAction* entrada(QMenu* menu, const char* nombre);
    QMenu* menuSuperior(const char* nombre);
    // Backup and restore run through the outside library's component.
    bool CopiaSeguridad(bool restaurar);

    QMdiArea* mdiArea_ = nullptr;
    QToolBar* tlbMDI_ = nullptr;
    std::vector<QAction*> botones_;
    std::map<QString, std::function<void()>> comandos_;
    bool blnPrimeraVez = false;
};

}  // namespace quelvo
