#pragma once
// User-database rows for the printing tests.
#include <string>

#include "entorno.h"
#include "printing/cimprgrabar.h"
#include "services/objetos.h"
#include "windows/frmBarraDeProgreso_794.h"

namespace prueba {

// Three declarants with 2, 0 and 5 entries in their 2009 first-quarter
// declarations, in pesetas, and a presenter.
inline void DatosColectiva(const prueba::Entorno& entorno) {
    entorno.sql(
        "INSERT INTO TDeclarante (coddec, dni_cifd, nombred, viad, domiciliod, numerod, cod,"
        " codpostald, municipiod, telefonod, nombrepd, telefonopd, letrad, escalerad, pisod, manod)"
        " VALUES"
        " (12, '11111111H', 'PRIMERO SA', 'CL', 'Mayor', 0, 1, 1, 'Vitoria', 945111111, 'Ane', 0,"
        " '', '', '', ''),"
        " (7, '22222222J', 'SEGUNDO SL', 'AV', 'Gasteiz', 5, 1, 8, 'Vitoria', 0, 'Jon', 0,"
        " 'A', '', '2', 'IZ'),"
        " (31, '33333333P', 'TERCERO SC', 'PZ', 'Nueva', 2, 48, 1, 'Bilbao', 0, 'Iker', 0,"
        " '', '', '', '');"
        "INSERT INTO TPresentador (codpres, dni_cif, nombre, via, domicilio, numero, cod, codpostal,"
        " municipio, telefono, nombrep, telefonop, letra, escalera, piso, mano) VALUES"
        " (1, 'B01234567', 'ASESORIA SL', 'CL', 'Dato', 9, 1, 5, 'Vitoria', 945999999,"
        " 'Contacto de la asesoria', 945888888, '', '', '', '');"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda)"
        " VALUES (1, 12, 2009, 3, 2, 'P'), (2, 7, 2009, 3, 2, 'P'), (3, 31, 2009, 3, 2, 'P'),"
        " (4, 12, 2009, 6, 2, 'P');"
        "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, claveopo, base, signoo,"
        " ejercicioo, periodoo, triangularo) VALUES"
        " (1, 'FR', '', 'FR1', 'UNO', '1', 166386, '', 0, 0, ''),"
        " (1, 'FR', '', 'FR2', 'DOS', '2', 100, '', 0, 0, ''),"
        " (3, 'DE', '', 'DE1', 'A', '1', 100, '', 0, 0, ''),"
        " (3, 'DE', '', 'DE2', 'B', '1', 100, '', 0, 0, ''),"
        " (3, 'DE', '', 'DE3', 'C', '3', 100, '', 0, 0, ''),"
        " (3, 'DE', '', 'DE4', 'D', '4', 100, '', 0, 0, ''),"
        " (3, 'DE', '', 'DE5', 'E', '4', 100, '', 0, 0, ''),"
        " (4, 'IT', '', 'IT1', 'OTRO PERIODO', '1', 100, '', 0, 0, '');");
}

// The program's run object set for a collective run of those three
// declarants printing the output `impreso`, with room in the progress.
inline void RunColectivo(int32_t impreso) {
    quelvo::intTotalProgreso = 1000;
    quelvo::intProgreso = 0;
    quelvo::cImprGrabar& run = quelvo::objImprGrabar();
    run.Ejercicio(2009);
    run.Periodo(3);
    run.Periodicidad(2);
    run.Moneda("P");
    run.IndCol(1);
    run.Impreso(impreso);
    run.FechaPresentacion("28/10/2013");
    run.vBufferDeclarantes(rt::Variant(rt::VArray::Of({12, 7, 31})));
}

}  // namespace prueba
