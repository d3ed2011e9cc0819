#pragma once
// The two halves of a notice the screen stand-in recorded ("title|text").
#include <QString>

namespace prueba {

inline QString TituloAviso(const QString& aviso) { return aviso.section('|', 0, 0); }
inline QString TextoAviso(const QString& aviso) { return aviso.section('|', 1); }

}  // namespace prueba
