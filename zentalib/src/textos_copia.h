#pragma once
// What the backup and restore tell the user, in Spanish or Basque.
#include <QString>
#include <cstdint>
#include <string>

#include "copia_bd.h"

namespace zentalib {

enum class Operacion { Copia, Restauracion };

QString TituloOperacion(Operacion operacion, int32_t idioma);

// The failure in `resultado`, naming the file it concerns, in the user's
// words only: the detail of the engine or the system is not part of it.
QString TextoFallo(Operacion operacion, const ResultadoCopia& resultado, const std::string& origen,
                   const std::string& destino, int32_t idioma);

// What was done, naming the file written or restored.
QString TextoHecho(Operacion operacion, const std::string& origen, const std::string& destino,
                   int32_t idioma);

// The question before a restore: which database the copy replaces, and the
// copy's name and date (its file's, dd/mm/yyyy hh:mm).
QString TextoConfirmarRestauracion(const std::string& origen, const std::string& destino,
                                   int32_t idioma);

// The question before a backup replaces an earlier one: its name and date.
QString TextoConfirmarSustitucion(const std::string& destino, int32_t idioma);

}  // namespace zentalib
