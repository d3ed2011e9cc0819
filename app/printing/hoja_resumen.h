#pragma once
// The summary form, one page per declarant (and the presenter's page that
// ends a collective run), drawn from the data gathered for that page.
#include <QString>
#include <cstdint>

#include "printing/lienzo.h"
#include "quelvort/variant.h"

namespace quelvo {

// A declarant or the presenter as the printed documents show them.
struct PersonaImpresa {
    QString nif, nombre, siglas, domicilio, letra, escal, piso, mano, municipio;
    int32_t numero = 0;
    int16_t codProvin = 0;
    int32_t cpost = 0;
    int32_t telefono = 0;
    // The province's name in the interface language.
    QString provincia;
    // Contact person and telephone (the medium label).
    QString contacto;
    int32_t telefonoContacto = 0;
};

// Everything one page prints.
struct HojaResumen {
    // The run's exercise: it chooses the totals layout, the key grouping, the
    // box numbers and the bimonthly row.
    int32_t ejercicio = 0;
    uint8_t periodo = 0;
    uint8_t periodicidad = 0;
    // "X" when the printed declaration is bimonthly.
    QString bimensual;
    // 1 collective run, else individual.
    int32_t indCol = 0;
    // 0 a declarant's page, 1 the presenter's page of a collective run.
    int32_t persona = 0;
    // 1 draft, 2 declarant's copy, 3 Administration's copy.
    int32_t impreso = 0;
    // The person of the identification block (the presenter on its page).
    PersonaImpresa identificado;
    // The presenter as read once for the run.
    PersonaImpresa presentador;
    // Per-key totals of the printed declaration, (field, row) from row 1:
    // 0 key, 1 sum of the bases in hundredths, 2 entries; Null for none.
    rt::Variant totales = rt::Variant::Null();
    // "E" euros, anything else pesetas.
    QString moneda;
    // The presenter's page: declarants of the run and their entries.
    int32_t numeroDeclarantes = 0;
    int32_t totalDeclarados = 0;
    // As typed in the print dialog, in the interface language's layout.
    QString fechaPresentacion;
};

// The whole page as one job. Answers the number of declared entries the
// totals counted (0 on the presenter's page). A failure drops the page's job,
// gives the canvas back its unit font and raises.
int32_t ImprimirHoja(Lienzo& l, const HojaResumen& hoja);

// The blocks, top to bottom.
void ImprimirCabecera(Lienzo& l);
void ImprimirIdentificacion(Lienzo& l, const HojaResumen& hoja);
// Both answer the entries they counted.
int32_t ImprimirTotalesHasta2009(Lienzo& l, const HojaResumen& hoja);
int32_t ImprimirTotalesDesde2010(Lienzo& l, const HojaResumen& hoja);
void ImprimirResumenColectivo(Lienzo& l, const HojaResumen& hoja);
void ImprimirPie(Lienzo& l, const HojaResumen& hoja);

// The footer's date line of a presentation date typed in the interface
// language: "2013/10/28an /// 28/10/2013".
QString LineaFechaPresentacion(const QString& fecha);

// The caption of the copy: "ZIRRIBORROA / BORRADOR" for 1 and so on; "" for
// any other output.
QString RotuloEjemplar(int32_t impreso);

}  // namespace quelvo
