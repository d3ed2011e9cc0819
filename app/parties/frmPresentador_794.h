#pragma once
// The presenter editor: enters, changes or deletes the one presenter.
#include "parties/editor_persona.h"

namespace quelvo {

class frmPresentador_794 : public EditorPersona {
    Q_OBJECT

public:
    explicit frmPresentador_794(QWidget* parent = nullptr);

    QPushButton* cmdEliminar = nullptr;

public slots:
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void cmdEliminar_Click();

protected:
    cDatosPersona& Persona() override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void AnadirCaptions();
    void PresentarDatos();
    void PresentarBotones();
    // 0 accept, 1 cancel, 6 delete.
    void Acciones(int accion);
    // Menus back on and the window unloaded.
    void Cerrar();
};

// Shows the one presenter editor, loading it when it is not.
void MostrarPresentador();

}  // namespace quelvo
