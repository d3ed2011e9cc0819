#include "windows/frmIdioma_794.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "controls/estilo.h"
#include "services/cactonline.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/objetos.h"
#include "services/ventana_principal.h"

namespace quelvo {

frmIdioma_794::frmIdioma_794(QWidget* parent)
    : DialogoNotasVersion(parent, "frmIdioma_794", "shpMarco2_Borde",
                          {.ancho = 10200, .alto = 4500, .linea = 4300, .notas = 900}) {
    setWindowTitle("Hizkuntza / Idioma");
    const int ancho = Ancho();
    lblTitulo = centrada("lblTitulo", "DECLARACIÓN / AITORPENA 794", 16);
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    lblTitulo->setFont(negrita);
    centrada("lblIdioma2", "Hizkuntza / Idioma", 48);
    centrada("lblIdioma", "Hizkuntza / Idioma", 72);
    cmdCastellano = new QPushButton("Castellano", this);
    cmdCastellano->setObjectName("cmdCastellano");
    cmdCastellano->setGeometry(ancho / 2 - 130, 110, 120, 30);
    cmdEuskara = new QPushButton("Euskara", this);
    cmdEuskara->setObjectName("cmdEuskara");
    cmdEuskara->setGeometry(ancho / 2 + 10, 110, 120, 30);
    chkActOnline = new QCheckBox(
        "¿desea que se le informe sobre la existencia de actualizaciones cada vez que se "
        "inicie el programa?",
        this);
    chkActOnline->setObjectName("chkActOnline");
    chkActOnline->setGeometry(16, 156, ancho - 32, 44);
    CrearBoton(44);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(ancho - 136, Linea() - 40, 120, 22);
    lblVersion->setAlignment(Qt::AlignRight);
    CrearNotas();
    txtVerInfo->setPlainText(
        "Admite importación de declaraciones con formato estatal.\n"
        "Aukera ematen du formatu estataleko aitorpenak inportatzeko.\n");

    connect(cmdCastellano, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmIdioma_794T.cmdCastellano_Click", [this] { cmdCastellano_Click(); });
    });
    connect(cmdEuskara, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmIdioma_794T.cmdEuskara_Click", [this] { cmdEuskara_Click(); });
    });
    connect(cmdVerInf, &QToolButton::clicked, this, [this] {
        Guardar(this, "frmIdioma_794T.cmdVerInf_Click", [this] { cmdVerInf_Click(); });
    });
    // Connected before loading: ticking the box there is a change of the box.
    connect(chkActOnline, &QCheckBox::toggled, this, [this] {
        Guardar(this, "frmIdioma_794T.chkActOnline_Click", [this] { chkActOnline_Click(); });
    });
    Form_Load();
}

QLabel* frmIdioma_794::centrada(const char* nombre, const QString& texto, int y) {
    QLabel* etiqueta = Etiqueta(nombre, y, 22, texto);
    etiqueta->setAlignment(Qt::AlignHCenter);
    return etiqueta;
}

void frmIdioma_794::Form_Load() {
    lblVersion->setText("v" + QString::fromStdString(strVersion));
    AplicarEstilo(this);
    PintarVerde();
    DeshabilitarMenusSalvoAyuda();
    // -1 is a first run: the flag 1 is offered, and so stored, at once.
    const int16_t flag = objActOnline().ActOnline;
    chkActOnline->setChecked(flag >= 1 || flag == -1);
}

void frmIdioma_794::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Guardar(this, "frmIdioma_794T.Form_Activate", [this] { Form_Activate(); });
}

void frmIdioma_794::Form_Activate() { update(); }

void frmIdioma_794::chkActOnline_Click() {
    objActOnline().ActOnline = chkActOnline->isChecked() ? 1 : 0;
    objActOnline().GuardarActOnline();
}

void frmIdioma_794::elegir(const char* idioma) {
    // A failed store leaves the window open for another try.
    objGeneral().IDI(idioma);
    // The main window speaks the chosen language at once.
    if (VentanaPrincipal* principal = VentanaPrincipal::Instancia()) principal->AñadirCaptions();
    accept();
}

void frmIdioma_794::cmdCastellano_Click() { elegir("C"); }

void frmIdioma_794::cmdEuskara_Click() { elegir("E"); }

void frmIdioma_794::done(int resultado) {
    QDialog::done(resultado);
    Guardar(this, "frmIdioma_794T.Form_Unload", [this] { Form_Unload(); });
}

void frmIdioma_794::Form_Unload() { objGeneral().HabilitarMenu(); }

}  // namespace quelvo
