#pragma once
// The telematic submission window: the declarants of one exercise and period
// chosen in the two-list selector, an individual or collective presentation,
// the submission file's path; Enviar writes the file and hands it to the
// authority's filing service in the browser.
#include <QWidget>

#include "printing/ctrListaDecl_794.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quelvo {

class ctrSelFichero_794;

class frmEnvTelematico_794 : public QWidget, public AnfitrionListaDecl {
    Q_OBJECT

public:
    explicit frmEnvTelematico_794(QWidget* parent = nullptr);
    ~frmEnvTelematico_794() override;

    // Shows the program's one window, opening it when it is not open.
    static frmEnvTelematico_794* Mostrar();

    // The selector enables Enviar while the chosen list allows a run.
    void HabilitarAcciones(bool habilitar) override;
    bool SoloEjerciciosDesde2002() const override { return true; }

    QRadioButton* optIndividual = nullptr;
    QRadioButton* optColectiva = nullptr;
    QPushButton* cmdEnviar = nullptr;
    QPushButton* cmdCerrar = nullptr;
    QLabel* lblTipoPre = nullptr;
    QLabel* lblTitDeclaraciones = nullptr;
    QLabel* lbAvisoSinEstilo = nullptr;
    QFrame* shpTipoPre = nullptr;
    QFrame* shpMarco1_TipoPre = nullptr;
    ctrListaDecl_794* ctrdatos = nullptr;
    ctrSelFichero_794* ctrSelFichero = nullptr;

public slots:
    void optIndividual_Click();
    void optColectiva_Click();
    void cmdEnviar_Click();
    void cmdCerrar_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void AñadirCaptions();
    void InicializarFormulario();
    void ElegirTipo();

    bool enviando_ = false;
};

}  // namespace quelvo
