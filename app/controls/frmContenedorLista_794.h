#pragma once
// The code-list drop-down: one small window holding one list, opened under a
// code field for the user to pick a code, or used unseen to check a typed
// code against the list.
#include <QDialog>
#include <QString>
#include <cstdint>

class QTreeWidget;

namespace quelvo {

// What an owner window of the drop-down implements: SelValorLista receives
// the list when the user chooses (its selected item, the item's key and the
// list's Tag), takes the code and unloads the drop-down.
class PropietarioLista {
public:
    virtual void SelValorLista(QTreeWidget* lsv) = 0;

protected:
    PropietarioLista() = default;
    // An owner that goes away is never called again.
    virtual ~PropietarioLista();
};

class frmContenedorLista_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmContenedorLista_794(QWidget* parent = nullptr);

    // Items keyed "c" followed by the code; the Tag holds the list's name.
    QTreeWidget* lsvLista = nullptr;

    // Empties the list, names it and has the general-services object fill it.
    void InicializarLista(const QString& nombre);
    // The one column and the window's size (twips), and the owner's current
    // code, which is selected when the window shows.
    void RedimensionarLista(const QString& encabezado, int16_t ancho, int16_t margen, int16_t alto,
                            const QString& codigoActual);
    // Places the sized window under the field, like a drop-down list; where
    // the field's window (the main window) has no room for it there, above
    // the field or as far in as it fits.
    void Colocar(const QWidget* campo);
    // The text, in capitals, of the item whose code is exactly `codigo`; ""
    // when there is none.
    QString ListValue(const QString& codigo) const;

    // The owner's code before a change; kept for the owner only.
    const QString& OldValue() const { return OldValue_; }
    void OldValue(const QString& valor) { OldValue_ = valor; }

    PropietarioLista* FormPadre() const { return FormPadre_; }
    void FormPadre(PropietarioLista* propietario) { FormPadre_ = propietario; }

public slots:
    void lsvLista_Click();

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    // Enter chooses, Esc leaves without a choice.
    bool Form_KeyDown(int tecla);
    void Elegir();

    QString OldValue_;
    QString codigoActual_;
    PropietarioLista* FormPadre_ = nullptr;
};

// The one drop-down, loaded on first use.
frmContenedorLista_794& ContenedorLista();
// Unloads it (closing it if shown); the next use loads it empty.
void DescargarContenedorLista();
// Whether it is loaded now.
bool ContenedorListaCargado();

}  // namespace quelvo
