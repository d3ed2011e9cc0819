#include "windows/frmAbout_794.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "services/catalogo.h"
#include "services/guarda.h"
#include "services/ventana_principal.h"
#include "windows/actualizacion_online.h"

namespace quelvo {

frmAbout_794::frmAbout_794(QWidget* parent)
    : DialogoNotasVersion(parent, "frmAbout_794", "shpBorde",
                          {.ancho = 7200, .alto = 4200, .linea = 3300, .notas = 1200}) {
    lblTitulo = Etiqueta("lblTitulo", 16, 26);
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    negrita.setPointSize(negrita.pointSize() + 3);
    lblTitulo->setFont(negrita);
    lblDescription = Etiqueta("lblDescription", 50, 90);
    lblDescription->setWordWrap(true);
    lblVersion = Etiqueta("lblVersion", 150, 22);
    CrearBoton(40);
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setGeometry(Ancho() - 116, Linea() - 40, 100, 28);
    cmdAceptar->setDefault(true);
    CrearNotas();

    connect(cmdVerInf, &QToolButton::clicked, this, [this] {
        Guardar(this, "frmAbout_794T.cmdVerInf_Click", [this] { cmdVerInf_Click(); });
    });
    connect(cmdAceptar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmAbout_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    });
    Form_Load();
}

void frmAbout_794::Form_Load() {
    PintarVerde();
    lblTitulo->setText(Cat(126).toUpper() + " 794");
    setWindowTitle(Cat(106));
    lblDescription->setText(Cat(163));
    cmdAceptar->setText(Cat(105));
    lblVersion->setText(TextoVersion());
    txtVerInfo->setPlainText(Cat(314));
}

void frmAbout_794::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Guardar(this, "frmAbout_794T.Form_Activate", [this] { Form_Activate(); });
}

void frmAbout_794::Form_Activate() { update(); }

void frmAbout_794::cmdAceptar_Click() {
    accept();
    if (VentanaPrincipal* principal = VentanaPrincipal::Instancia()) principal->Ventana()->show();
}

}  // namespace quelvo
