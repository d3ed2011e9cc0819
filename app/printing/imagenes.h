#pragma once
// The pictures the summary form paints at their own size: the authority's
// emblem and the captions written upwards beside the blocks. They are drawn
// by the program at 96 dots per inch.
#include <QImage>
#include <QString>

namespace quelvo {

// The picture of that name: "Logo", "Identificacion", "Ejercicio",
// "Resumen", "Presentador" or "Colectiva". Any other name raises 5.
const QImage& ImagenFormulario(const QString& nombre);

// Size of a picture on paper, in millimetres.
double AnchoImagenMm(const QImage& imagen);
double AltoImagenMm(const QImage& imagen);

}  // namespace quelvo
