// The export object reached by name, driven as the desktop's writer drives a
// submission run. Every expected line is written out field by field from the
// record layouts.
#include <gtest/gtest.h>

#include "declaraciones_prueba.h"
#include "exportacion_prueba.h"
#include "quelvort/strings.h"

using prueba::Arreglo;
using rt::Variant;

namespace {

std::string B(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Declarant 1 named with an apostrophe, 2 with 45 characters, 3 without any
// declaration; the monthly 2009 declaration is in pesetas. Entry keys are out
// of key order so that the order of the records shows.
const char* kFixture = R"sql(
INSERT INTO TDeclarante VALUES
 (1,'A01111111','O´NEILL TRADING SL','CL','MAYOR',7,' ',' ','3','A',1,1,'VITORIA-GASTEIZ',945222333,'ANE GARCIA',600333444),
 (2,'B02222222','INDUSTRIAS METALÚRGICAS DEL NORTE DE ÁLAVA SA','AV','ZUMALAKARREGI',120,' ',' ',' ',' ',1,400,'LLODIO',0,' ',0),
 (3,'C03333333','SIN DECLARACION SL','CL','NUEVA',1,' ',' ',' ',' ',1,1,'AMURRIO',945333444,'PEDRO',0);
INSERT INTO TDeclaraciones (coddecla,coddecr,ejercicio,periodo,periodicidad,moneda,bimensual) VALUES
 (1,1,2009,6,2,'E',''),
 (2,2,2009,6,2,'E',''),
 (3,2,2009,5,1,'P',''),
 (4,1,2011,5,1,'E','X');
INSERT INTO tOperadores (codope,coddeclar,paiso,paisaux,nifo,razon,tipoopo,claveopo,base,signoo,ejercicioo,periodoo,triangularo,periodicidad) VALUES
 (1,1,'DE','','DE123456789','MÜLLER GMBH','N','1',123456,' ',0,0,'X',0),
 (2,1,'FR','','FR12345678901','D´ARTAGNAN SARL','N','2',50000,' ',0,0,' ',0),
 (3,1,'IT','','IT12345678901','COMPAGNIA ITALIANA DI TRASPORTI MARITTIMI SPA','N','1',1000,' ',0,0,' ',0),
 (4,1,'PT','','PT123456789','LISBOA LDA','R','3',20000,'-',2008,12,' ',2),
 (5,1,'NL','','NL123456789B01','ROTTERDAM BV','R','4',7500,'+',2009,3,' ',2),
 (6,2,'BE','','BE0123456789','BRUXELLES SA','N','2',300000,' ',0,0,' ',0),
 (7,3,'DE','','DE987654321','HAMBURG AG','N','2',100000,' ',0,0,' ',0),
 (8,4,'DE','','DE123456789','MÜLLER GMBH','N','E',100000,' ',0,0,' ',0),
 (9,4,'FR','','FR12345678901','D´ARTAGNAN SARL','N','T',250,' ',0,0,' ',0),
 (10,4,'AT','','ATU12345678','WIEN HANDEL GMBH','N','H',999,' ',0,0,' ',0),
 (11,4,'IT','','IT12345678901','COMPAGNIA ITALIANA DI TRASPORTI MARITTIMI SPA','R','A',40000,'-',2011,3,' ',1),
 (12,4,'PT','','PT123456789','LISBOA LDA','R','S',1234,'+',2010,12,' ',2);
)sql";

class Exportacion : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        Sql(kFixture);
    }
    prueba::Ejecucion Ejecutar(int32_t ejercicio, uint8_t periodo, uint8_t periodicidad,
                               const std::string& moneda, const std::vector<int32_t>& codigos,
                               bool colectiva) {
        // The presenter buffer as the desktop's presenter object prepares it.
        Variant presentador = Arreglo({1, "B01234567", "ASESORÍA ARABA SL", "CL", "DATO", 15, "",
                                       "1", "2", "IZ", "01", "001", "VITORIA-GASTEIZ", 945000111,
                                       "JON ETXEBARRIA", 600111222});
        return prueba::Exportar(mod_, ejercicio, periodo, periodicidad, moneda, codigos,
                                colectiva ? presentador : Variant());
    }
    // An object ready for the records of a quarterly run of 2009.
    std::shared_ptr<quelvodat::_cExportacion> Nuevo(int32_t ejercicio = 2009, uint8_t periodo = 6,
                                                    uint8_t periodicidad = 2) {
        auto e = Crear<quelvodat::_cExportacion>("cExportacion");
        e->Ejercicio(ejercicio);
        e->Periodo(periodo);
        e->Periodicidad(periodicidad);
        return e;
    }
};

void CompararLineas(const std::vector<std::string>& obtenidas,
                    const std::vector<std::string>& esperadas, int32_t largo) {
    ASSERT_EQ(obtenidas.size(), esperadas.size());
    for (size_t i = 0; i < esperadas.size(); ++i) {
        ASSERT_EQ(rt::Len(esperadas[i]), largo) << "expected line " << i << " is mistyped";
        EXPECT_EQ(rt::Len(obtenidas[i]), largo) << "line " << i;
        EXPECT_EQ(obtenidas[i], esperadas[i]) << "line " << i;
    }
}

TEST_F(Exportacion, CollectiveRunOf2009WritesEveryRecordOf190Characters) {
    auto run = Ejecutar(2009, 6, 2, "E", {1, 2, 3}, true);

    const std::vector<std::string> esperadas = {
        // Type 0: 13-21 NIF, 22-61 name, 62-63 street type, 64-83 street, 84-88 number,
        // 89-94 stair, floor, door, 95-99 postal code, 100-111 municipality, 112-116
        // declarants, 117-125 entries, 126 "D", 127-135 telephone, 136-175 contact.
        "0" "794" "2009" "  " "01" "B01234567" "ASESORÍA ARABA SL" + B(23) + "CL" "DATO" + B(16) +
            "00015" "1 " "2 " "IZ" "01001" "VITORIA-GAST" "00003" "000000006" "D" "945000111"
            "JON ETXEBARRIA" + B(26) + "7850000000000" "  ",
        // Type 1: 62-70/71-83 key 1, 84-92/93-105 key 2, 106-114 keys 3 and 4,
        // 115 "D", 116-124 telephone, 125-164 contact, 165-177 identifier.
        "1" "794" "2009" "2T" "01" "A01111111" "O'NEILL TRADING SL" + B(22) +
            "000000002" "0000000124456" "000000001" "0000000050000" "000000002" "D" "945222333"
            "ANE GARCIA" + B(30) + "7850000000000" + B(13),
        // Type 2: 22 key, 23-24 state, 25-36 VAT number, 37-76 name, 77-89 base,
        // 90 triangular, 91 sign, 92-97 rectified exercise and period.
        "2" "794" "2009" "2T" "01" "A01111111" "1" "DE" "DE123456789 " "MÜLLER GMBH" + B(29) +
            "0000000123456" "X" " " "0000" "  " + B(93),
        "2" "794" "2009" "2T" "01" "A01111111" "2" "FR" "FR1234567890" "D'ARTAGNAN SARL" + B(25) +
            "0000000050000" " " " " "0000" "  " + B(93),
        "2" "794" "2009" "2T" "01" "A01111111" "1" "IT" "IT1234567890"
            "COMPAGNIA ITALIANA DI TRASPORTI MARITTIM" "0000000001000" " " " " "0000" "  " + B(93),
        "2" "794" "2009" "2T" "01" "A01111111" "3" "PT" "PT123456789 " "LISBOA LDA" + B(30) +
            "0000000020000" " " "-" "2008" "4T" + B(93),
        "2" "794" "2009" "2T" "01" "A01111111" "4" "NL" "NL123456789B" "ROTTERDAM BV" + B(28) +
            "0000000007500" " " "+" "2009" "1T" + B(93),
        "1" "794" "2009" "2T" "01" "B02222222" "INDUSTRIAS METALÚRGICAS DEL NORTE DE ÁLA"
            "000000000" "0000000000000" "000000001" "0000000300000" "000000000" "D" "000000000" +
            B(40) + "7850000000000" + B(13),
        "2" "794" "2009" "2T" "01" "B02222222" "2" "BE" "BE0123456789" "BRUXELLES SA" + B(28) +
            "0000000300000" " " " " "0000" "  " + B(93),
        // A declarant without a declaration: zero totals and no entry record.
        "1" "794" "2009" "2T" "01" "C03333333" "SIN DECLARACION SL" + B(22) +
            "000000000" "0000000000000" "000000000" "0000000000000" "000000000" "D" "945333444"
            "PEDRO" + B(35) + "7850000000000" + B(13),
    };
    CompararLineas(run.lineas, esperadas, 190);
    EXPECT_EQ(run.declaradosPorDeclarante, (std::vector<int32_t>{5, 1, 0}));
}

TEST_F(Exportacion, CollectiveRunFrom2010WritesEveryRecordOf250Characters) {
    auto run = Ejecutar(2011, 5, 1, "E", {1, 2}, true);

    const std::vector<std::string> esperadas = {
        // Type 0: as up to 2009 but 126 blank, then blanks and the marker.
        "0" "794" "2011" "  " "01" "B01234567" "ASESORÍA ARABA SL" + B(23) + "CL" "DATO" + B(16) +
            "00015" "1 " "2 " "IZ" "01001" "VITORIA-GAST" "00002" "000000005" " " "945000111"
            "JON ETXEBARRIA" + B(26) + B(72) + "M10",
        // Type 1: 62-70/71-83 type N, 84-92 type R, 93 bimonthly mark,
        // 94-102 telephone, 103-142 contact, 143-244 blanks, 245-250 marker.
        "1" "794" "2011" "05" "01" "A01111111" "O'NEILL TRADING SL" + B(22) +
            "000000003" "0000000101249" "000000002" "X" "945222333" "ANE GARCIA" + B(30) + B(102) +
            "TRVM10",
        // Type 2 of type R: 90 sign, 91-96 rectified exercise and period.
        "2" "794" "2011" "05" "01" "A01111111" "E" "DE" "DE123456789 " "MÜLLER GMBH" + B(29) +
            "0000000100000" + B(158) + "M10",
        "2" "794" "2011" "05" "01" "A01111111" "T" "FR" "FR1234567890" "D'ARTAGNAN SARL" + B(25) +
            "0000000000250" + B(158) + "M10",
        "2" "794" "2011" "05" "01" "A01111111" "H" "AT" "ATU12345678 " "WIEN HANDEL GMBH" + B(24) +
            "0000000000999" + B(158) + "M10",
        "2" "794" "2011" "05" "01" "A01111111" "A" "IT" "IT1234567890"
            "COMPAGNIA ITALIANA DI TRASPORTI MARITTIM" "0000000040000" "-" "2011" "03" + B(151) +
            "M10",
        "2" "794" "2011" "05" "01" "A01111111" "S" "PT" "PT123456789 " "LISBOA LDA" + B(30) +
            "0000000001234" "+" "2010" "4T" + B(151) + "M10",
        "1" "794" "2011" "05" "01" "B02222222" "INDUSTRIAS METALÚRGICAS DEL NORTE DE ÁLA"
            "000000000" "0000000000000" "000000000" " " "000000000" + B(40) + B(102) + "TRVM10",
    };
    CompararLineas(run.lineas, esperadas, 250);
    EXPECT_EQ(run.declaradosPorDeclarante, (std::vector<int32_t>{5, 0}));
}

TEST_F(Exportacion, MonthlyRunOf2009HasNoPeriodCodeAndConvertsPesetasOnlyUpTo2009) {
    auto run = Ejecutar(2009, 5, 1, "P", {2}, false);

    // 1,000 pesetas (stored 100000) are 6.01 euros: 601 hundredths.
    const std::vector<std::string> esperadas = {
        "1" "794" "2009" "  " "01" "B02222222" "INDUSTRIAS METALÚRGICAS DEL NORTE DE ÁLA"
            "000000000" "0000000000000" "000000001" "0000000000601" "000000000" "D" "000000000" +
            B(40) + "7850000000000" + B(13),
        "2" "794" "2009" "  " "01" "B02222222" "2" "DE" "DE987654321 " "HAMBURG AG" + B(30) +
            "0000000000601" " " " " "0000" "  " + B(93),
    };
    CompararLineas(run.lineas, esperadas, 190);
    // In euros the same entry keeps its amount; from 2010 the currency
    // changes nothing.
    EXPECT_EQ(rt::Mid(Ejecutar(2009, 5, 1, "E", {2}, false).lineas.at(1), 77, 13),
              "0000000100000");
    EXPECT_EQ(Ejecutar(2011, 5, 1, "E", {1}, false).lineas,
              Ejecutar(2011, 5, 1, "P", {1}, false).lineas);
}

TEST_F(Exportacion, Reg1LeavesTheDeclarationForReg2) {
    auto e = Nuevo(2011, 5, 1);
    EXPECT_TRUE(e->ExportarReg2(Arreglo({1}), 0).isEmpty());  // no Reg1 yet
    e->ExportarReg1(Arreglo({3, 1}), 1);
    EXPECT_EQ(e->declaracion(), "4");
    EXPECT_EQ(e->Bimensual(), "X");
    e->ExportarReg1(Arreglo({3, 1}), 0);
    EXPECT_EQ(e->declaracion(), "0");
    EXPECT_EQ(e->Bimensual(), "");
    EXPECT_EQ(prueba::NumeroDeError([&] { e->declaracion("diecisiete"); }), rt::err::TypeMismatch);

    // A failed Reg1 leaves no declaration behind.
    e = Nuevo();
    e->ExportarReg1(Arreglo({1, 2}), 0);
    ASSERT_EQ(e->declaracion(), "1");
    Sql("UPDATE TDeclarante SET telefonod = 1945222333 WHERE coddec = 2");
    EXPECT_NE(prueba::NumeroDeError([&] { e->ExportarReg1(Arreglo({1, 2}), 1); }), 0);
    e->NoTotalDeclarados(7);
    EXPECT_TRUE(e->ExportarReg2(Arreglo({1, 2}), 1).isEmpty());
    EXPECT_EQ(e->NoTotalDeclarados(), 7);
}

TEST_F(Exportacion, RecordsRaiseWithTheirLocationInsteadOfAnEmptyRecord) {
    // A telephone of ten digits does not fit its nine positions, nor a base
    // of 14 digits its 13.
    Sql("UPDATE TDeclarante SET telefonod = 1945222333 WHERE coddec = 1;"
        "UPDATE tOperadores SET base = 12345678901234 WHERE codope = 3");
    auto e = Nuevo();
    for (auto [codigo, numero] : {std::pair{1, rt::err::Overflow}, {99, 3021}, {0, 3021}}) {
        auto exportar = [&e, codigo = codigo] { e->ExportarReg1(Arreglo({codigo}), 0); };
        auto error = prueba::ErrorDe(exportar);
        EXPECT_EQ(error.Number, numero) << codigo;
        EXPECT_EQ(error.Description.rfind("cExportacion.ExportarReg1 ", 0), 0u)
            << error.Description;
    }
    // Reg2 fails whole and counts nothing.
    e->declaracion("1");
    e->NoTotalDeclarados(0);
    EXPECT_EQ(prueba::NumeroDeError([&] { e->ExportarReg2(Arreglo({1}), 0); }), rt::err::Overflow);
    EXPECT_EQ(e->NoTotalDeclarados(), 0);
}

TEST_F(Exportacion, TotalCountsEveryPeriodicityOfThatPeriodValue) {
    // An annual declaration of 2009 of declarant 2 counts with period 12 only.
    Sql("INSERT INTO TDeclaraciones VALUES (5,2,2009,12,3,'E',''), (6,1,2009,12,2,'P','');"
        "INSERT INTO tOperadores (coddeclar,nifo,claveopo,base) VALUES (5,'X','1',1),(5,'Y','1',1),"
        "(6,'Z','1',1)");
    auto e = Nuevo();
    const struct { int32_t ejercicio, periodo; std::string lista; int32_t total; } casos[] = {
        {2009, 6, "1,2,3", 6}, {2009, 6, " 2 ", 1}, {2009, 5, "2", 1},   {2009, 12, "1, 2", 3},
        {2009, 12, "3", 0},    {2011, 5, "1", 5},   {2010, 5, "1,2", 0}, {2009, 6, "", 0}};
    for (const auto& c : casos)
        EXPECT_EQ(e->TotalDeclarados(c.ejercicio, c.periodo, c.lista), c.total)
            << c.ejercicio << "/" << c.periodo << " [" << c.lista << "]";
    EXPECT_TRUE(Cerrada());
    // A list that is not of codes is refused.
    for (const char* lista : {"1) OR (1=1", "1,,2", "uno", "1;2", "99999999999"}) {
        auto error = prueba::ErrorDe([&] { e->TotalDeclarados(2009, 6, lista); });
        EXPECT_EQ(error.Number, rt::err::TypeMismatch) << lista;
        EXPECT_EQ(error.Description.rfind("cExportacion.TotalDeclarados ", 0), 0u)
            << error.Description;
    }
}

}  // namespace
