#pragma once
// The few operating-system services the program asks for: temporary folder,
// host name, opening a document or page, and the hourglass.
#include <QString>

namespace quelvo::plataforma {

// The system temporary folder ending in "/"; "" when it cannot be found.
QString pathTemporal();

// The computer's host name; "" when it cannot be read.
QString NombrePC();

// Opens a file (relative paths count from the current folder) or a URL with
// the program the desktop associates with it. On failure returns false and,
// when error is given, sets it to a text naming the file's full path, in
// Spanish and in Basque.
bool AbrirDocumento(const QString& rutaOUrl, QString* error);

// Shows the hourglass while it lives.
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};

// Shows the default arrow while it lives, over any hourglass, and gives the
// pointer back as it was (the modal boxes, so the user can click them).
class CursorNormal {
public:
    CursorNormal();
    ~CursorNormal();
    CursorNormal(const CursorNormal&) = delete;
    CursorNormal& operator=(const CursorNormal&) = delete;
};

}  // namespace quelvo::plataforma
