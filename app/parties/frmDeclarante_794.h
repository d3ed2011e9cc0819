#pragma once
// The declarant editor: creates a declarant or changes the open one, copying
// every change into the program's declarant object as the user types, and
// stores it on Accept after its checks.
#include "parties/editor_persona.h"

class QLabel;

namespace quelvo {

class cDeclarante;

class frmDeclarante_794 : public EditorPersona {
    Q_OBJECT

public:
    explicit frmDeclarante_794(QWidget* parent = nullptr);

    QLabel* labelAlta = nullptr;

public slots:
    void cmdAceptar_Click();
    void cmdCancelar_Click();

protected:
    cDatosPersona& Persona() override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void AnadirCaptions();
    void PresentarDatos();
    // 0 accept, 1 cancel.
    void AceptarCancelar(int accion);
    // Back where the editor came from: the declarations window, or the main
    // window with the declarant cleared and its menus set.
    void Volver(bool guardado);
};

// Shows the one declarant editor, loading it when it is not.
void MostrarDeclarante();

}  // namespace quelvo
