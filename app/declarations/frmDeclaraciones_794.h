#pragma once
// The declarations window: the current declarant's declarations, and the
// panel with which one is created or copied; opening one hands over to the
// declared-entry window.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "controls/frmContenedorLista_794.h"
#include "services/hook.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace quelvo {

class CajaCodigo;
class FlujoEditor;

// A row of the list read back.
struct FilaDeclaracion {
    int32_t clave = 0;
    int32_t ejercicio = 0;
    int16_t periodo = 0;
    QString moneda;
    uint8_t periodicidad = 0;
    QString bimensual;
};

class frmDeclaraciones_794 : public QWidget, public PropietarioLista {
    Q_OBJECT

public:
    explicit frmDeclaraciones_794(QWidget* parent = nullptr);

    // Reloads the declarations and refills the list, selecting the one the
    // list object remembers (CodDecla) or else the last.
    void RellenarListaDeclaraciones();
    // The period picker's choice.
    void SelValorLista(QTreeWidget* lsv) override;
    // The selected row; none when the list is empty.
    std::optional<FilaDeclaracion> FilaSeleccionada() const;
    // Unloads the window: the handing over is done, nothing more runs.
    void Descargar();

public slots:
    void cmdCrear_Click();
    void cmdCopiar_Click();
    void cmdAbrirD_Click();
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void cmdBorrarD_Click();
    void cmdImprimir_Click();
    void cmdImpBorradorDeclarados_Click();
    void cmdTTCon_Click();
    void cmdDeclarante_Click();
    void cmdCerrar_Click();
    void chkBimensual_Click();
    void lsvDeclaraciones_ItemClick();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearControles();
    void Form_Load();
    void Form_Activate();
    void InicializarLista();
    void MostrarDeclarante();
    void ActualizarBotones();
    void MostrarPanel();
    void CargarTextos();
    void EjecutarAccion(int32_t accion);
    void PrepararNuevaDeclaracion();
    void CancelarNuevaDeclaracion();
    void CargarPeriodos();
    void txtNueEje_LostFocus();
    // Enables the bimonthly box for a month of 2, 5, 8 or 11 from 2010;
    // otherwise disables and clears it and the list object's mark.
    void ReglaBimensual(bool mensual);
    void Aceptar();
    // The period box's text read into the list object (create and copy).
    void LeerEjercicioYPeriodo();
    // Leaves for the declarant picker or the main window's menus.
    void Cerrar();
    // The declarant closed for good; the picker or the menus again.
    void VolverAlDeclarante();
    void EditarDeclarante();

    // The commands that hand the selected declaration to printing, the
    // draft listing and the telematic submission (the hooks below).
    void Imprimir();
    void ImprimirBorradorDeclarados();
    void EnvioTelematico();

    QLabel* lblTitDeclarante = nullptr;
    QLabel* lblNif = nullptr;
    QLabel* lblNombre = nullptr;
    QLineEdit* txtNif = nullptr;
    QLineEdit* txtNombre = nullptr;
    QLabel* lblTitDeclaraciones = nullptr;
    QFrame* shpMarco1_2 = nullptr;
    QFrame* fraLista = nullptr;
    QLabel* lblLista = nullptr;
    QFrame* shpEjercicio = nullptr;
    QFrame* shpPeriodo = nullptr;
    QLabel* lblEjercicio = nullptr;
    QLabel* lblPeriodo = nullptr;
    QFrame* shpMarco1_3 = nullptr;
    QTreeWidget* lsvDeclaraciones = nullptr;
    QPushButton* cmdAbrirD = nullptr;
    QPushButton* cmdBorrarD = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdImpBorradorDeclarados = nullptr;
    QPushButton* cmdTTCon = nullptr;
    QFrame* fraNue = nullptr;
    QLabel* lblTitNueDec = nullptr;
    QLabel* lblNueEje = nullptr;
    QLineEdit* txtNueEje = nullptr;
    QLabel* lblNuePeriodo = nullptr;
    QLineEdit* txtNuePeriodo = nullptr;
    QToolButton* picPeriodo = nullptr;
    QCheckBox* chkBimensual = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;
    QPushButton* cmdCrear = nullptr;
    QPushButton* cmdCopiar = nullptr;
    QPushButton* cmdDeclarante = nullptr;
    QPushButton* cmdCerrar = nullptr;

    CajaCodigo* periodo_ = nullptr;
    FlujoEditor* flujo_ = nullptr;
    bool llenando_ = false;
    bool descargada_ = false;
};

// Loads the window afresh for the current declarant and shows it.
frmDeclaraciones_794* MostrarDeclaraciones();

// Makes the declarant with that key current and shows its declarations (the
// main window's recent-declarant entries); where the window returns to on
// closing stays as it was.
frmDeclaraciones_794* AbrirDeclaracionesDe(int32_t lngCoddec);

// What the window's print, draft and telematic buttons run on the selected
// declaration: printing and the submission stand in the layers above, and
// the program sets these at start-up.
inline Hook<void(frmDeclaraciones_794& ventana, const FilaDeclaracion& fila)> ImprimirDeclaracion{
    "ImprimirDeclaracion"};
inline Hook<void(const FilaDeclaracion& fila)> ImprimirBorradorDeclaracion{"ImprimirBorradorDeclaracion"};
inline Hook<void(frmDeclaraciones_794& ventana, const FilaDeclaracion& fila)> EnviarDeclaracion{
    "EnviarDeclaracion"};

}  // namespace quelvo
