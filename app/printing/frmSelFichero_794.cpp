#include "printing/frmSelFichero_794.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/estilo.h"
#include "printing/cimprgrabar.h"
#include "printing/controles.h"
#include "printing/cselfichero.h"
#include "printing/ctrSelFichero_794.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/guarda.h"
#include "services/objetos.h"

namespace quelvo {

frmSelFichero_794::frmSelFichero_794(QWidget* parent) : QDialog(parent) {
    setObjectName("frmSelFichero_794");
    setModal(true);
    auto exterior = new QVBoxLayout(this);
    shp = Marco(this, "shp");
    exterior->addWidget(shp);
    auto borde = new QVBoxLayout(shp);
    shpMarco1 = Marco(shp, "shpMarco1");
    borde->addWidget(shpMarco1);
    auto marco = new QVBoxLayout(shpMarco1);

    lblTitulo = new QLabel(shpMarco1);
    lblTitulo->setObjectName("lblTitulo");
    marco->addWidget(lblTitulo);
    labelDescripcionRuta = new QLabel(shpMarco1);
    labelDescripcionRuta->setObjectName("labelDescripcionRuta");
    labelDescripcionRuta->setWordWrap(true);
    marco->addWidget(labelDescripcionRuta);
    // The path box goes here (AnadirSelectorFichero).

    fraIndCol = new QFrame(shpMarco1);
    fraIndCol->setObjectName("fraIndCol");
    auto col = new QVBoxLayout(fraIndCol);
    col->setContentsMargins(0, 0, 0, 0);
    lblIndCol = new QLabel(fraIndCol);
    lblIndCol->setObjectName("lblIndCol");
    lblIndCol->setWordWrap(true);
    col->addWidget(lblIndCol);
    chkColectiva = new QCheckBox(fraIndCol);
    chkColectiva->setObjectName("chkColectiva");
    col->addWidget(chkColectiva);
    fraIndCol->setVisible(false);
    marco->addWidget(fraIndCol);

    lbAvisoSinEstilo = new QLabel(shpMarco1);
    lbAvisoSinEstilo->setObjectName("lbAvisoSinEstilo");
    lbAvisoSinEstilo->setWordWrap(true);
    marco->addWidget(lbAvisoSinEstilo);

    auto botones = new QHBoxLayout;
    botones->addStretch(1);
    cmdAceptar = new QPushButton(shpMarco1);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setDefault(true);
    botones->addWidget(cmdAceptar);
    cmdCancelar = new QPushButton(shpMarco1);
    cmdCancelar->setObjectName("cmdCancelar");
    botones->addWidget(cmdCancelar);
    marco->addLayout(botones);

    connect(cmdAceptar, &QPushButton::clicked, this,
            Guardado(this, "frmSelFichero_794T.cmdAceptar_Click", &frmSelFichero_794::cmdAceptar_Click));
    connect(cmdCancelar, &QPushButton::clicked, this,
            Guardado(this, "frmSelFichero_794T.cmdCancelar_Click", &frmSelFichero_794::cmdCancelar_Click));
    connect(chkColectiva, &QCheckBox::toggled, this,
            Guardado(this, "frmSelFichero_794T.chkColectiva_Click", &frmSelFichero_794::chkColectiva_Click));
    Form_Load();
}

frmSelFichero_794::~frmSelFichero_794() {
    if (objGeneral().ctlSelFichero == ctrSelFichero) objGeneral().ctlSelFichero = nullptr;
}

void frmSelFichero_794::Form_Load() {
    CargarTextos();
    AplicarEstilo(this);
    AnadirSelectorFichero();
    PresentarOpcionColectiva();
}

void frmSelFichero_794::CargarTextos() {
    setWindowTitle(Cat(258));
    lblIndCol->setText(Cat(227));
    chkColectiva->setText(Cat(115));
    lbAvisoSinEstilo->setText(Cat(359));
    cmdAceptar->setText(Cat(105));
    cmdCancelar->setText(Cat(111));
}

void frmSelFichero_794::AnadirSelectorFichero() {
    // The box takes the proposal as it starts: every opener sets
    // RutaPorDefecto before it opens this window.
    ctrSelFichero = new ctrSelFichero_794(shpMarco1);
    static_cast<QVBoxLayout*>(shpMarco1->layout())->insertWidget(2, ctrSelFichero);
    objGeneral().ctlSelFichero = ctrSelFichero;
    if (objImprGrabar().TipoEnvio() == 1) {
        chkColectiva->setEnabled(false);
        lblIndCol->setEnabled(false);
    }
}

void frmSelFichero_794::PresentarOpcionColectiva() {
    const int32_t tipo = objImprGrabar().TipoEnvio();
    if (tipo != 1 && tipo != 2) return;
    fraIndCol->setVisible(true);
    objImprGrabar().IndCol(0);
    if (tipo == 2) chkColectiva->setChecked(true);
}

void frmSelFichero_794::chkColectiva_Click() {
    objImprGrabar().IndCol(chkColectiva->isChecked() ? 1 : 0);
}

void frmSelFichero_794::cmdAceptar_Click() {
    cSelFichero& sel = objSelFichero();
    sel.RutaFichero(ctrSelFichero->RutaFichero());
    sel.RutaPorDefecto(ctrSelFichero->RutaFichero());
    accept();
}

void frmSelFichero_794::cmdCancelar_Click() {
    objSelFichero().Cancelar(true);
    QDialog::reject();
}

void frmSelFichero_794::reject() {
    Guardar(this, "frmSelFichero_794T.cmdCancelar_Click", [this] { cmdCancelar_Click(); });
}

}  // namespace quelvo
