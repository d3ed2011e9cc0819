#pragma once
// The two-list selector of a run's declarants: the declarants with a
// declaration of the chosen exercise, period and currency on the left, the
// chosen ones on the right, and the four moves between them. Dialogs add it
// to themselves and tell it, through AnfitrionListaDecl, which of their own
// controls follow its lists.
#include <QString>
#include <QWidget>
#include <cstdint>

#include "controls/frmContenedorLista_794.h"
#include "quelvort/variant.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quelvo {

class ColumnasAjustadas;

// What a dialog that hosts the selector provides.
class AnfitrionListaDecl {
public:
    virtual ~AnfitrionListaDecl() = default;
    // The host's own action controls: on when the chosen list allows a run,
    // off (and cleared) when it does not.
    virtual void HabilitarAcciones(bool habilitar) = 0;
    // True when the exercise pick list offers only exercises from 2002.
    virtual bool SoloEjerciciosDesde2002() const { return false; }
};

// The declaration of the selected chosen declarant, for a host that imports
// into it.
struct DeclaracionElegida {
    uint8_t Periodo = 0;
    uint8_t Periodicidad = 0;
    // 0 when the declarant has no declaration of that exercise and period.
    int32_t CodDecla = 0;
};

class ctrListaDecl_794 : public QWidget, public PropietarioLista {
    Q_OBJECT

public:
    // `anfitrion` may be nullptr: only the move buttons then follow the lists.
    explicit ctrListaDecl_794(AnfitrionListaDecl* anfitrion, QWidget* parent = nullptr);
    // A window taken down while its exercise box has the focus loses that
    // focus half destroyed: the box's signal must not reach it then.
    ~ctrListaDecl_794() override;

    // Only euro declarations are offered; set before Inicializar.
    bool blnSoloEuros = false;
    // Lowest exercise of interest for the default criteria; set before Inicializar.
    int16_t intEjerMin = 0;

    // Default criteria from the latest declaration, both lists set up and the
    // available list filled.
    void Inicializar();
    // Move buttons and the host's action controls for the state of the lists.
    void PresentarBotonesListas();
    // Copies the criteria into the run object and answers the chosen codes
    // (Long, 1-D from 0, in list order); Empty, after telling the user, when
    // the exercise box is blank or nothing is chosen.
    rt::Variant CargarDtes();
    // The declaration of the selected chosen declarant for the criteria.
    DeclaracionElegida CargarDCion();
    // The pick-list window's choice of an exercise or a period.
    void SelValorLista(QTreeWidget* lista) override;

    // Criteria.
    QLabel* lblEjercicio = nullptr;
    QLineEdit* txtEjercicio = nullptr;
    QToolButton* picEjercicio = nullptr;
    QLabel* lblPeriodo = nullptr;
    QLineEdit* txtPeriodo = nullptr;
    QToolButton* picPeriodo = nullptr;
    QLabel* lblMoneda = nullptr;
    QRadioButton* optEuros = nullptr;
    QRadioButton* optPesetas = nullptr;
    // The two lists with their headings and frames.
    QFrame* shpDteOrg = nullptr;
    QFrame* shpDteDes = nullptr;
    QLabel* lblDteOrg = nullptr;
    QLabel* lblDteDes = nullptr;
    QFrame* shpListaOrg = nullptr;
    QFrame* shpListaDes = nullptr;
    QFrame* shpMarIDOrg = nullptr;
    QFrame* shpMarIDDes = nullptr;
    QFrame* shpMarNomOrg = nullptr;
    QFrame* shpMarNomDes = nullptr;
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

public slots:
    void cmdUD_Click();
    void cmdVD_Click();
    void cmdUI_Click();
    void cmdVI_Click();
    void lblNumOrg_Click();
    void lblNomOrg_Click();
    void picEjercicio_Click();
    void picPeriodo_Click();
    void optMoneda_Click();
    void txtEjercicio_Validate();

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Lists and moves (ctrListaDecl_794_listas.cpp).
    void CrearListas();
    void InicializarListaOrg();
    void InicializarListaDes();
    void InicializarLista(QTreeWidget* lista, QLabel* num, QLabel* nom, QFrame* marId,
                          QFrame* marNom);
    void RellenarListaOrg();
    void AjustarListaOrg();
    void AjustarListaDes();
    void AjustarLista(QTreeWidget* lista);
    ColumnasAjustadas* Ajuste(const QTreeWidget* lista) const;
    // Appends a copy of the row to the list; the copy is answered.
    static QTreeWidgetItem* CopiarFila(const QTreeWidgetItem* fila, QTreeWidget* destino);
    // Removes the row and selects the row that took its place, or the new last.
    static void QuitarFila(QTreeWidget* lista, QTreeWidgetItem* fila);
    // False after telling the user and undoing every choice.
    bool NifAdmitido(const QTreeWidgetItem* fila);

    // Criteria (ctrListaDecl_794.cpp).
    void CrearCriterios();
    void EstablecerMoneda(const QString& codigo);
    void CargarTextos();
    // The exercise box as a number; 0 when blank.
    int32_t EjercicioCaja() const;
    // Whether the box holds a whole exercise (four digits): only that one
    // is the run's.
    bool EjercicioCompleto() const;
    void CambiarEjercicio(int32_t ejercicio, const QString& texto);
    void MostrarLista(const QString& nombre, QLineEdit* caja, int16_t margen, int16_t alto);

    AnfitrionListaDecl* anfitrion_;
    ColumnasAjustadas* ajusteOrg_ = nullptr;
    ColumnasAjustadas* ajusteDes_ = nullptr;
    bool blnMostrado = false;
    // Currency of the last filling: "P", "E" or " ".
    QString strMoneda = " ";
    // The last filling's declarants; Null when it found none.
    rt::Variant vDeclarantes_ = rt::Variant::Null();
};

}  // namespace quelvo
