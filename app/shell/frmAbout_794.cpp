#include "shell/frmAbout_794.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "shell/actualizacion_online.h"
#include "shell/catalogo.h"
#include "shell/guarda.h"
#include "shell/mdi794.h"

namespace quelvo {

namespace {

constexpr int Px(int twips) { return (twips * 2 + 15) / 30; }

constexpr int kAnchoTwips = 7200;
constexpr int kAltoTwips = 4200;
constexpr int kLineaTwips = 3300;
constexpr int kNotasAltoTwips = 1200;
// Growing and shrinking by the same amount: the window comes back to its size.
constexpr int kMargenNotasTwips = 100;
constexpr int kBordeAbiertoTwips = 35;
constexpr int kBordeCerradoTwips = 50;

const QColor kVerdeOscuro(0, 64, 0);

}  // namespace

frmAbout_794::frmAbout_794(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout_794");
    const int ancho = Px(kAnchoTwips);
    shpBorde = new QFrame(this);
    shpBorde->setObjectName("shpBorde");
    shpBorde->setFrameShape(QFrame::Box);
    auto image1 = new QLabel(this);
    image1->setObjectName("Image1");
    image1->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    image1->setGeometry(16, 16, 48, 48);
    lblTitulo = new QLabel(this);
    lblTitulo->setObjectName("lblTitulo");
    lblTitulo->setGeometry(80, 16, ancho - 96, 26);
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    negrita.setPointSize(negrita.pointSize() + 3);
    lblTitulo->setFont(negrita);
    lblDescription = new QLabel(this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setWordWrap(true);
    lblDescription->setGeometry(80, 50, ancho - 96, 90);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(80, 150, ancho - 96, 22);
    cmdVerInf = new QToolButton(this);
    cmdVerInf->setObjectName("cmdVerInf");
    cmdVerInf->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdVerInf->setGeometry(16, Px(kLineaTwips) - 40, 32, 32);
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setGeometry(ancho - 116, Px(kLineaTwips) - 40, 100, 28);
    cmdAceptar->setDefault(true);
    lnLinea = new QFrame(this);
    lnLinea->setObjectName("lnLinea");
    lnLinea->setFrameShape(QFrame::HLine);
    lnLinea->setGeometry(16, Px(kLineaTwips), ancho - 32, 2);
    lnLinea->setVisible(false);
    txtVerInfo = new QPlainTextEdit(this);
    txtVerInfo->setObjectName("txtVerInfo");
    txtVerInfo->setReadOnly(true);
    txtVerInfo->setGeometry(16, 0, ancho - 32, Px(kNotasAltoTwips));
    txtVerInfo->setVisible(false);
    setFixedWidth(ancho);
    ponerAlto(kAltoTwips, kAltoTwips - kBordeCerradoTwips);

    connect(cmdVerInf, &QToolButton::clicked, this, [this] {
        Guardar(this, "frmAbout_794T.cmdVerInf_Click", [this] { cmdVerInf_Click(); });
    });
    connect(cmdAceptar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmAbout_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    });
    Form_Load();
}

void frmAbout_794::ponerAlto(int altoTwips, int bordeTwips) {
    altoTwips_ = altoTwips;
    setFixedHeight(Px(altoTwips));
    shpBorde->setGeometry(0, 0, width(), Px(bordeTwips));
}

void frmAbout_794::Form_Load() {
    for (QWidget* verde : {static_cast<QWidget*>(lnLinea), static_cast<QWidget*>(lblTitulo)}) {
        QPalette paleta = verde->palette();
        paleta.setColor(QPalette::WindowText, kVerdeOscuro);
        verde->setPalette(paleta);
    }
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

void frmAbout_794::cmdVerInf_Click() {
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

void frmAbout_794::cmdAceptar_Click() {
    accept();
    if (MDI794* principal = MDI794::Instancia()) principal->show();
}

}  // namespace quelvo
