#include "printing/imprimir_general.h"

namespace quelvo {

namespace {

// The share of a text's height above the line it is placed on.
constexpr double kSobreLinea = 0.35;

// The room a text leaves before the neighbour it must not touch.
constexpr double kHueco = 0.5;
// A text is made no smaller than this, in points, to stay readable.
constexpr double kPuntosMinimos = 3;
constexpr double kPasoPuntos = 0.25;

// While it lives the current font is as large as lets texto be at most ancho
// wide, never larger than it was; the size is given back when it ends.
class TamanoQueCabe {
public:
    TamanoQueCabe(Lienzo& l, const QString& texto, double ancho) : l_(l), puntos_(l.FontSize()) {
        while (l_.TextWidth(texto) > ancho && l_.FontSize() - kPasoPuntos >= kPuntosMinimos)
            l_.FontSize(l_.FontSize() - kPasoPuntos);
    }
    ~TamanoQueCabe() { l_.FontSize(puntos_); }
    TamanoQueCabe(const TamanoQueCabe&) = delete;
    TamanoQueCabe& operator=(const TamanoQueCabe&) = delete;

private:
    Lienzo& l_;
    const double puntos_;
};

}  // namespace

void ImprimirTextoEnCaja(Lienzo& l, double x, double y, double ancho, double alto, const QString& texto) {
    l.Print(x + ancho / 2 - l.TextWidth(texto) / 2, y + alto / 2 - l.TextHeight(texto) / 2, texto);
}

void ImprimirTextoDerecha(Lienzo& l, double x, double y, const QString& texto) {
    l.Print(x - l.TextWidth(texto), y, texto);
}

void ImprimirTexto(Lienzo& l, double x, double y, const QString& texto) { l.Print(x, y, texto); }

void ImprimirTextoCentrado(Lienzo& l, double x, double y, double ancho, const QString& texto) {
    l.Print(x + ancho / 2 - l.TextWidth(texto) / 2, y, texto);
}

void ImprimirTextoCentradoLinea(Lienzo& l, double x, double y, const QString& texto) {
    l.Print(x - l.TextWidth(texto) / 2, y - kSobreLinea * l.TextHeight(texto), texto);
}

void ImprimirTextoDerechaLinea(Lienzo& l, double x, double y, const QString& texto) {
    l.Print(x - l.TextWidth(texto), y - kSobreLinea * l.TextHeight(texto), texto);
}

void ImprimirTextoLinea(Lienzo& l, double x, double y, const QString& texto) {
    l.Print(x, y - kSobreLinea * l.TextHeight(texto), texto);
}

void ImprimirTextoHasta(Lienzo& l, double x, double y, double xFin, const QString& texto) {
    const TamanoQueCabe cabe(l, texto, xFin - kHueco - x);
    ImprimirTexto(l, x, y, texto);
}

void ImprimirTextoLineaHasta(Lienzo& l, double x, double y, double xFin, const QString& texto) {
    const TamanoQueCabe cabe(l, texto, xFin - kHueco - x);
    ImprimirTextoLinea(l, x, y, texto);
}

void ImprimirTextoCentradoAjustado(Lienzo& l, double x, double y, double ancho, const QString& texto) {
    const TamanoQueCabe cabe(l, texto, ancho);
    ImprimirTextoCentrado(l, x, y, ancho, texto);
}

void DibujarLinea(Lienzo& l, double x1, double y1, double x2, double y2) { l.Line(x1, y1, x2, y2); }

void DibujarCajaBlanca(Lienzo& l, double x1, double y1, double x2, double y2) { l.Box(x1, y1, x2, y2); }

void DibujarCajaGris(Lienzo& l, double x1, double y1, double x2, double y2) {
    l.FilledBox(x1, y1, x2, y2, kGrisClaro);
}

}  // namespace quelvo
