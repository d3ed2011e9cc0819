#pragma once
// The data of the submission benchmarks: declarants with one declaration of
// 2012 each and their declared entries, filled by one statement per table,
// and the presenter's export record.
#include <sqlite3.h>

#include <stdexcept>
#include <string>

#include "quelvodat/cExportacion.h"
#include "quelvort/object.h"
#include "quelvort/textfile.h"
#include "quelvort/variant.h"

namespace bench {

inline void Llenar(const std::string& ruta, int32_t declarantes, int32_t porDeclarante) {
    sqlite3* db = nullptr;
    if (sqlite3_open(ruta.c_str(), &db) != SQLITE_OK) throw std::runtime_error("open " + ruta);
    const std::string n = std::to_string(declarantes);
    const std::string m = std::to_string(porDeclarante);
    const std::string total = std::to_string(int64_t{declarantes} * porDeclarante);
    // Valid Spanish NIFs (DNI with its letter) and German VAT numbers, so an
    // import of the file accepts every line. Every tenth entry is a
    // rectification, so both shapes of the record run.
    const std::string sql =
        "BEGIN;"
        "WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < " + n + ") "
        "INSERT INTO TDeclarante (coddec, dni_cifd, nombred, viad, domiciliod, numerod, letrad, "
        "escalerad, pisod, manod, cod, codpostald, municipiod, telefonod, nombrepd, telefonopd) "
        "SELECT i, printf('%08d', i) || substr('TRWAGMYFPDXBNJZSQVHLCKE', i % 23 + 1, 1), "
        "'DECLARANTE NUMERO ' || i, 'CL', 'MAYOR', i, ' ', ' ', "
        "' ', ' ', 1, 1, 'VITORIA-GASTEIZ', 945000000 + i, 'PERSONA DE CONTACTO', 600000000 + i "
        "FROM d;"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda, "
        "bimensual) SELECT coddec, coddec, 2012, 12, 3, 'E', '' FROM TDeclarante;"
        "WITH RECURSIVE e(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM e WHERE i < " + total +
        " - 1) "
        "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, "
        "base, signoo, ejercicioo, periodoo, triangularo, periodicidad) "
        "SELECT i / " + m + " + 1, 'DE', '', 100000000 + i, 'PROVEEDOR ' || i, "
        "CASE WHEN i % 10 = 0 THEN 'R' ELSE 'N' END, 'E', 123456 + i, "
        "CASE WHEN i % 10 = 0 THEN '-' ELSE ' ' END, CASE WHEN i % 10 = 0 THEN 2011 ELSE 0 END, "
        "CASE WHEN i % 10 = 0 THEN 12 ELSE 0 END, ' ', CASE WHEN i % 10 = 0 THEN 3 ELSE 0 END "
        "FROM e;"
        "COMMIT;";
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string texto = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fill: " + texto);
}

inline rt::Variant Presentador() {
    rt::VArray p(0, 15);
    const rt::Variant valores[] = {1, "B01234567", "ASESORIA ARABA SL", "CL", "DATO", 15, "",
                                   "1", "2", "IZ", "01", "001", "VITORIA-GASTEIZ", 945000111,
                                   "JON ETXEBARRIA", 600111222};
    for (int32_t i = 0; i <= 15; ++i) p.at(i) = valores[i];
    return p;
}

struct Exportado {
    long registros = 0;  // lines written
    int64_t escritos = 0;  // type-2 records written
    int32_t contados = 0;  // the run's total counted first
};

// The whole collective submission of declarants 1 to n of 2012, driven
// through the export object as its calling protocol says, written to fichero.
inline Exportado ExportarPorElServidor(const std::string& mod, const std::string& fichero,
                                       int32_t declarantes) {
    rt::VArray codigos(0, declarantes - 1);
    std::string lista;
    for (int32_t i = 0; i < declarantes; ++i) {
        codigos.at(i) = i + 1;
        lista += (i ? "," : "") + std::to_string(i + 1);
    }
    const rt::Variant vCodigos(codigos);
    Exportado r;
    auto total = rt::CreateObjectAs<quelvodat::_cExportacion>("Quelvodat.cExportacion");
    total->mdbmod(mod);
    r.contados = total->TotalDeclarados(2012, 12, lista);

    auto e = rt::CreateObjectAs<quelvodat::_cExportacion>("Quelvodat.cExportacion");
    e->mdbmod(mod);
    e->Ejercicio(2012);
    e->Moneda("E");
    e->Periodo(12);
    e->Periodicidad(3);
    rt::TextFileWriter salida(fichero);
    for (int32_t i = 0; i < declarantes; ++i) {
        e->NoTotalDeclarados(0);
        if (i == 0) {
            salida.WriteLine(e->ExportarReg0(Presentador(), declarantes, r.contados, 2012));
            ++r.registros;
        }
        salida.WriteLine(e->ExportarReg1(vCodigos, i));
        ++r.registros;
        rt::Variant tipo2 = e->ExportarReg2(vCodigos, i);
        if (!tipo2.isEmpty())
            for (int32_t j = 1; j <= rt::UBound(tipo2); ++j) salida.WriteLine(tipo2(j).str());
        r.registros += e->NoTotalDeclarados();
        r.escritos += e->NoTotalDeclarados();
    }
    salida.Commit();
    return r;
}

// The same presenter stored in the user database, for runs that read it there.
inline void LlenarPresentador(const std::string& ruta) {
    sqlite3* db = nullptr;
    if (sqlite3_open(ruta.c_str(), &db) != SQLITE_OK) throw std::runtime_error("open " + ruta);
    const char* sql =
        "INSERT INTO TPresentador (codpres, dni_cif, nombre, via, domicilio, numero, letra, "
        "escalera, piso, mano, cod, codpostal, municipio, telefono, nombrep, telefonop) VALUES "
        "(1, 'B01234567', 'ASESORIA ARABA SL', 'CL', 'DATO', 15, '', '1', '2', 'IZ', 1, 1001, "
        "'VITORIA-GASTEIZ', 945000111, 'JON ETXEBARRIA', 600111222);";
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("presenter");
}

}  // namespace bench
