#pragma once
// The declared-entry window: the entries of one declaration in a list, the
// current entry in a detail frame, the commands Create, Edit, Save, Cancel,
// Delete and Close, and the count of entries kept up to date.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "controls/frmContenedorLista_794.h"
#include "declarations/filas_declarados.h"
#include "quelvort/variant.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quelvo {

class CajaCodigo;
class ColumnasAjustadas;
class CajaImporte;
class FlujoEditor;

class frmDeclarados_794 : public QWidget, public PropietarioLista {
    Q_OBJECT

public:
    explicit frmDeclarados_794(QWidget* parent = nullptr);
    // The list's rows read the entry list this window keeps: they go first.
    ~frmDeclarados_794() override;

    // A pick made in one of the four drop-down lists.
    void SelValorLista(QTreeWidget* lsv) override;

public slots:
    void cmdCrearDeclarado_Click();
    void cmdEditar_Click();
    void cmdGuardar_Click();
    void cmdCancelar_Click();
    void cmdEliminar_Click();
    void cmdCerrar_Click();
    void chkTriangular_Click();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Modes, list and buttons.
    void crearControles();
    void conectar();
    void Form_Load();
    void Form_Activate();
    void InicializarLista();
    void RellenarListaDeclarados();
    // Every row built afresh for the entry list.
    void LlenarFilas(const rt::Variant& b);
    // Rows for rows `desde` to the last of the entry list shown, added at
    // the end.
    void AnadirFilas(int32_t desde);
    // The rows kept stand for the entry list; only those that went are
    // removed, those that came are added, and those that differ are redrawn
    // (and sorted again when their sort text changed). False, with nothing
    // changed, when the list must be filled afresh.
    bool ActualizarFilas(const rt::Variant& b);
    // The row of entry codope, none when the list shows no such entry.
    QTreeWidgetItem* FilaDe(int32_t codope) const;
    // Row i's values for the widths of the value columns.
    void AnotarAnchos(int32_t i);
    void MostrarDeclarado();
    void AplicarModo();
    void ColorearLista();
    void MostrarModoLista();
    void MostrarModoEdicion();
    void ColorearDetalle();
    void HabilitarBotones();
    void lsvDeclarados_ItemClick();
    // The sort the user chose by a header label; none keeps the entries in
    // the order they were made.
    void Ordenar();

    // Fields, pickers and window furniture.
    void MostrarCabecera();
    void AjustarAnchoLista();
    void MedirLista();
    void CargarTextos();
    void Cerrar(int32_t modo);
    void AjustarLongitudNif();
    void HabilitarRectificacion();
    void txtNif_LostFocus();
    void txtNombre_LostFocus();
    void txtEjer_LostFocus();
    void cnuImporte_LostFocus(Qt::FocusReason motivo);
    // Takes the amount box into the entry, a text that is no amount as such;
    // true when the entry changed.
    bool TomarImporte();
    void txtPais_LostFocus();
    void txtSigno_LostFocus();
    void txtClave_LostFocus();
    // Takes what is typed in the focused box as leaving it would.
    void ConfirmarFoco();
    void OrdenarPor(int columna);
    // The rectification boxes: enabled white or disabled grey; cleared
    // empties them and the entry's rectified exercise, period and sign.
    void AbrirRectificacion(bool abrir);
    void LimpiarRectificacion();
    void Descargar();

    QLabel* lblTitDeclarante = nullptr;
    QLabel* lblNifDeclarante = nullptr;
    QLineEdit* txtNifDeclarante = nullptr;
    QLabel* lblNombreDeclarante = nullptr;
    QLineEdit* txtNombreDeclarante = nullptr;
    QLabel* lblTitDatosDeclaracion = nullptr;
    QLabel* lblEjercicio = nullptr;
    QLineEdit* txtEjercicio = nullptr;
    QLabel* lblPeriodo = nullptr;
    QLineEdit* txtPer = nullptr;
    QLabel* lblMoneda = nullptr;
    QLineEdit* txtMoneda = nullptr;
    QLabel* imgDeclaracion = nullptr;
    QLabel* lblBimensual = nullptr;
    QLineEdit* txtBimensual = nullptr;
    QLabel* lblDeclarados = nullptr;
    QLineEdit* txtDeclarados = nullptr;
    QLabel* lblTitDeclarados = nullptr;
    QFrame* frmLista = nullptr;
    QLabel* lblLista = nullptr;
    QLabel* lblPaisLista = nullptr;
    QLabel* lblNifLista = nullptr;
    QLabel* lblNombreLista = nullptr;
    QLabel* lblClaveLista = nullptr;
    QLabel* lblImporteLista = nullptr;
    QTreeWidget* lsvDeclarados = nullptr;
    QFrame* fraDeclarado = nullptr;
    QLabel* lblTitDeclarado = nullptr;
    QLabel* imgDeclarado = nullptr;
    QLabel* labelDeclarado = nullptr;
    QLabel* lblPais = nullptr;
    QLineEdit* txtPais = nullptr;
    QToolButton* picPais = nullptr;
    QLineEdit* txtNombrePais = nullptr;
    QLabel* lblNif = nullptr;
    QLineEdit* txtNif = nullptr;
    QLabel* lblNombre = nullptr;
    QLineEdit* txtNombre = nullptr;
    QLabel* lblClave = nullptr;
    QLineEdit* txtClave = nullptr;
    QToolButton* picClave = nullptr;
    QLineEdit* txtClaveComp = nullptr;
    QLabel* lblClaveDes = nullptr;
    QLineEdit* txtClaveDes = nullptr;
    QLabel* lblImporte = nullptr;
    CajaImporte* cnuImporte = nullptr;
    QLabel* lblSigno = nullptr;
    QLineEdit* txtSigno = nullptr;
    QToolButton* picSigno = nullptr;
    QLabel* lblEjer = nullptr;
    QLineEdit* txtEjer = nullptr;
    QLabel* lblPer = nullptr;
    QLineEdit* txtPeriodo = nullptr;
    QToolButton* picPeriodo = nullptr;
    QFrame* shpTriangular = nullptr;
    QLabel* lblTriangular = nullptr;
    QCheckBox* chkTriangular = nullptr;
    QPushButton* cmdCrearDeclarado = nullptr;
    QPushButton* cmdEditar = nullptr;
    QPushButton* cmdGuardar = nullptr;
    QPushButton* cmdCancelar = nullptr;
    QPushButton* cmdEliminar = nullptr;
    QPushButton* cmdCerrar = nullptr;

    CajaCodigo* pais_ = nullptr;
    CajaCodigo* clave_ = nullptr;
    CajaCodigo* signo_ = nullptr;
    CajaCodigo* periodo_ = nullptr;
    FlujoEditor* flujo_ = nullptr;
    ColumnasAjustadas* columnas_ = nullptr;

    bool blnEnEdicion = false;
    bool llenando_ = false;
    bool descargada_ = false;
    // List widths kept at load: as designed, and with room for the scroll bar.
    int anchoLista_ = 0;
    int anchoListaBarra_ = 0;
    // The column the user sorted by (from 0); -1 for none.
    int claveOrden_ = -1;
    // The entry list the rows show, and the row for each of its rows in
    // its order (by entry key).
    ListadoDeclarados listado_;
    std::vector<FilaDeclarado*> filas_;
};

// Loads the window afresh on the current declaration and shows it.
frmDeclarados_794* MostrarDeclarados();

}  // namespace quelvo
