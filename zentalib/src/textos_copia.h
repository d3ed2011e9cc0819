#pragma once
// What the backup and restore tell the user, in Spanish or Basque.
#include <QString>
#include <cstdint>
#include <string>

#include "copia_bd.h"

namespace zentalib {

enum class Operacion { Copia, Restauracion };

QString TituloOperacion(Operacion operacion, int32_t idioma);

// The failure in `resultado`, naming the file it concerns.
QString TextoFallo(Operacion operacion, const ResultadoCopia& resultado, const std::string& origen,
                   const std::string& destino, int32_t idioma);

QString TextoConfirmarRestauracion(const std::string& origen, const std::string& destino,
                                   int32_t idioma);

}  // namespace zentalib
