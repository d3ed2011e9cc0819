#pragma once
// The modal window in which the user confirms or changes the file a run
// writes; for telematic runs it also offers the collective presentation. The
// opener sets the texts of lblTitulo, lblIndCol and labelDescripcionRuta and
// finds the outcome in the file selector (and, for telematic runs, in the run
// object's IndCol).
#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace quelvo {

class ctrSelFichero_794;

class frmSelFichero_794 : public QDialog {
    Q_OBJECT

public:
    explicit frmSelFichero_794(QWidget* parent = nullptr);
    ~frmSelFichero_794() override;

    QFrame* shp = nullptr;
    QFrame* shpMarco1 = nullptr;
    QLabel* lblTitulo = nullptr;
    QLabel* labelDescripcionRuta = nullptr;
    QFrame* fraIndCol = nullptr;
    QCheckBox* chkColectiva = nullptr;
    QLabel* lblIndCol = nullptr;
    QLabel* lbAvisoSinEstilo = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;
    ctrSelFichero_794* ctrSelFichero = nullptr;

    // The close box and Esc cancel, as cmdCancelar does.
    void reject() override;

public slots:
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void chkColectiva_Click();

private:
    void Form_Load();
    void CargarTextos();
    void AnadirSelectorFichero();
    void PresentarOpcionColectiva();
};

}  // namespace quelvo
