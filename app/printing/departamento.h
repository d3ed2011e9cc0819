#pragma once
// The tax department's name under the authority's name on every printed
// page, in Basque and in Spanish, from Zentalib's cMiscelaneos.
#include <QString>

namespace quelvo {

struct LineasDepartamento {
    QString euskera;
    QString castellano;
};

// One object for both lines, released at once. A failure of the library is
// raised to the page.
LineasDepartamento ObtenerDepartamento();

}  // namespace quelvo
