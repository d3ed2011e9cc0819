#include "printing/imprimir_general.h"

namespace quelvo {

namespace {

// The share of a text's height above the line it is placed on.
constexpr double kSobreLinea = 0.35;

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

void DibujarLinea(Lienzo& l, double x1, double y1, double x2, double y2) { l.Line(x1, y1, x2, y2); }

void DibujarCajaBlanca(Lienzo& l, double x1, double y1, double x2, double y2) { l.Box(x1, y1, x2, y2); }

void DibujarCajaGris(Lienzo& l, double x1, double y1, double x2, double y2) {
    l.FilledBox(x1, y1, x2, y2, kGrisClaro);
}

}  // namespace quelvo
