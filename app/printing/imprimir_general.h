#pragma once
// The ten ways the printed pages place text and draw rules and boxes, each
// written once, and the ways a variable text is kept inside its space.
// Coordinates in millimetres; the current font of the canvas is used and,
// once a text is placed, is as it was.
#include <QRgb>
#include <QString>

#include "printing/lienzo.h"

namespace quelvo {

inline constexpr QRgb kBlanco = 0xFFFFFF;
inline constexpr QRgb kGrisClaro = 0xE0E0E0;

// Centred both ways in the box (x, y, ancho, alto).
void ImprimirTextoEnCaja(Lienzo& l, double x, double y, double ancho, double alto, const QString& texto);
// Ends at x, top at y.
void ImprimirTextoDerecha(Lienzo& l, double x, double y, const QString& texto);
// Top-left corner at (x, y).
void ImprimirTexto(Lienzo& l, double x, double y, const QString& texto);
// Centred in the band of width ancho from x, top at y.
void ImprimirTextoCentrado(Lienzo& l, double x, double y, double ancho, const QString& texto);
// On the line y (its top 0.35 of its height above y): centred on x, ending at
// x, starting at x.
void ImprimirTextoCentradoLinea(Lienzo& l, double x, double y, const QString& texto);
void ImprimirTextoDerechaLinea(Lienzo& l, double x, double y, const QString& texto);
void ImprimirTextoLinea(Lienzo& l, double x, double y, const QString& texto);

// A text whose length varies (a name, a period, a count) placed as above but
// kept off its neighbour: when it would reach xFin (where the next caption,
// value or rule starts) or be wider than its band, it is set in a smaller
// size, a quarter of a point at a time, until it fits. It keeps its place: the
// same top, the same line, the same centre.
void ImprimirTextoHasta(Lienzo& l, double x, double y, double xFin, const QString& texto);
void ImprimirTextoLineaHasta(Lienzo& l, double x, double y, double xFin, const QString& texto);
void ImprimirTextoCentradoAjustado(Lienzo& l, double x, double y, double ancho, const QString& texto);

// A rule in the current line width.
void DibujarLinea(Lienzo& l, double x1, double y1, double x2, double y2);
// A black outline; the inside is not painted.
void DibujarCajaBlanca(Lienzo& l, double x1, double y1, double x2, double y2);
// A solid light-grey area with no black edge.
void DibujarCajaGris(Lienzo& l, double x1, double y1, double x2, double y2);

}  // namespace quelvo
