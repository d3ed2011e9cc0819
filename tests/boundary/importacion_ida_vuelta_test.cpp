// A round trip: the submission files that the export object writes for a
// fixture database, imported into an empty database, give back the same
// declarations and entries, rectifications of both layouts included.
#include <gtest/gtest.h>

#include "declaraciones_prueba.h"
#include "exportacion_prueba.h"
#include "importacion_prueba.h"
#include "quelvort/textfile.h"

namespace {

const char* kFuente = R"sql(
INSERT INTO TDeclarante VALUES
 (1,'12345678Z','O´NEILL TRADING SL','CL','MAYOR',7,' ',' ','3','A',1,1,'VITORIA-GASTEIZ',945222333,'ANE GARCIA',600333444),
 (2,'B12345674','COMERCIAL ARABA SL','AV','GASTEIZ',120,' ',' ',' ',' ',1,400,'LLODIO',0,' ',0);
INSERT INTO TDeclaraciones (coddecla,coddecr,ejercicio,periodo,periodicidad,moneda,bimensual) VALUES
 (1,1,2009,6,2,'E',''),
 (2,2,2009,12,3,'E',''),
 (3,1,2011,5,1,'E','X'),
 (4,2,2010,9,2,'E','');
INSERT INTO tOperadores (coddeclar,paiso,paisaux,nifo,razon,tipoopo,claveopo,base,signoo,ejercicioo,periodoo,triangularo,periodicidad) VALUES
 (1,'DE','','123456789','MÜLLER GMBH','N','1',123456,' ',0,0,'X',0),
 (1,'FR','','AB123456789','D´ARTAGNAN SARL','N','2',50000,' ',0,0,' ',0),
 (1,'PT','','123456789','LISBOA LDA','R','3',20000,'-',2008,12,' ',2),
 (1,'NL','','123456789B01','ROTTERDAM BV','R','4',7500,'+',2009,3,' ',2),
 (2,'BE','','0123456789','BRUXELLES SA','N','2',300000,' ',0,0,' ',0),
 (2,'IT','','12345678901','ROSSI SPA','R','3',4100,'+',2008,9,'X',2),
 (3,'DE','','123456789','MÜLLER GMBH','N','E',100000,' ',0,0,' ',0),
 (3,'FR','','AB123456789','D´ARTAGNAN SARL','N','T',250,' ',0,0,' ',0),
 (3,'AT','','U12345678','WIEN HANDEL GMBH','N','H',999,' ',0,0,' ',0),
 (3,'IT','','12345678901','ROSSI SPA','R','A',40000,'-',2011,3,' ',1),
 (3,'PT','','123456789','LISBOA LDA','R','S',1234,'+',2010,12,' ',2),
 (4,'NL','','123456789B01','ROTTERDAM BV','N','I',5000,' ',0,0,' ',0),
 (4,'BE','','0123456789','BRUXELLES SA','R','E',2500,'-',2010,6,' ',2);
)sql";

// What a declaration and its entries are, whatever the keys the database gave.
const char* kSqlDeclaraciones =
    "SELECT dni_cifd||'|'||nombred||'|'||ejercicio||'|'||periodo||'|'||periodicidad||'|'||"
    "moneda||'|'||bimensual FROM TDeclaraciones JOIN TDeclarante ON coddec = coddecr "
    "ORDER BY dni_cifd, ejercicio, periodo";

class IdaYVuelta : public prueba::BaseDePrueba {};

TEST_F(IdaYVuelta, ExportedFilesImportIntoTheSameDeclarationsAndEntries) {
    Sql(kFuente);
    std::filesystem::create_directories(carpeta_ / "destino");
    const std::string destino = prueba::CrearBaseUsuarioPrueba(carpeta_ / "destino");
    const struct {
        int32_t ejercicio;
        uint8_t periodo, periodicidad;
        int32_t declarante;
    } ficheros[] = {{2009, 6, 2, 1}, {2009, 12, 3, 2}, {2011, 5, 1, 1}, {2010, 9, 2, 2}};
    for (const auto& f : ficheros) {
        auto ruta = (carpeta_ / ("794_" + std::to_string(f.ejercicio) + "_" +
                                 std::to_string(f.periodo) + ".txt")).string();
        rt::WriteAllLines(ruta, prueba::Exportar(mod_, f.ejercicio, f.periodo, f.periodicidad,
                                                 "E", {f.declarante}).lineas);
        auto salidas = prueba::Importador(destino, prueba::RutaBaseReferencia()).Fichero(ruta);
        for (size_t i = 0; i < salidas.size(); ++i) {
            // The declarant of the second file of each is known by then.
            EXPECT_LE(salidas[i].resultado, 1) << ruta << " line " << i + 1;
            EXPECT_EQ(salidas[i].hallazgos, prueba::Hallazgos{}) << ruta << " line " << i + 1;
        }
    }
    EXPECT_EQ(prueba::Columna(destino, kSqlDeclaraciones), Columna(kSqlDeclaraciones));
    const auto entradas = Columna(prueba::kSqlDeclarados);
    EXPECT_EQ(entradas.size(), 13u);
    EXPECT_EQ(prueba::Columna(destino, prueba::kSqlDeclarados), entradas);
}

}  // namespace
