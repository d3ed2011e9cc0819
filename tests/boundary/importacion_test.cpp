// The import object reached by name, fed the hand-made files line by line as
// the desktop's import dialogs feed it, and the rows it stored read straight
// from the database.
#include <gtest/gtest.h>

#include "declaraciones_prueba.h"
#include "importacion_prueba.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "quelvort/textfile.h"

using prueba::Hallazgos;
using prueba::Importador;
using prueba::Salida;
using Filas = std::vector<std::string>;

namespace {

class Importacion : public prueba::BaseDePrueba {
protected:
    Importador Nuevo() { return Importador(mod_, prueba::RutaBaseReferencia()); }

    // Every line stored (result 0 for records 1 and 2, nothing for record 0);
    // answers the subject of every line.
    std::vector<int> TodoGuardado(const std::vector<Salida>& salidas) {
        std::vector<int> sujetos;
        for (size_t i = 0; i < salidas.size(); ++i) {
            sujetos.push_back(salidas[i].sujeto);
            if (salidas[i].sujeto == 0) continue;
            EXPECT_EQ(salidas[i].resultado, 0) << "line " << i + 1;
            EXPECT_EQ(salidas[i].hallazgos, Hallazgos{}) << "line " << i + 1;
        }
        return sujetos;
    }
};

TEST_F(Importacion, OwnFileUpTo2009) {
    auto imp = Nuevo();
    EXPECT_EQ(TodoGuardado(imp.Fichero(prueba::Fixture("soporte_2009.txt"))),
              (std::vector<int>{0, 1, 3, 3, 3, 3, 1, 3, 3, 3}));
    EXPECT_FALSE(imp.convertir_);

    EXPECT_EQ(Columna(prueba::kSqlDeclarantes),
              (Filas{"B12345674|COMERCIAL ARABA SL|CL|Sin domicilio|0| | | | |1|1|Sin municipio|0| |0",
                     "12345678Z|O´DONNELL ECHEVARRIA, MIKEL|CL|Sin domicilio|0| | | | |1|1|"
                     "Sin municipio|0| |0"}));
    EXPECT_EQ(Columna(prueba::kSqlDeclaraciones),
              (Filas{"B12345674|2009|6|2|E|", "12345678Z|2009|12|3|E|"}));
    EXPECT_EQ(Columna(prueba::kSqlDeclarados),
              (Filas{
                  "12345678Z|2009|12|BE|0123456789|BRUXELLES TRADING SPRL|4|500.0|-|2008|12| |R|2",
                  "12345678Z|2009|12|NL|123456789B01|VAN DIJK BV|2|99999.0| |0|0| |N|0",
                  "12345678Z|2009|12|DE|987654321|IBAÑEZ HANDEL GMBH|1|12345.0| |0|0| |N|0",
                  "B12345674|2009|6|DE|123456789|MULLER HANDEL GMBH|1|150000.0| |0|0| |N|0",
                  "B12345674|2009|6|FR|AB123456789|DUPONT ET FILS SARL|1|75050.0| |0|0|X|N|0",
                  "B12345674|2009|6|IT|12345678901|ROSSI SPA|2|20000.0| |0|0| |N|0",
                  "B12345674|2009|6|PT|123456789|LISBOA COMERCIO LDA|3|1000.0|+|2009|3| |R|2",
              }));
}

TEST_F(Importacion, OwnFilesFrom2010) {
    TodoGuardado(Nuevo().Fichero(prueba::Fixture("soporte_2010.txt")));
    // A new run of the next file starts from a fresh state.
    TodoGuardado(Nuevo().Fichero(prueba::Fixture("soporte_2011.txt")));

    EXPECT_EQ(Columna(prueba::kSqlDeclaraciones),
              (Filas{"B12345674|2010|5|1|E|X", "X1234567L|2010|9|2|E|", "12345678Z|2011|9|2|E|"}));
    EXPECT_EQ(Columna(prueba::kSqlDeclarados),
              (Filas{
                  "12345678Z|2011|9|BE|0123456789|BRUXELLES TRADING SPRL|M|6000.0| |0|0| |N|0",
                  "12345678Z|2011|9|DE|987654321|SCHMIDT LOGISTIK GMBH|H|7000.0| |0|0| |N|0",
                  "12345678Z|2011|9|FR|AB123456789|DUPONT ET FILS SARL|E|8000.0| |0|0| |N|0",
                  "B12345674|2010|5|DE|123456789|MULLER HANDEL GMBH|E|150000.0| |0|0| |N|0",
                  "B12345674|2010|5|FR|AB123456789|DUPONT ET FILS SARL|A|75050.0| |0|0| |N|0",
                  "B12345674|2010|5|IT|12345678901|ROSSI SPA|T|20000.0| |0|0| |N|0",
                  "B12345674|2010|5|PT|123456789|LISBOA COMERCIO LDA|S|30000.0| |0|0| |N|0",
                  // Sign and rectification read where the writer puts them.
                  "B12345674|2010|5|DE|123456789|MULLER HANDEL GMBH|E|1000.0|+|2010|3| |R|1",
                  "X1234567L|2010|9|NL|123456789B01|VAN DIJK BV|I|5000.0| |0|0| |N|0",
                  "X1234567L|2010|9|FR|AB123456789|DUPONT ET FILS SARL|A|2500.0|-|2010|6| |R|2",
              }));
    EXPECT_EQ(Valor("SELECT nombred FROM TDeclarante WHERE dni_cifd = 'X1234567L'"),
              "IBAÑEZ O´BRIEN SL");
}

TEST_F(Importacion, PesetaFileOfAnotherProgramIsConverted) {
    auto imp = Nuevo();
    TodoGuardado(imp.Fichero(prueba::Fixture("soporte_2001_pesetas.txt")));
    EXPECT_TRUE(imp.convertir_);
    // 100000 / 166.386 = 601.0121...
    EXPECT_EQ(Columna(prueba::kSqlDeclarados),
              (Filas{"A58818501|2001|3|DE|123456789|MULLER HANDEL GMBH|1|601.01| |0|0| |N|0"}));
}

// Only a file of an exercise that could hold pesetas, written by another
// program (no "785" at 165-167 of its record 1), has its amounts converted;
// from 2002 every declaration is in euros.
TEST_F(Importacion, OnlyAnotherProgramsFileUpTo2001IsTakenAsPesetas) {
    const auto lineas = rt::ReadAllLines(prueba::Fixture("soporte_2001_pesetas.txt"));
    const struct { std::string ejercicio; bool propio; bool convertido; std::string importe; } casos[] = {
        {"2001", false, true, "601.01"},
        {"2001", true, false, "100000.0"},
        {"2002", false, false, "100000.0"},
        {"2005", false, false, "100000.0"},
        {"2009", false, false, "100000.0"},
    };
    for (const auto& c : casos) {
        Sql("DELETE FROM tOperadores");
        Sql("DELETE FROM TDeclaraciones");
        Sql("DELETE FROM TDeclarante");
        std::string r1 = lineas.at(0), r2 = lineas.at(1);
        r1.replace(4, 4, c.ejercicio);
        r2.replace(4, 4, c.ejercicio);
        if (c.propio) r1.replace(164, 3, "785");
        auto imp = Nuevo();
        EXPECT_EQ(imp.Soporte(r1).resultado, 0) << c.ejercicio;
        EXPECT_EQ(imp.convertir_, c.convertido) << c.ejercicio << " " << c.propio;
        EXPECT_EQ(imp.Soporte(r2).resultado, 0) << c.ejercicio;
        EXPECT_EQ(Valor("SELECT base FROM tOperadores"), c.importe) << c.ejercicio << " " << c.propio;
    }
}

TEST_F(Importacion, NationalFilesOfBothLayouts) {
    auto salidas = Nuevo().Fichero(prueba::Fixture("estatal_2009.txt"), true);
    ASSERT_EQ(salidas.size(), 6u);
    // Key S has no key before 2010: the converted line has none.
    EXPECT_EQ(salidas[5].resultado, 3);
    EXPECT_EQ(salidas[5].hallazgos, (Hallazgos{{40, ""}}));
    salidas.pop_back();
    TodoGuardado(salidas);
    TodoGuardado(Nuevo().Fichero(prueba::Fixture("estatal_2010.txt"), true));
    EXPECT_EQ(Columna(prueba::kSqlDeclarados),
              (Filas{
                  "A58818501|2010|3|DE|123456789|MULLER HANDEL GMBH|E|120000.0| |0|0| |N|0",
                  "A58818501|2010|3|FR|AB123456789|DUPONT ET FILS SARL|A|45000.0| |0|0| |N|0",
                  "A58818501|2010|3|IT|12345678901|ROSSI SPA|T|10000.0| |0|0| |N|0",
                  "A58818501|2010|3|PT|123456789|LISBOA COMERCIO LDA|S|5000.0| |0|0| |N|0",
                  "A58818501|2010|3|DE|123456789|MULLER HANDEL GMBH|E|500.0|+|2009|12| |R|2",
                  "A58818501|2010|3|FR|AB123456789|DUPONT ET FILS SARL|A|2000.0|-|2010|1| |R|1",
                  "B12345674|2009|6|IT|12345678901|ROSSI SPA|1|10000.0| |0|0|X|N|0",
                  "B12345674|2009|6|DE|123456789|MULLER HANDEL GMBH|1|120000.0| |0|0| |N|0",
                  "B12345674|2009|6|FR|AB123456789|DUPONT ET FILS SARL|2|45000.0| |0|0| |N|0",
                  "B12345674|2009|6|IT|12345678901|ROSSI SPA|3|250.0|+|2009|3|X|R|2",
              }));
}

TEST_F(Importacion, DeclarantFile) {
    auto imp = Nuevo();
    for (const std::string& linea : rt::ReadAllLines(prueba::Fixture("declarantes.txt"))) {
        rt::Variant valores;
        Salida s = imp.Declarante(linea, valores);
        EXPECT_EQ(s.resultado, 0) << linea;
        EXPECT_EQ(s.hallazgos, Hallazgos{}) << linea;
        ASSERT_TRUE(valores.isArray());
        EXPECT_EQ(rt::UBound(valores), 17);
        EXPECT_EQ(rt::CLng(valores(0)), 0);
    }
    const Filas esperadas{
        "B12345674|COMERCIAL ARABA SL|CL|MAYOR|12|B|1|3|D|1|1|VITORIA-GAST|945112233|"
        "JON ETXEBERRIA|600111222",
        "12345678Z|O´DONNELL ECHEVARRIA, MIKEL|AV|GASTEIZ|7| | | | |20|5|DONOSTIA / S|943123456| |943000001",
        "X1234567L|IBAÑEZ MUÑOZ, ANE|PZ|PLAZA DE LA VIRGEN B|1| | |2|IZQ|48|1|BILBAO|944000000|"
        "IÑAKI|688000111",
    };
    EXPECT_EQ(Columna(prueba::kSqlDeclarantes), esperadas);

    // Read again: every NIF is known by its code; nothing more is stored.
    int32_t codigo = 0;
    for (const std::string& linea : rt::ReadAllLines(prueba::Fixture("declarantes.txt"))) {
        rt::Variant valores;
        EXPECT_EQ(imp.Declarante(linea, valores).resultado, 1);
        EXPECT_EQ(rt::CLng(valores(0)), ++codigo);
    }
    EXPECT_EQ(Columna(prueba::kSqlDeclarantes), esperadas);
}

TEST_F(Importacion, DeclarantSearchComparesTheWholeNif) {
    // A stored NIF that only begins as the line's, or only shares its first
    // eight characters, is another declarant; letter case does not count.
    Sql("INSERT INTO TDeclarante (coddec,dni_cifd,nombred) VALUES "
        "(1,'12345678','CORTO'),(2,'12345678ZX','LARGO'),(3,'x1234567l','MINUSCULAS')");
    // The first line of the declarant file with another NIF.
    auto linea = [](const std::string& nif) {
        return nif + rt::ReadAllLines(prueba::Fixture("declarantes.txt")).at(0).substr(9);
    };
    auto imp = Nuevo();
    rt::Variant valores;
    EXPECT_EQ(imp.Declarante(linea("12345678Z"), valores).resultado, 0);
    EXPECT_EQ(imp.Declarante(linea("X1234567L"), valores).resultado, 1);
    EXPECT_EQ(rt::CLng(valores(0)), 3);
    EXPECT_EQ(Cuenta("TDeclarante"), 4);
}

// A record 1 of our own layout from 2010 for a declarant and a period code.
std::string Registro1(const std::string& nif, const std::string& nombre,
                      const std::string& ejercicio, const std::string& periodo) {
    std::string l = "1794" + ejercicio + periodo + "01" + nif + nombre +
                    std::string(40 - rt::Len(nombre), ' ') + std::string(31, '0') + " 945000000";
    return l + std::string(244 - rt::Len(l), ' ') + "TRVM10";
}

// A record 2 from 2010: key, member state, VAT number, amount; sign and
// rectification at 90-96 when given.
std::string Registro2(const std::string& ejercicio, const std::string& periodo,
                      const std::string& clave, const std::string& importe,
                      const std::string& rectificacion = "") {
    std::string l = "2794" + ejercicio + periodo + "0112345678Z" + clave + "DE123456789   " +
                    "MULLER HANDEL GMBH" + std::string(22, ' ') + importe + rectificacion;
    return l + std::string(247 - rt::Len(l), ' ') + "M10";
}

// The line with another declarant's NIF at 13-21.
std::string ConNif(std::string linea, const std::string& nif) { return linea.replace(12, 9, nif); }

const char* kDeclarante =
    "INSERT INTO TDeclarante VALUES (1,'12345678Z','ARABA','CL','MAYOR',1,' ',' ',' ',' ',1,1,"
    "'VITORIA',945000000,' ',0)";

TEST_F(Importacion, ExistingDeclarantKeepsItsAddressAndOnlyGetsTheNewName) {
    Sql("INSERT INTO TDeclarante VALUES (5,'12345678Z','NOMBRE ANTIGUO','AV','GASTEIZ',7,'B','1',"
        "'3','D',20,5,'DONOSTIA',943123456,'ANE',600111222)");
    auto imp = Nuevo();
    EXPECT_EQ(imp.Soporte(Registro1("12345678Z", "NOMBRE NUEVO", "2011", "1T")).resultado, 1);
    EXPECT_EQ(Columna(prueba::kSqlDeclarantes),
              (Filas{"12345678Z|NOMBRE NUEVO|AV|GASTEIZ|7|B|1|3|D|20|5|DONOSTIA|943123456|ANE|"
                     "600111222"}));
    EXPECT_EQ(Valor("SELECT coddecr || '/' || ejercicio || '/' || periodo FROM TDeclaraciones"),
              "5/2011/3");
    EXPECT_EQ(imp.declaracion_, std::stoi(Valor("SELECT coddecla FROM TDeclaraciones")));
    EXPECT_EQ(imp.periodo_, 3);
    EXPECT_EQ(imp.periodicidad_, 2);
    EXPECT_FALSE(imp.rechazar_);
}

TEST_F(Importacion, OverlappingDeclarationIsRefusedWithItsEntries) {
    Sql(kDeclarante);
    Sql("INSERT INTO TDeclaraciones VALUES (1,1,2011,12,3,'E',''),(2,1,2012,5,1,'E',''),"
        "(3,1,2010,6,2,'E','')");
    // Within an annual one, meeting a month, outside the exercises accepted.
    const struct { std::string ejercicio, periodo; Hallazgos hallazgos; } casos[] = {
        {"2011", "1T", {{48, "2011"}}}, {"2012", "2T", {{62, "2012"}}},
        {"1992", "0A", {{44, "1992"}}}, {"2014", "0A", {{44, "2014"}}}};
    for (const auto& c : casos) {
        auto imp = Nuevo();
        Salida s = imp.Soporte(Registro1("12345678Z", "ARABA", c.ejercicio, c.periodo));
        EXPECT_EQ(s.resultado, 4) << c.ejercicio << c.periodo;
        EXPECT_EQ(s.hallazgos, c.hallazgos) << c.ejercicio << c.periodo;
        EXPECT_TRUE(imp.rechazar_);
        // Its entries are ignored, without findings.
        Salida e = imp.Soporte(Registro2(c.ejercicio, c.periodo, "E", "0000000001000"));
        EXPECT_EQ(e.sujeto, 3);
        EXPECT_EQ(e.resultado, 2);
        EXPECT_EQ(e.hallazgos, Hallazgos{});
    }
    EXPECT_EQ(Cuenta("TDeclaraciones"), 3);
    EXPECT_EQ(Cuenta("tOperadores"), 0);

    // A quarter beside a month of another quarter, or of another year, is new.
    auto imp = Nuevo();
    EXPECT_EQ(imp.Soporte(Registro1("12345678Z", "ARABA", "2012", "3T")).resultado, 1);
    EXPECT_EQ(imp.Soporte(Registro2("2012", "3T", "E", "0000000001000")).resultado, 0);
}

TEST_F(Importacion, EntryWithoutADeclarationIsRefusedAndNeverStored) {
    // A fresh run has no declaration; nor has a run after a refused record 1
    // whose refusal mark the caller dropped.
    const Hallazgos sinDeclaracion{{68, "12345678Z"}};
    auto imp = Nuevo();
    Salida s = imp.Soporte(Registro2("2011", "1T", "E", "0000000001000"));
    EXPECT_EQ(s.resultado, 3);
    EXPECT_EQ(s.hallazgos, sinDeclaracion);

    EXPECT_EQ(imp.Soporte(Registro1("12345678Z", "ARABA", "2011", "1T")).resultado, 0);
    EXPECT_EQ(imp.Soporte(Registro2("2011", "1T", "E", "0000000001000")).resultado, 0);
    EXPECT_EQ(imp.Soporte(Registro1("12345678Z", "ARABA", "2011", "1T")).resultado, 4);
    EXPECT_EQ(imp.declaracion_, 0);
    imp.rechazar_ = false;
    s = imp.Soporte(Registro2("2011", "1T", "E", "0000000002000"));
    EXPECT_EQ(s.resultado, 3);
    EXPECT_EQ(s.hallazgos, sinDeclaracion);

    // The next run starts afresh: its entry does not join the earlier one.
    EXPECT_EQ(Nuevo().Soporte(Registro2("2011", "1T", "E", "0000000003000")).resultado, 3);
    EXPECT_EQ(Cuenta("tOperadores"), 1);
}

TEST_F(Importacion, AnEntryOfAnotherDeclarantIsRefusedNamingItsNif) {
    Sql("INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (9, '66666666Q', 'SEISES')");
    auto imp = Nuevo();
    EXPECT_EQ(imp.Soporte(Registro1("55555555K", "CINCOS", "2011", "1T")).resultado, 0);
    const int32_t declaracion = imp.declaracion_;
    struct Caso {
        const char* nif;
        const char* clave;
        int resultado;
        Hallazgos hallazgos;
    };
    for (const Caso& c : {Caso{"66666666Q", "E", 3, {{69, "66666666Q"}}},
                          {"5555555K ", "A", 3, {{69, "5555555K"}}},
                          // The record 1's declarant, letter case aside.
                          {"55555555K", "T", 0, {}},
                          {"55555555k", "S", 0, {}}}) {
        Salida s = imp.Soporte(ConNif(Registro2("2011", "1T", c.clave, "0000000001000"), c.nif));
        EXPECT_EQ(s.sujeto, 3) << c.nif;
        EXPECT_EQ(s.resultado, c.resultado) << c.nif;
        EXPECT_EQ(s.hallazgos, c.hallazgos) << c.nif;
        // A refused entry leaves the record 1's declaration in force.
        EXPECT_EQ(imp.declaracion_, declaracion) << c.nif;
        EXPECT_FALSE(imp.rechazar_) << c.nif;
    }
    const char* sql = "SELECT dni_cifd || '|' || claveopo FROM tOperadores JOIN TDeclaraciones "
                      "ON coddecla = coddeclar JOIN TDeclarante ON coddec = coddecr ORDER BY codope";
    EXPECT_EQ(Columna(sql), (Filas{"55555555K|T", "55555555K|S"}));

    // An entry file goes into the declaration chosen in the desktop,
    // whatever declarant its lines name.
    EXPECT_EQ(imp.Declarados(ConNif(Registro2("2011", "1T", "I", "0000000002000"), "66666666Q"), 2011)
                  .resultado,
              0);
    EXPECT_EQ(Columna(sql), (Filas{"55555555K|T", "55555555K|S", "55555555K|I"}));
}

TEST_F(Importacion, LinesOfNoKnownTypeOrExercise) {
    auto imp = Nuevo();
    imp.resultado_ = 7;
    const std::pair<std::string, int> lineas[] = {
        {"9794", 5}, {"3794" + std::string(246, ' '), 5}, {"", 5}, {" 1794", 5}, {"0794", 0}};
    for (const auto& [linea, sujeto] : lineas) {
        Salida s = imp.Soporte(linea);
        EXPECT_EQ(s.sujeto, sujeto) << linea;
        EXPECT_EQ(s.resultado, 7) << linea;
        EXPECT_EQ(s.hallazgos, Hallazgos{}) << linea;
    }

    // A record 1 whose exercise does not read, or reads outside the range.
    for (const char* ejercicio : {"20X0", "1E03", "    ", "--20", "201 "}) {
        Salida s = imp.Soporte(Registro1("12345678Z", "ARABA", ejercicio, "1T"));
        EXPECT_EQ(s.resultado, 3) << ejercicio;
        EXPECT_EQ(s.hallazgos.front(), (std::pair<int32_t, std::string>{43, ejercicio}));
        EXPECT_TRUE(imp.rechazar_);
    }
    EXPECT_EQ(imp.Soporte(Registro1("12345678Z", "ARABA", "-201", "0A")).resultado, 4);
    EXPECT_EQ(Cuenta("TDeclarante"), 0);
}

TEST_F(Importacion, EntriesForADeclarationChosenInTheDesktop) {
    Sql(kDeclarante);
    Sql("INSERT INTO TDeclaraciones VALUES (1,1,2011,6,2,'E',''),(2,1,2009,6,2,'E','')");
    auto imp = Nuevo();
    imp.declaracion_ = 1;
    imp.periodo_ = 6;
    imp.periodicidad_ = 2;
    // A line after June 2011: H becomes E in a declaration up to then.
    EXPECT_EQ(imp.Declarados(Registro2("2012", "1T", "H", "0000000001000"), 2011).resultado, 0);
    // An older rectification, triangular: T, read at the older positions.
    std::string anterior = "279420094T01" "12345678Z" "3" "DE" "123456789   " "MULLER HANDEL GMBH" +
                           std::string(22, ' ') + "0000000000700" "X" "-" "2010" "1T";
    anterior += std::string(190 - rt::Len(anterior), ' ');
    EXPECT_EQ(imp.Declarados(anterior, 2011).resultado, 0);
    // Record 1 lines only clear the conversion flag.
    imp.convertir_ = true;
    EXPECT_EQ(imp.Declarados(Registro1("B12345674", "OTRO", "2011", "2T"), 2011).sujeto, 1);
    EXPECT_FALSE(imp.convertir_);

    // A 2010 triangular rectification into a declaration of 2009.
    imp.declaracion_ = 2;
    EXPECT_EQ(imp.Declarados(Registro2("2010", "1T", "T", "0000000000300", "+200901"), 2009)
                  .hallazgos,
              (Hallazgos{{39, "1"}}));
    EXPECT_EQ(imp.Declarados(Registro2("2010", "1T", "T", "0000000000300", "+20091T"), 2009)
                  .resultado,
              0);
    // A caller that marked the declaration refused gets its lines ignored.
    imp.resultado_ = 4;
    EXPECT_EQ(imp.Declarados(Registro2("2010", "1T", "E", "0000000000100"), 2009).resultado, 2);

    EXPECT_EQ(Columna(prueba::kSqlDeclarados),
              (Filas{
                  "12345678Z|2009|6|DE|123456789|MULLER HANDEL GMBH|3|300.0|+|2009|3|X|R|2",
                  "12345678Z|2011|6|DE|123456789|MULLER HANDEL GMBH|E|1000.0| |0|0| |N|0",
                  "12345678Z|2011|6|DE|123456789|MULLER HANDEL GMBH|T|700.0|-|2010|3| |R|2",
              }));
}

TEST_F(Importacion, CheckOfADeclarationAndDeclarantsOfAPeriod) {
    Sql(kDeclarante);
    Sql("INSERT INTO TDeclaraciones VALUES (1,1,2011,6,2,'E','')");
    auto o = Nuevo().Nuevo();
    rt::VArray v({0, 18}, {0, 1});
    v.at(1, 1) = "NIF";  // the checks find values by their labels
    v.at(16, 1) = "Ejercicio";
    v.at(17, 1) = "Periodo";
    v.at(1, 0) = "12345678Z";
    v.at(16, 0) = "2011";
    v.at(17, 0) = "3T";
    rt::Variant errores = "sin tocar";
    EXPECT_TRUE(o->ComprobarDeclaracion(v, errores));
    EXPECT_EQ(errores, rt::Variant("sin tocar"));
    v.at(17, 0) = "05";  // a month of that quarter
    EXPECT_FALSE(o->ComprobarDeclaracion(v, errores));
    EXPECT_EQ(prueba::HallazgosDe(errores), (Hallazgos{{62, "2011"}}));

    auto lista = o->ObtenerDeclarantes(2011, 6, "E");
    ASSERT_TRUE(lista.isArray());
    EXPECT_EQ(lista(1, 1).str(), "12345678Z");
    EXPECT_TRUE(o->ObtenerDeclarantes(2011, 6, "P").isNull());
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(prueba::NumeroDeError([&] { o->declaracion("diecisiete"); }), rt::err::TypeMismatch);
}

}  // namespace
