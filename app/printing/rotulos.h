#pragma once
// What the summary form's blocks share to write their fixed captions: the two
// face names, a caption at its place, and runs of leader dots.
#include <QString>
#include <initializer_list>

#include "printing/imprimir_general.h"
#include "printing/lienzo.h"

namespace quelvo {

inline const QString kArial = QStringLiteral("Arial");
inline const QString kTimes = QStringLiteral("Times New Roman");

// A caption placed on the line y from x; Basque ones in italic.
struct Rotulo {
    const char* texto;
    double x, y;
    bool cursiva = false;
};

// Prints them in order, italic as each says; ends upright.
inline void Rotulos(Lienzo& l, std::initializer_list<Rotulo> rotulos) {
    for (const Rotulo& r : rotulos) {
        l.FontItalic(r.cursiva);
        ImprimirTextoLinea(l, r.x, r.y, QString::fromUtf8(r.texto));
    }
    l.FontItalic(false);
}

// A run of n full stops.
inline QString Puntos(int n) { return QString(n, QChar('.')); }

}  // namespace quelvo
