#include "printing/lienzo.h"

#include <QFontMetricsF>
#include <QImage>

#include "printing/fuentes.h"
#include "printing/imagenes.h"

namespace quelvo {

namespace {

// Texts are measured at one fine resolution whatever the back-end, so that
// every back-end places them alike.
constexpr double kPuntosMedida = 1200.0;

const QPaintDevice& DispositivoMedida() {
    static const QImage imagen = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int porMetro = static_cast<int>(kPuntosMedida / 0.0254 + 0.5);
        i.setDotsPerMeterX(porMetro);
        i.setDotsPerMeterY(porMetro);
        return i;
    }();
    return imagen;
}

QFontMetricsF Metricas(const FuenteLienzo& fuente) {
    return QFontMetricsF(FuenteQt(fuente), &const_cast<QPaintDevice&>(DispositivoMedida()));
}

constexpr double MmDePuntos(double puntos) { return puntos * 25.4 / kPuntosMedida; }

}  // namespace

double Lienzo::TextWidth(const QString& texto) const {
    return MmDePuntos(Metricas(fuente_).horizontalAdvance(texto));
}

double Lienzo::TextHeight(const QString&) const { return MmDePuntos(Metricas(fuente_).height()); }

void Lienzo::Print(double x, double y, const QString& texto) {
    // Measured all the same, so a missing face is found on the first text.
    const double ancho = TextWidth(texto);
    if (texto.isEmpty()) return;  // nothing to see; not enough to make a job
    Operacion op;
    op.tipo = Operacion::Tipo::Texto;
    op.x1 = x;
    op.y1 = y;
    op.x2 = x + ancho;
    op.y2 = y + TextHeight(texto);
    op.texto = texto;
    op.fuente = fuente_;
    pendiente_.push_back(op);
}

void Lienzo::Line(double x1, double y1, double x2, double y2) {
    pendiente_.push_back({Operacion::Tipo::Linea, x1, y1, x2, y2, {}, fuente_, grosor_, 0});
}

void Lienzo::Box(double x1, double y1, double x2, double y2) {
    pendiente_.push_back({Operacion::Tipo::Caja, x1, y1, x2, y2, {}, fuente_, grosor_, 0});
}

void Lienzo::FilledBox(double x1, double y1, double x2, double y2, QRgb color) {
    pendiente_.push_back({Operacion::Tipo::CajaRellena, x1, y1, x2, y2, {}, fuente_, grosor_, color});
}

void Lienzo::PaintPicture(const QString& nombre, double x, double y) {
    const QImage& imagen = ImagenFormulario(nombre);
    pendiente_.push_back({Operacion::Tipo::Imagen, x, y, x + AnchoImagenMm(imagen),
                          y + AltoImagenMm(imagen), nombre, fuente_, grosor_, 0});
}

void Lienzo::EndDoc() {
    if (pendiente_.empty()) return;
    Trabajo trabajo;
    trabajo.swap(pendiente_);
    Emitir(trabajo);
}

void Lienzo::AbortDoc() { pendiente_.clear(); }

void Lienzo::TrabajoCompleto(const std::function<void()>& dibujar) {
    const FuenteLienzo fuente = fuente_;
    const int grosor = grosor_;
    try {
        dibujar();
    } catch (...) {
        AbortDoc();
        fuente_ = fuente;
        grosor_ = grosor;
        throw;
    }
    EndDoc();
}

}  // namespace quelvo
