#pragma once
// Reading what the printing code drew on the recording canvas.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <optional>

#include "printing/lienzo.h"

namespace prueba {

using quelvo::Operacion;
using quelvo::Trabajo;

// The first text of the job equal to texto.
inline std::optional<Operacion> BuscarTexto(const Trabajo& t, const QString& texto) {
    for (const Operacion& op : t)
        if (op.tipo == Operacion::Tipo::Texto && op.texto == texto) return op;
    return std::nullopt;
}

// Every text of the job, in drawing order.
inline QStringList Textos(const Trabajo& t) {
    QStringList textos;
    for (const Operacion& op : t)
        if (op.tipo == Operacion::Tipo::Texto) textos << op.texto;
    return textos;
}

// Whether the job draws an operation of that kind with those corners.
inline bool Dibuja(const Trabajo& t, Operacion::Tipo tipo, double x1, double y1, double x2, double y2) {
    for (const Operacion& op : t)
        if (op.tipo == tipo && std::abs(op.x1 - x1) < 1e-6 && std::abs(op.y1 - y1) < 1e-6 &&
            std::abs(op.x2 - x2) < 1e-6 && std::abs(op.y2 - y2) < 1e-6)
            return true;
    return false;
}

// The height of a line in a font, as the canvas measures it.
inline double AltoLinea(const quelvo::FuenteLienzo& f) {
    quelvo::LienzoGrabacion l;
    l.Fuente(f);
    return l.TextHeight(QString());
}

// The line y a text placed "on the line" was meant for: its top plus 35 % of
// its height.
inline double LineaDe(const Operacion& op) { return op.y1 + 0.35 * AltoLinea(op.fuente); }

// Checks that texto is drawn starting at x on the line y (within 0.001 mm),
// and returns that drawing.
inline Operacion EnLinea(const Trabajo& t, const QString& texto, double x, double y) {
    for (const Operacion& op : t)
        if (op.tipo == Operacion::Tipo::Texto && op.texto == texto && std::abs(op.x1 - x) < 1e-3 &&
            std::abs(LineaDe(op) - y) < 1e-3)
            return op;
    ADD_FAILURE() << "no " << texto.toStdString() << " at (" << x << ", " << y << ")";
    return {};
}

// Whether any text starts at x (within 0.001 mm).
inline bool HayTextoEnX(const Trabajo& t, double x) {
    for (const Operacion& op : t)
        if (op.tipo == Operacion::Tipo::Texto && std::abs(op.x1 - x) < 1e-3) return true;
    return false;
}

// Whether any text stands on the line y (within 0.001 mm).
inline bool HayTextoEnLinea(const Trabajo& t, double y) {
    for (const Operacion& op : t)
        if (op.tipo == Operacion::Tipo::Texto && std::abs(LineaDe(op) - y) < 1e-3) return true;
    return false;
}

}  // namespace prueba
