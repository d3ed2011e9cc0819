#pragma once
// Backup and restore of the user database ("Zentalib.cSaveAsRestore").
//
// The paths come whole from the properties: a folder (Ruta*, with or without
// the final '/') and a file name (Archivo*). The object asks, and says what
// it did or why it did nothing, in its own boxes in the language of Idioma.
//
// Parent is the window those boxes belong to, passed as
// reinterpret_cast<std::intptr_t>(QWidget*), 0 for none. It is an integer so
// that this header stays free of Qt: the data server includes Zentalib's
// headers and never Qt.
#include <cstdint>
#include <string>

#include "quelvort/object.h"

namespace zentalib {

class _cSaveAsRestore : public virtual rt::Object {
public:
    virtual void ArchivoOrigen(const std::string& nombre) = 0;
    virtual void ArchivoDestino(const std::string& nombre) = 0;
    virtual void RutaDestino(const std::string& carpeta) = 0;
    virtual void RutaOrigen(const std::string& carpeta) = 0;
    // A file-dialog filter ("text|patterns"); kept, no dialog needs it.
    virtual void Filtro(const std::string& filtro) = 0;
    // 0 Spanish, 10000 Basque.
    virtual void Idioma(int32_t idioma) = 0;
    virtual void Parent(std::intptr_t ventana) = 0;
    // Reference database, table and field of a backup setting; kept, nothing
    // reads them.
    virtual void BDLectura(const std::string& ruta) = 0;
    virtual void BDTabla(const std::string& tabla) = 0;
    virtual void BDCampo(const std::string& campo) = 0;

    // Copies RutaOrigen+ArchivoOrigen to RutaDestino+ArchivoDestino (the
    // folder is created), consistent even while the database is in use. An
    // earlier backup there is replaced only after the user confirms, told its
    // date. True when the copy is in place; a refusal answers False and leaves
    // the earlier backup as it was; a failure is shown and answers False.
    virtual bool CrearBackup() = 0;
    // Replaces RutaDestino+ArchivoDestino with the user database at
    // RutaOrigen+ArchivoOrigen after the user confirms, told the copy's date.
    // True only when the target now holds that copy; a file that is no user
    // database of the system, a refusal or a failure answer False and leave
    // the target as it was.
    virtual bool CrearRestore() = 0;
    // After a failure or refusal of either: what the user was told, followed
    // by the engine's or the system's own words, for the error log; empty when
    // there are no such words (a success, a No, a missing file).
    virtual std::string DetalleFallo() const = 0;
};

}  // namespace zentalib
