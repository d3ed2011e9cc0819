#pragma once
// The identification label of the submission medium: a 72 by 71 mm card at
// the top of the sheet, one job.
#include <QString>
#include <cstdint>

#include "printing/hoja_resumen.h"
#include "printing/lienzo.h"

namespace quelvo {

struct EtiquetaSoporte {
    // The declarant of an individual run, the presenter of a collective one,
    // with the contact person and telephone.
    PersonaImpresa persona;
    // 1 collective, 0 individual (any other value prints no presentation line).
    int32_t indCol = 0;
    int32_t ejercicio = 0;
    // The period's description in the interface language.
    QString periodo;
    int32_t numeroDeclarantes = 0;
    // Type-2 records of the run.
    int32_t numeroRegistros = 0;
    // The currency code as held ("E", "P").
    QString moneda;
};

// The label's address line: "CL MAYOR, 5 A 2 3 IZ".
QString DireccionEtiqueta(const PersonaImpresa& p);

// Draws the label as one job, in the canvas's current face.
void ImprimirEtiquetas(Lienzo& l, const EtiquetaSoporte& e);

}  // namespace quelvo
