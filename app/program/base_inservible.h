#pragma once
// A user database the program cannot use, found at start-up: no database at
// all, a damaged one, or one without the program's tables. The user is told
// what is wrong with which file (in both languages: the language is kept in
// that very file), the technical text goes to the error log, and the file may
// be set aside, renamed beside itself and never deleted, so that the program
// starts with a new empty database from which a backup can be restored.
#include <QDateTime>
#include <QString>

namespace quelvo {

// The upgrade step of start-up (ComprobarBDVersion) with that offer. True
// when start-up goes on; false when the program must end: the upgrade asked
// for it, the user kept the file, or it could not be set aside (the user was
// told). Any other failure is raised as it came.
bool PrepararBaseUsuario();

// A free name beside `ruta` to set it aside under: its name with the moment
// ("794Mod-20120304-050607.mdb"), a number added while that name, or the
// name of a file that goes with it, is taken.
QString RutaApartada(const QString& ruta, const QDateTime& momento);

// Renames the file, and the files the engine keeps beside it, to `destino`;
// all or nothing. False, with the reason in `error`, when nothing moved.
bool ApartarFichero(const QString& ruta, const QString& destino, QString* error);

}  // namespace quelvo
