#pragma once
// The hand-off of a written submission file to the authority's filing
// service: a local page, temphtm.HTM in the work folder, whose form of hidden
// fields posts itself to the filing address as soon as the browser loads it.
#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "quelvort/variant.h"

namespace quelvo {

// What the page tells the filing service.
struct DatosEnvio {
    QString fichero;      // the submission file just written
    bool espanol = true;  // the interface language
    bool colectiva = false;
    // (NIF, name) of each declarant of the run, in its order.
    std::vector<std::pair<QString, QString>> declarantes;
    QString nifPresentador, nombrePresentador;
    // Per-key totals, (field, row) from row 1: 0 the key (operation key up
    // to 2009, operation type "N"/"R" from 2010), 1 the bases in hundredths,
    // 2 the entries; Null when none.
    rt::Variant totales;
    int32_t ejercicio = 0;
    int32_t periodo = 0;
    int32_t periodicidad = 0;
};

// One hidden field; the value is escaped for HTML and stands in single quotes.
QString CampoOculto(const QString& nombre, const QString& valor);
// The amount fields p0 to p9 (slot 10 stays empty).
std::array<QString, 11> CamposImportes(const rt::Variant& totales, int32_t ejercicio);
// "5".."16" for the months, "1".."4" for the quarters, "0" for the year, ""
// for anything else.
QString CodigoPeriodoEnvio(int32_t periodo, int32_t periodicidad);
// The hidden fields of the page, in the authority's order.
QString CamposEnvio(const DatosEnvio& datos);
// The whole page for the filing address and the fields.
QString PaginaEnvio(const QString& direccion, const QString& campos);

// Writes the page (Windows-1252) in place of any earlier one and opens it in
// the desktop's browser; when none opens it, the user is told to open the
// page, named with its path, to complete the filing.
void AbrirFormularioEnvio(const QString& pagina);
// The page's path: the work folder and "temphtm.HTM".
QString RutaPaginaEnvio();

// The hand-off of the run just written: the run object's declarants,
// exercise and period, the file selector's path and filing address.
void EnvioTelematico();

}  // namespace quelvo
