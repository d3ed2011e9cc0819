#include "shell/frmIdioma_794.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "shell/cactonline.h"
#include "shell/cgeneral.h"
#include "shell/estilo.h"
#include "shell/globales.h"
#include "shell/guarda.h"
#include "shell/menus.h"
#include "shell/objetos.h"

namespace quelvo {

namespace {

constexpr int Px(int twips) { return (twips * 2 + 15) / 30; }

constexpr int kAnchoTwips = 10200;
constexpr int kAltoTwips = 4500;
constexpr int kLineaTwips = 4300;
constexpr int kNotasAltoTwips = 900;
constexpr int kMargenNotasTwips = 100;
constexpr int kBordeAbiertoTwips = 35;
constexpr int kBordeCerradoTwips = 50;

const QColor kVerdeOscuro(0, 64, 0);

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, int y) {
    auto l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setAlignment(Qt::AlignHCenter);
    l->setGeometry(80, y, Px(kAnchoTwips) - 96, 22);
    return l;
}

void pintarVerde(QWidget* control) {
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::WindowText, kVerdeOscuro);
    control->setPalette(paleta);
}

}  // namespace

frmIdioma_794::frmIdioma_794(QWidget* parent) : QDialog(parent) {
    setObjectName("frmIdioma_794");
    setWindowTitle("Hizkuntza / Idioma");
    const int ancho = Px(kAnchoTwips);
    shpMarco2_Borde = new QFrame(this);
    shpMarco2_Borde->setObjectName("shpMarco2_Borde");
    shpMarco2_Borde->setFrameShape(QFrame::Box);
    auto image1 = new QLabel(this);
    image1->setObjectName("Image1");
    image1->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    image1->setGeometry(16, 16, 48, 48);
    lblTitulo = etiqueta(this, "lblTitulo", "DECLARACIÓN / AITORPENA 794", 16);
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    lblTitulo->setFont(negrita);
    etiqueta(this, "lblIdioma2", "Hizkuntza / Idioma", 48);
    etiqueta(this, "lblIdioma", "Hizkuntza / Idioma", 72);
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
    cmdVerInf = new QToolButton(this);
    cmdVerInf->setObjectName("cmdVerInf");
    cmdVerInf->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdVerInf->setGeometry(16, Px(kLineaTwips) - 44, 32, 32);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(ancho - 136, Px(kLineaTwips) - 40, 120, 22);
    lblVersion->setAlignment(Qt::AlignRight);
    lnLinea = new QFrame(this);
    lnLinea->setObjectName("lnLinea");
    lnLinea->setFrameShape(QFrame::HLine);
    lnLinea->setGeometry(16, Px(kLineaTwips), ancho - 32, 2);
    lnLinea->setVisible(false);
    txtVerInfo = new QPlainTextEdit(this);
    txtVerInfo->setObjectName("txtVerInfo");
    txtVerInfo->setReadOnly(true);
    txtVerInfo->setPlainText(
        "Admite importación de declaraciones con formato estatal.\n"
        "Aukera ematen du formatu estataleko aitorpenak inportatzeko.\n");
    txtVerInfo->setGeometry(16, 0, ancho - 32, Px(kNotasAltoTwips));
    txtVerInfo->setVisible(false);
    setFixedWidth(ancho);
    ponerAlto(kAltoTwips, kAltoTwips - kBordeCerradoTwips);

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

void frmIdioma_794::ponerAlto(int altoTwips, int bordeTwips) {
    altoTwips_ = altoTwips;
    setFixedHeight(Px(altoTwips));
    shpMarco2_Borde->setGeometry(0, 0, width(), Px(bordeTwips));
}

void frmIdioma_794::Form_Load() {
    lblVersion->setText("v" + QString::fromStdString(strVersion));
    AplicarEstilo(this);
    pintarVerde(lnLinea);
    pintarVerde(lblTitulo);
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
    accept();
}

void frmIdioma_794::cmdCastellano_Click() { elegir("C"); }

void frmIdioma_794::cmdEuskara_Click() { elegir("E"); }

void frmIdioma_794::cmdVerInf_Click() {
    const int notas = txtVerInfo->height() * 15;
    if (txtVerInfo->isHidden()) {
        txtVerInfo->move(txtVerInfo->x(), lnLinea->y() + Px(50));
        const int alto = altoTwips_ + notas + kMargenNotasTwips;
        ponerAlto(alto, alto - kBordeAbiertoTwips);
        txtVerInfo->setVisible(true);
        lnLinea->setVisible(true);
    } else {
        const int alto = altoTwips_ - notas - kMargenNotasTwips;
        ponerAlto(alto, alto - kBordeCerradoTwips);
        txtVerInfo->setVisible(false);
        lnLinea->setVisible(false);
    }
}

void frmIdioma_794::done(int resultado) {
    QDialog::done(resultado);
    Guardar(this, "frmIdioma_794T.Form_Unload", [this] { Form_Unload(); });
}

void frmIdioma_794::Form_Unload() { objGeneral().HabilitarMenu(); }

}  // namespace quelvo
