#pragma once
// The print and record dialog: the user chooses the printed outputs (draft,
// medium labels, the declarant's and the Administration's copy of the summary
// form) and the submission file of one run. Opened from the declarations
// window for its declaration (run object's ProcImprimir 1), or from the main
// window's menu with the two-list selector of declarants (ProcImprimir 0).
#include <QWidget>
#include <cstdint>
#include <functional>

#include "printing/ctrListaDecl_794.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quelvo {

class frmImprimirGrabar_794 : public QWidget, public AnfitrionListaDecl {
    Q_OBJECT

public:
    // The opener sets the run object first (ProcImprimir and, from the
    // declarations window, the declarants, declaration and period).
    // `alCerrar` runs when the dialog closes: the calling window shows itself
    // again.
    explicit frmImprimirGrabar_794(std::function<void()> alCerrar = {}, QWidget* parent = nullptr);
    ~frmImprimirGrabar_794() override;

    // The program's one dialog, opened (in the main window when there is one)
    // or brought forward.
    static frmImprimirGrabar_794* Abrir(std::function<void()> alCerrar = {});

    // Which controls are enabled for the ticked boxes.
    void PresentarBotones();
    // The declaration's frame (mode 1) or the declarant selector (mode 0).
    void CargarControl();
    // Sets up and shows the progress window; soloFichero counts the file only.
    void InicializarBarraDeProgreso(bool soloFichero);

    // Host interface of the selector.
    void HabilitarAcciones(bool habilitar) override;

    QLabel* lblTitGrabImpr = nullptr;
    QFrame* fraDeclarante = nullptr;
    QLabel* lblTitDeclarante = nullptr;
    QLabel* lblDatosDeclaracion = nullptr;
    QLabel* lblEjercicio = nullptr;
    QLabel* lblPeriodo = nullptr;
    QLabel* lblDeclarados = nullptr;
    QLabel* lblMoneda = nullptr;
    QLabel* lblNifDeclarante = nullptr;
    QLabel* lblNombreDeclarante = nullptr;
    QLineEdit* txtEjercicio = nullptr;
    QLineEdit* txtPeriodo = nullptr;
    QLineEdit* txtDeclarados = nullptr;
    QLineEdit* txtMoneda = nullptr;
    QLineEdit* txtNifDeclarante = nullptr;
    QLineEdit* txtNombreDeclarante = nullptr;
    QFrame* shpMarco1_TipoPre = nullptr;
    QLabel* lblTipoPre = nullptr;
    QRadioButton* optIndividual = nullptr;
    QRadioButton* optColectiva = nullptr;
    QLabel* lblOpciones = nullptr;
    QCheckBox* chkImprimir = nullptr;
    QCheckBox* chkGrabar = nullptr;
    QFrame* shpOpcionesImp = nullptr;
    QLabel* lblOpcionesImp = nullptr;
    QCheckBox* chkBorrador = nullptr;
    QCheckBox* chkEtiquetas = nullptr;
    QCheckBox* chkInteresado = nullptr;
    QCheckBox* chkAdministracion = nullptr;
    QLabel* labelFechaPresentacion = nullptr;
    QLineEdit* txtFechaPresentacion = nullptr;
    QLabel* lblFecha = nullptr;
    QLabel* lbAvisoSinEstilo = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdOpcImp = nullptr;
    QPushButton* cmdCancelar = nullptr;
    // Mode 0 only.
    ctrListaDecl_794* ctrdatos = nullptr;

public slots:
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void cmdOpcImp_Click();
    void chkGrabar_Click();
    void chkOpcion_Click();
    void optTipo_Click();

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    // The close box does what Cancelar does; nothing closes during a run.
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void InicializarOpciones();
    void CargarTextos();
    void CrearControles();
    // Accept's preparation: the presenter of a collective run and the chosen
    // declarants; false when the run must not start.
    bool PrepararEjecucion();
    // fichero: the one PDF file that takes every printed page of the run, as
    // chosen in the printer dialog; "" for the usual destinations.
    void EjecutarProceso(const QString& fichero = QString());
    // The run itself: the date checked, the outputs printed, the file
    // recorded; every failure told.
    void Ejecutar(const QString& fichero);
    // False when the user stopped the run in the progress window.
    bool ImprimirCopias();
    void GrabarFichero();
    // True when the date is wrong (the user has been told).
    bool ValidarFechaPresentacion();
    void CerrarFormulario();
    bool Modo1() const;
    void Titulo(const QString& texto);

    std::function<void()> alCerrar_;
    // The run object's ProcImprimir when the dialog was opened.
    const int32_t modo_;
    bool enCurso_ = false;
    bool cerrado_ = false;
};

}  // namespace quelvo
