#pragma once
// The few operating-system services the program asks for: temporary folder,
// host name, opening a document or page, and the hourglass.
#include <QString>

namespace quelvo::plataforma {

// The system temporary folder ending in "/"; "" when it cannot be found.
QString pathTemporal();

// The computer's host name; "" when it cannot be read.
QString NombrePC();

// What came of asking the desktop to open a document.
enum class Apertura {
    Abierta,     // handed to the program that shows it
    NoExiste,    // a local file that is not there
    SinPrograma, // no program could show it, or the address is no address
};

// Opens a file (relative paths count from the current folder) or a URL with
// the program the desktop associates with it. The caller tells the user, in
// the user's language, when it was not opened.
Apertura AbrirDocumento(const QString& rutaOUrl);

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
