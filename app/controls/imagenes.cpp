#include "controls/imagenes.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace quelvo {

namespace {

// A currency mark: the sign drawn on a coloured disc.
QIcon marcaMoneda(const QString& signo, const QColor& fondo) {
    QPixmap dibujo(16, 16);
    dibujo.fill(Qt::transparent);
    QPainter pintor(&dibujo);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBrush(fondo);
    pintor.setPen(Qt::NoPen);
    pintor.drawEllipse(0, 0, 16, 16);
    QFont letra = pintor.font();
    letra.setPixelSize(11);
    letra.setBold(true);
    pintor.setFont(letra);
    pintor.setPen(Qt::white);
    pintor.drawText(dibujo.rect(), Qt::AlignCenter, signo);
    return QIcon(dibujo);
}

}  // namespace

QIcon ImagenMDI16(int numero) {
    QStyle* estilo = QApplication::style();
    switch (numero) {
    // Drawn once: a list shows one per row. Kept for the program's life.
    case kImagenEuros: {
        static const QIcon* const euros = new QIcon(marcaMoneda(QString::fromUtf8("€"), QColor(0, 90, 160)));
        return *euros;
    }
    case kImagenPesetas: {
        static const QIcon* const pesetas = new QIcon(marcaMoneda("P", QColor(150, 90, 0)));
        return *pesetas;
    }
    case kImagenAlta: return estilo->standardIcon(QStyle::SP_FileDialogNewFolder);
    case kImagenEdicion: return estilo->standardIcon(QStyle::SP_FileDialogDetailedView);
    case kImagenDeclarado: return estilo->standardIcon(QStyle::SP_FileIcon);
    case kImagenDeclarante: return estilo->standardIcon(QStyle::SP_DirHomeIcon);
    default: return {};
    }
}

}  // namespace quelvo
