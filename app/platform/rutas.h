#pragma once
// Where the program finds and keeps its files.
#include <QString>

namespace quelvo::plataforma {

// The folder of the Quelvo executable, without a trailing separator.
QString CarpetaPrograma();

// The work folder: $HOME/telematica (no trailing separator).
QString CarpetaTrabajo();

// The tables folder for a program folder, ending in "/": "Tablas" in the
// program folder, or, when the path contains "cliente" (any letter case),
// "Tablas" beside the part of the path before the separator in front of it.
QString CarpetaTablas(const QString& carpetaPrograma);

}  // namespace quelvo::plataforma
