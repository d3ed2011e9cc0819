#pragma once
// What the declarant and presenter editors share: the boxes of a name,
// address and contact with their tags, tab order and lengths, the two coded
// boxes (street type, province) with their pick lists, the filling of the
// boxes from the object, and the taking of a picked or typed code. Each
// editor adds its captions, its buttons and its Accept and Cancel.
#include <QWidget>
#include <cstdint>

#include "controls/frmContenedorLista_794.h"

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quelvo {

class CajaCodigo;
class FlujoEditor;
class cDatosPersona;

class EditorPersona : public QWidget, public PropietarioLista {
    Q_OBJECT

public:
    // The pick list's choice: "PROV" sets the province and goes on to the
    // postal code, "SIGLAS" the street type and goes on to the street; a
    // code already held changes nothing. The list is unloaded either way.
    void SelValorLista(QTreeWidget* lsv) override;

    QLabel *lblTitDeclarante, *lblTitDeclarante1, *lblNIF, *lblNombre, *lblSiglas, *lblViaPub,
        *lblNumero, *lblLetra, *lblEscalera, *lblPiso, *lblMano, *lblProvin, *lblNombreProvincia,
        *lblCPost, *lblMunici, *lblTelNum, *lblNombrePdc, *lblTelefonoPdc;
    QLineEdit *txtNIF, *txtNombre, *txtSiglas, *txtNomVia, *txtViaPub, *txtNumero, *txtLetra,
        *txtEscalera, *txtPiso, *txtMano, *txtProvin, *txtNombreProv, *txtCPost, *txtMunici, *txtTelNum,
        *txtNomPdc, *txtTelPdc;
    QToolButton *picSiglas, *picProvin;
    QPushButton *cmdAceptar, *cmdCancelar;

protected:
    // `tagNombreContacto` and `tagTelContacto` name the object's contact
    // fields for the copy of the boxes.
    EditorPersona(const QString& nombre, const char* tagNombreContacto, const char* tagTelContacto,
                  QWidget* parent);

    // Call at the end of the editor's constructor, once every control exists:
    // the key filter, Enter as Tab when asked, the copy on key release (of
    // kind `tipoVolcado`) and the coded boxes. `seleccionar` are the boxes
    // whose text is selected on entering them.
    void Preparar(bool introComoTab, int32_t tipoVolcado, std::initializer_list<QLineEdit*> seleccionar);

    virtual cDatosPersona& Persona() = 0;
    // A button of the editor's own beside Accept and Cancel.
    QPushButton* AnadirBoton(const char* nombre);
    // A control of the editor's own beside the title.
    void AnadirAlTitulo(QWidget* control);

    // The captions both editors take from the same catalog texts.
    void CaptionsComunes();
    // Object to boxes; the contact's name and telephone are the editor's
    // own fields.
    void PresentarDatos(const QString& nombreContacto, int32_t telContacto);

    // Leaving the province box: one digit gets a leading zero; a changed
    // code marks the object, shows its name, or silently puts the previous
    // code back when the list does not hold it; then the code is kept and
    // the postal code is next.
    void txtProvin_LostFocus();
    // Leaving the street-type box with a changed code: a known one marks
    // the object modified and shows its name, an unknown one puts the
    // previous code back; the code is kept and the street is next.
    void txtSiglas_LostFocus();

    FlujoEditor* flujo_ = nullptr;
    CajaCodigo* siglas_ = nullptr;
    CajaCodigo* provincia_ = nullptr;

private:
    QBoxLayout* botones_ = nullptr;
    QBoxLayout* titulo_ = nullptr;
};

}  // namespace quelvo
