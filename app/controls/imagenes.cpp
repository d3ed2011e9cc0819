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
    // Drawn or read once: a list shows one per row, and every window opened
    // shows some. Kept for the program's life.
    auto delEstilo = [](QStyle::StandardPixmap cual) { return QApplication::style()->standardIcon(cual); };
    switch (numero) {
    case kImagenEuros: {
        static const QIcon* const euros = new QIcon(marcaMoneda(QString::fromUtf8("€"), QColor(0, 90, 160)));
        return *euros;
    }
    case kImagenPesetas: {
        static const QIcon* const pesetas = new QIcon(marcaMoneda("P", QColor(150, 90, 0)));
        return *pesetas;
    }
    case kImagenAlta: {
        static const QIcon* const alta = new QIcon(delEstilo(QStyle::SP_FileDialogNewFolder));
        return *alta;
    }
    case kImagenEdicion: {
        static const QIcon* const edicion = new QIcon(delEstilo(QStyle::SP_FileDialogDetailedView));
        return *edicion;
    }
    case kImagenDeclarado: {
        static const QIcon* const declarado = new QIcon(delEstilo(QStyle::SP_FileIcon));
        return *declarado;
    }
    case kImagenDeclarante: {
        static const QIcon* const declarante = new QIcon(delEstilo(QStyle::SP_DirHomeIcon));
        return *declarante;
    }
    default: return {};
    }
}

}  // namespace quelvo
