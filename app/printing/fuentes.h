#pragma once
// The faces of the printed forms. The pages name Arial and Times New Roman;
// they print in Liberation Sans and Liberation Serif, which have the same
// metrics, so every placement measured in millimetres holds.
#include <QFont>
#include <QString>

#include "printing/lienzo.h"

namespace quelvo {

// "Liberation Serif" for "Times New Roman", "Liberation Sans" for any other
// face name (the pages use only these two).
QString CaraImpresa(const QString& nombre);

// The Qt font that draws a canvas font, with no hinting, so that widths are
// the same on every device. Raises 5 naming the face when it is not
// installed (package fonts-liberation): a form never prints in a silent
// substitute.
QFont FuenteQt(const FuenteLienzo& fuente);

}  // namespace quelvo
