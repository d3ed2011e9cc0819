#include "windows/notas_version.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

#include "services/twips.h"

namespace quelvo {

namespace {

// Growing and shrinking by the same amount: the window comes back to its size.
constexpr int kMargenNotasTwips = 100;
constexpr int kBordeAbiertoTwips = 35;
constexpr int kBordeCerradoTwips = 50;

const QColor kVerdeOscuro(0, 64, 0);

}  // namespace

DialogoNotasVersion::DialogoNotasVersion(QWidget* parent, const char* nombre,
                                         const char* nombreBorde, const MedidasNotas& medidas)
    : QDialog(parent), medidas_(medidas) {
    setObjectName(nombre);
    borde_ = new QFrame(this);
    borde_->setObjectName(nombreBorde);
    borde_->setFrameShape(QFrame::Box);
    auto image1 = new QLabel(this);
    image1->setObjectName("Image1");
    image1->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    image1->setGeometry(16, 16, 48, 48);
}

int DialogoNotasVersion::Ancho() const { return Px(medidas_.ancho); }

int DialogoNotasVersion::Linea() const { return Px(medidas_.linea); }

QLabel* DialogoNotasVersion::Etiqueta(const char* nombre, int y, int alto, const QString& texto) {
    auto etiqueta = new QLabel(texto, this);
    etiqueta->setObjectName(nombre);
    etiqueta->setGeometry(80, y, Ancho() - 96, alto);
    return etiqueta;
}

void DialogoNotasVersion::CrearBoton(int sobreLinea) {
    cmdVerInf = new QToolButton(this);
    cmdVerInf->setObjectName("cmdVerInf");
    cmdVerInf->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdVerInf->setGeometry(16, Linea() - sobreLinea, 32, 32);
}

void DialogoNotasVersion::CrearNotas() {
    lnLinea = new QFrame(this);
    lnLinea->setObjectName("lnLinea");
    lnLinea->setFrameShape(QFrame::HLine);
    lnLinea->setGeometry(16, Linea(), Ancho() - 32, 2);
    lnLinea->setVisible(false);
    txtVerInfo = new QPlainTextEdit(this);
    txtVerInfo->setObjectName("txtVerInfo");
    txtVerInfo->setReadOnly(true);
    txtVerInfo->setGeometry(16, 0, Ancho() - 32, Px(medidas_.notas));
    txtVerInfo->setVisible(false);
    setFixedWidth(Ancho());
    ponerAlto(medidas_.alto, medidas_.alto - kBordeCerradoTwips);
}

void DialogoNotasVersion::PintarVerde() {
    for (QWidget* verde : {static_cast<QWidget*>(lnLinea), static_cast<QWidget*>(lblTitulo)}) {
        QPalette paleta = verde->palette();
        paleta.setColor(QPalette::WindowText, kVerdeOscuro);
        verde->setPalette(paleta);
    }
}

void DialogoNotasVersion::ponerAlto(int altoTwips, int bordeTwips) {
    altoTwips_ = altoTwips;
    setFixedHeight(Px(altoTwips));
    borde_->setGeometry(0, 0, width(), Px(bordeTwips));
}

void DialogoNotasVersion::cmdVerInf_Click() {
    const int notas = Twips(txtVerInfo->height());
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

}  // namespace quelvo
