#pragma once
// The declarant picker: every stored declarant, to open one (its
// declarations window follows) or to delete one with all its declarations
// and declared entries. The declarant object's AbrirBorrar chooses the mode
// when the window loads.
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QFrame;

namespace quelvo {

class ColumnasAjustadas;

class frmListaDeclarantes_794 : public QWidget {
    Q_OBJECT

public:
    explicit frmListaDeclarantes_794(QWidget* parent = nullptr);

    QTreeWidget* lsvDeclarantes = nullptr;
    QLabel *lblNumero = nullptr, *lblNombre = nullptr, *lblTitDeclte = nullptr, *imgDeclarantes = nullptr;
    QFrame *shpLista = nullptr, *shpMarco1_ID = nullptr, *shpMarco1_Nombre = nullptr;
    QPushButton *cmdAceptar = nullptr, *cmdCancelar = nullptr;

    // The picture shown: 1 open, 6 delete.
    int Imagen() const;
    // Whether the long-list sizes and the shift to the left are in force.
    bool ListaLarga() const { return largo_; }
    bool Desplazada() const { return desplazado_; }

    // The window became the active one: the list takes the focus and the
    // main window's menus go off but help.
    void Form_Activate();

public slots:
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void lblNumero_Click();
    void lblNombre_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void AnadirCaptions();
    void InicializarLista();
    void RellenarLista();
    void PresentaBotones();
    void Colocar();
    void Ordenar(int columna);
    // 0 accept, 1 cancel.
    void AceptarCancelar(int accion);
    void lsvDeclarantes_KeyPress(int tecla);

    bool largo_ = false;
    bool desplazado_ = false;
    QWidget* zona_ = nullptr;
    ColumnasAjustadas* columnas_ = nullptr;
};

// Shows the one picker, loading it (in the mode of the declarant object's
// AbrirBorrar) when it is not.
void MostrarListaDeclarantes();

}  // namespace quelvo
