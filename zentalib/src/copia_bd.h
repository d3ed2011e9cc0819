#pragma once
// Copies of an SQLite database file, with no user interface: a consistent copy
// through SQLite's online backup (right even while the database runs in WAL
// mode and others use it) that replaces its target only once it is whole.
#include <string>

namespace zentalib {

enum class FalloCopia {
    Ninguno,
    OrigenNoExiste,   // the file to copy is not there
    EsCarpeta,        // the file to copy is a folder
    DestinoEsCarpeta, // a folder stands where the copy would go
    NoEsBaseUsuario,  // not an SQLite file with the user database's tables and columns
    Danada,           // a database whose pages fail the integrity check
    ObjetoAjeno,      // holds a trigger, view, table, index or column the program never makes
    Carpeta,          // the destination folder cannot be created
    Copia,            // the copy itself failed (detail from SQLite)
    EnUso,            // the target is held by another connection
    Sustitucion,      // the target could not be replaced
};

struct ResultadoCopia {
    FalloCopia fallo = FalloCopia::Ninguno;
    std::string detalle;  // the system's or SQLite's own reason, if any; never shown
    bool ok() const { return fallo == FalloCopia::Ninguno; }
};

// folder + name; a folder without a final '/' gets one. An empty folder leaves
// the name as it is.
std::string UnirRuta(const std::string& carpeta, const std::string& nombre);

// Whether the file at ruta is a sound user database of the system, in the
// current layout or an earlier one the upgrade knows, holding nothing the
// program does not make. Nothing is written to it.
ResultadoCopia ComprobarBaseUsuario(const std::string& ruta);

// Writes a copy of the database origen over destino, creating destino's
// folder; the copy replaces destino only once it passes ComprobarBaseUsuario.
// Temporary files that an earlier copy killed half-way left beside origen or
// destino are removed. On any failure destino is left as it was.
ResultadoCopia CopiarBaseDatos(const std::string& origen, const std::string& destino);

}  // namespace zentalib
