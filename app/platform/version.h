#pragma once
// The program's own version, as the build stamps it.
#include <QString>

namespace quelvo::plataforma {

struct VersionPrograma {
    int mayor = 0;
    int menor = 0;
    int revision = 0;
    // Three numbers joined by ".".
    QString texto() const;
};

VersionPrograma VersionPropia();

}  // namespace quelvo::plataforma
