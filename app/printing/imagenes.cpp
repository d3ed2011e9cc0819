#include "printing/imagenes.h"

#include <QMap>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>

#include "printing/fuentes.h"
#include "quelvort/error.h"

namespace quelvo {

namespace {

constexpr double kPuntosPorPulgada = 96.0;
constexpr int kPuntosPorMetro = 3780;  // 96 dots per inch

QImage Lamina(int ancho, int alto) {
    QImage imagen(ancho, alto, QImage::Format_ARGB32);
    imagen.setDotsPerMeterX(kPuntosPorMetro);
    imagen.setDotsPerMeterY(kPuntosPorMetro);
    imagen.fill(Qt::white);
    return imagen;
}

QFont FuenteImagen(bool negrita) {
    FuenteLienzo f;
    f.negrita = negrita;
    QFont fuente = FuenteQt(f);
    fuente.setPixelSize(8);
    return fuente;
}

// A caption written upwards in two lines: Basque in bold over Spanish.
QImage Rotulo(int ancho, int alto, const QString& euskera, const QString& castellano) {
    QImage imagen = Lamina(ancho, alto);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(0, alto);
    p.rotate(-90);
    // Now x runs up the picture and y across it.
    const QRectF arriba(0, 0, alto, ancho / 2.0);
    const QRectF abajo(0, ancho / 2.0, alto, ancho / 2.0);
    p.setPen(Qt::black);
    p.setFont(FuenteImagen(true));
    p.drawText(arriba, Qt::AlignCenter, euskera);
    p.setFont(FuenteImagen(false));
    p.drawText(abajo, Qt::AlignCenter, castellano);
    return imagen;
}

// The authority's emblem: a shield with a band and the territory's name.
QImage Emblema() {
    const int ancho = 68, alto = 54;
    QImage imagen = Lamina(ancho, alto);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath escudo;
    escudo.moveTo(14, 2);
    escudo.lineTo(54, 2);
    escudo.lineTo(54, 30);
    escudo.quadTo(54, 46, 34, 52);
    escudo.quadTo(14, 46, 14, 30);
    escudo.closeSubpath();
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawPath(escudo);
    p.setClipPath(escudo);
    p.fillRect(QRectF(14, 18, 40, 8), Qt::black);
    p.setClipping(false);
    p.setPen(Qt::black);
    p.setFont(FuenteImagen(true));
    p.drawText(QRectF(14, 4, 40, 13), Qt::AlignCenter, QStringLiteral("ARBEKO"));
    p.drawText(QRectF(14, 28, 40, 14), Qt::AlignCenter, QStringLiteral("794"));
    return imagen;
}

QImage Dibujar(const QString& nombre) {
    if (nombre == "Logo") return Emblema();
    if (nombre == "Identificacion")
        return Rotulo(22, 112, QStringLiteral("Identifikazioa"), QStringLiteral("Identificación"));
    if (nombre == "Ejercicio")
        return Rotulo(22, 150, QStringLiteral("Ekitaldia eta aldia"),
                      QStringLiteral("Ejercicio y periodo"));
    if (nombre == "Resumen")
        return Rotulo(22, 112, QStringLiteral("Aitorpen laburpena"),
                      QStringLiteral("Resumen de declaración"));
    if (nombre == "Presentador")
        return Rotulo(21, 63, QStringLiteral("Aurkezlea"), QStringLiteral("Presentador"));
    if (nombre == "Colectiva")
        return Rotulo(22, 112, QStringLiteral("Taldeko aurkezpena"),
                      QStringLiteral("Presentación colectiva"));
    throw rt::Error(rt::err::InvalidArgument, "Quelvo",
                    "No existe la imagen de impreso " + nombre.toStdString());
}

}  // namespace

const QImage& ImagenFormulario(const QString& nombre) {
    static QMutex cerrojo;
    static QMap<QString, QImage> dibujadas;
    QMutexLocker bloqueo(&cerrojo);
    auto it = dibujadas.find(nombre);
    if (it == dibujadas.end()) it = dibujadas.insert(nombre, Dibujar(nombre));
    return *it;
}

double AnchoImagenMm(const QImage& imagen) { return imagen.width() * 25.4 / kPuntosPorPulgada; }
double AltoImagenMm(const QImage& imagen) { return imagen.height() * 25.4 / kPuntosPorPulgada; }

}  // namespace quelvo
