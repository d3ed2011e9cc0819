#pragma once
// The declarant export window: every stored declarant on the left, the
// chosen ones on the right, and Aceptar writes the chosen ones, in their
// order, to a declarant exchange file.
#include <QWidget>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quelvo {

class ColumnasAjustadas;

class frmExporDtes_794 : public QWidget {
    Q_OBJECT

public:
    explicit frmExporDtes_794(QWidget* parent = nullptr);

    // Shows the program's one window, opening it when it is not open.
    static frmExporDtes_794* Mostrar();

    // Moves and Aceptar follow the lists' contents.
    void PresentarBotonesListas();

    QLabel* lblTitDeclarante = nullptr;
    QLabel* lblDteOrg = nullptr;
    QLabel* lblDteDes = nullptr;
    QLabel* lblNumOrg = nullptr;
    QLabel* lblNumDes = nullptr;
    QLabel* lblNomOrg = nullptr;
    QLabel* lblNomDes = nullptr;
    QTreeWidget* lsvOrg = nullptr;
    QTreeWidget* lsvDes = nullptr;
    QPushButton* cmdUD = nullptr;
    QPushButton* cmdVD = nullptr;
    QPushButton* cmdUI = nullptr;
    QPushButton* cmdVI = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;

public slots:
    void cmdUD_Click();
    void cmdVD_Click();
    void cmdUI_Click();
    void cmdVI_Click();
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void lblNumOrg_Click();
    void lblNomOrg_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Form_Load();
    void AñadirCaptions();
    void RellenarListaOrg();
    QTreeWidget* CrearLista(const char* nombre);
    // Moves the row to the end of the other list; the copy is answered.
    QTreeWidgetItem* Mover(QTreeWidgetItem* fila, QTreeWidget* destino);
    // The columns of the two lists.
    std::vector<ColumnasAjustadas*> columnas_;
};

}  // namespace quelvo
