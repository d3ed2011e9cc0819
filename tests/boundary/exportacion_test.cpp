// The export object reached by name, driven as the desktop's writer drives a
// submission run. Every expected line is written out field by field from the
// record layouts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comun/numero_de_error.h"
#include "declaraciones_prueba.h"
#include "quelvodat/cExportacion.h"
#include "quelvodat/cTImpExp.h"
#include "quelvort/error.h"
#include "quelvort/object.h"
#include "quelvort/strings.h"

using quelvodat::_cExportacion;
using rt::Variant;

namespace {

std::string B(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Three declarants (the first named with an apostrophe, stored as the acute
// accent; the second with a name of 45 characters; the third without any
// declaration), a quarterly and a monthly declaration of 2009 (the monthly one
// in pesetas) and a monthly bimonthly-marked declaration of 2011. Entry keys
// are stored out of key order so that the order of the records shows.
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

// The presenter export buffer as the desktop's presenter object prepares it.
Variant Presentador() {
    rt::VArray p(0, 15);
    p.at(0) = 1;
    p.at(1) = "B01234567";
    p.at(2) = "ASESORÍA ARABA SL";
    p.at(3) = "CL";
    p.at(4) = "DATO";
    p.at(5) = 15;
    p.at(6) = "";
    p.at(7) = "1";
    p.at(8) = "2";
    p.at(9) = "IZ";
    p.at(10) = "01";
    p.at(11) = "001";
    p.at(12) = "VITORIA-GASTEIZ";
    p.at(13) = 945000111;
    p.at(14) = "JON ETXEBARRIA";
    p.at(15) = 600111222;
    return p;
}

Variant Codigos(std::initializer_list<int32_t> codigos) {
    rt::VArray a(0, static_cast<int32_t>(codigos.size()) - 1);
    int32_t i = 0;
    for (int32_t c : codigos) a.at(i++) = c;
    return a;
}

struct Ejecucion {
    std::vector<std::string> lineas;
    std::vector<int32_t> declaradosPorDeclarante;
};

class Exportacion : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        Sql(kFixture);
    }

    std::shared_ptr<_cExportacion> Nuevo() {
        auto e = rt::CreateObjectAs<_cExportacion>("Quelvodat.cExportacion");
        e->mdbmod(mod_);
        return e;
    }

    // The desktop's submission writer: the run's total first on an object of
    // its own, then one object for the whole run.
    Ejecucion Ejecutar(int32_t ejercicio, uint8_t periodo, uint8_t periodicidad,
                       const std::string& moneda, const Variant& codigos, bool colectiva) {
        std::string lista;
        for (int32_t i = 0; i <= rt::UBound(codigos); ++i)
            lista += (i ? "," : "") + std::to_string(codigos(i).lng());
        int32_t total = Nuevo()->TotalDeclarados(ejercicio, periodo, lista);

        Ejecucion r;
        auto e = Nuevo();
        e->Ejercicio(ejercicio);
        e->Moneda(moneda);
        e->Periodo(periodo);
        e->Periodicidad(periodicidad);
        for (int32_t i = 0; i <= rt::UBound(codigos); ++i) {
            e->NoTotalDeclarados(0);
            if (colectiva && i == 0)
                r.lineas.push_back(
                    e->ExportarReg0(Presentador(), rt::UBound(codigos) + 1, total, ejercicio));
            r.lineas.push_back(e->ExportarReg1(codigos, i));
            Variant registros = e->ExportarReg2(codigos, i);
            if (!registros.isEmpty()) {
                EXPECT_TRUE(registros(0).isEmpty());
                for (int32_t j = 1; j <= rt::UBound(registros); ++j)
                    r.lineas.push_back(registros(j).str());
            }
            r.declaradosPorDeclarante.push_back(e->NoTotalDeclarados());
        }
        return r;
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
    auto run = Ejecutar(2009, 6, 2, "E", Codigos({1, 2, 3}), true);

    const std::vector<std::string> esperadas = {
        // Type 0: 1 type, 2-4 form, 5-8 exercise, 9-10 blanks, 11-12 territory,
        // 13-21 NIF, 22-61 name, 62-63 street type, 64-83 street, 84-88 number,
        // 89-90 stair, 91-92 floor, 93-94 door, 95-99 postal code,
        // 100-111 municipality, 112-116 declarants, 117-125 entries, 126 "D",
        // 127-135 telephone, 136-175 contact, 176-188 identifier, 189-190 blanks.
        "0" "794" "2009" "  " "01" "B01234567" "ASESORÍA ARABA SL" + B(23) + "CL" "DATO" + B(16) +
            "00015" "1 " "2 " "IZ" "01001" "VITORIA-GAST" "00003" "000000006" "D" "945000111"
            "JON ETXEBARRIA" + B(26) + "7850000000000" "  ",
        // Type 1: 9-10 period, 11-12 province, 13-21 NIF, 22-61 name,
        // 62-70/71-83 key 1, 84-92/93-105 key 2, 106-114 keys 3 and 4, 115 "D",
        // 116-124 telephone, 125-164 contact, 165-177 identifier, 178-190 blanks.
        "1" "794" "2009" "2T" "01" "A01111111" "O'NEILL TRADING SL" + B(22) +
            "000000002" "0000000124456" "000000001" "0000000050000" "000000002" "D" "945222333"
            "ANE GARCIA" + B(30) + "7850000000000" + B(13),
        // Type 2: 22 key, 23-24 state, 25-36 VAT number, 37-76 name, 77-89 base,
        // 90 triangular, 91 sign, 92-95 rectified exercise, 96-97 rectified
        // period, 98-190 blanks.
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
    auto run = Ejecutar(2011, 5, 1, "E", Codigos({1, 2}), true);

    const std::vector<std::string> esperadas = {
        // Type 0: 1-125 and 127-175 as up to 2009, 126 blank, 176-247 blanks,
        // 248-250 marker.
        "0" "794" "2011" "  " "01" "B01234567" "ASESORÍA ARABA SL" + B(23) + "CL" "DATO" + B(16) +
            "00015" "1 " "2 " "IZ" "01001" "VITORIA-GAST" "00002" "000000005" " " "945000111"
            "JON ETXEBARRIA" + B(26) + B(72) + "M10",
        // Type 1: 62-70/71-83 type N, 84-92 type R, 93 bimonthly mark,
        // 94-102 telephone, 103-142 contact, 143-244 blanks, 245-250 marker.
        "1" "794" "2011" "05" "01" "A01111111" "O'NEILL TRADING SL" + B(22) +
            "000000003" "0000000101249" "000000002" "X" "945222333" "ANE GARCIA" + B(30) + B(102) +
            "TRVM10",
        // Type 2 of type N: blanks 90-247; of type R: 90 sign, 91-94 rectified
        // exercise, 95-96 rectified period, then blanks to 247; 248-250 marker.
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

TEST_F(Exportacion, MonthlyPesetaRunOf2009HasNoPeriodCodeAndConvertsAmounts) {
    auto run = Ejecutar(2009, 5, 1, "P", Codigos({2}), false);

    // 1,000 pesetas (stored 100000) are 6.01 euros: 601 hundredths.
    const std::vector<std::string> esperadas = {
        "1" "794" "2009" "  " "01" "B02222222" "INDUSTRIAS METALÚRGICAS DEL NORTE DE ÁLA"
            "000000000" "0000000000000" "000000001" "0000000000601" "000000000" "D" "000000000" +
            B(40) + "7850000000000" + B(13),
        "2" "794" "2009" "  " "01" "B02222222" "2" "DE" "DE987654321 " "HAMBURG AG" + B(30) +
            "0000000000601" " " " " "0000" "  " + B(93),
    };
    CompararLineas(run.lineas, esperadas, 190);
}

TEST_F(Exportacion, CurrencyChangesAmountsOnlyUpTo2009) {
    auto euros2009 = Ejecutar(2009, 5, 1, "E", Codigos({2}), false);
    ASSERT_EQ(euros2009.lineas.size(), 2u);
    EXPECT_EQ(rt::Mid(euros2009.lineas[1], 77, 13), "0000000100000");

    auto euros = Ejecutar(2011, 5, 1, "E", Codigos({1}), false);
    auto pesetas = Ejecutar(2011, 5, 1, "P", Codigos({1}), false);
    EXPECT_EQ(euros.lineas, pesetas.lineas);
}

TEST_F(Exportacion, Reg2OnAFreshObjectIsEmptyAndCountsNothing) {
    auto e = Nuevo();
    e->Ejercicio(2009);
    e->NoTotalDeclarados(7);
    EXPECT_TRUE(e->ExportarReg2(Codigos({1}), 0).isEmpty());
    EXPECT_EQ(e->NoTotalDeclarados(), 7);
}

TEST_F(Exportacion, Reg1LeavesTheDeclarationAndMarkItFound) {
    auto e = Nuevo();
    e->Ejercicio(2011);
    e->Periodo(5);
    e->Periodicidad(1);
    e->ExportarReg1(Codigos({3, 1}), 1);
    EXPECT_EQ(e->declaracion(), "4");
    EXPECT_EQ(e->Bimensual(), "X");
    e->ExportarReg1(Codigos({3, 1}), 0);
    EXPECT_EQ(e->declaracion(), "0");
    EXPECT_EQ(e->Bimensual(), "");
}

TEST_F(Exportacion, Reg1RaisesWithItsLocationInsteadOfAnEmptyRecord) {
    // A telephone of ten digits does not fit its nine positions.
    Sql("UPDATE TDeclarante SET telefonod = 1945222333 WHERE coddec = 1");
    auto e = Nuevo();
    e->Ejercicio(2009);
    e->Periodo(6);
    e->Periodicidad(2);
    const struct {
        Variant codigos;
        int32_t numero;
    } casos[] = {
        {Codigos({1}), rt::err::Overflow},
        {Codigos({99}), 3021},  // no such declarant
        {Codigos({0}), 3021},   // a code that loads nothing
    };
    for (const auto& caso : casos) {
        std::string descripcion;
        EXPECT_EQ(prueba::NumeroDeError([&] { e->ExportarReg1(caso.codigos, 0); }, &descripcion),
                  caso.numero);
        EXPECT_EQ(descripcion.rfind("cExportacion.ExportarReg1 ", 0), 0u) << descripcion;
    }
}

TEST_F(Exportacion, FailedReg1LeavesNoDeclarationForTheNextReg2) {
    auto e = Nuevo();
    e->Ejercicio(2009);
    e->Periodo(6);
    e->Periodicidad(2);
    e->ExportarReg1(Codigos({1, 2}), 0);
    ASSERT_EQ(e->declaracion(), "1");
    Sql("UPDATE TDeclarante SET telefonod = 1945222333 WHERE coddec = 2");
    EXPECT_NE(prueba::NumeroDeError([&] { e->ExportarReg1(Codigos({1, 2}), 1); }), 0);
    EXPECT_TRUE(e->ExportarReg2(Codigos({1, 2}), 1).isEmpty());
}

TEST_F(Exportacion, Reg2FailsWholeAndCountsNothing) {
    // A base of 14 digits does not fit 13 positions.
    Sql("UPDATE tOperadores SET base = 12345678901234 WHERE codope = 3");
    auto e = Nuevo();
    e->Ejercicio(2009);
    e->Periodo(6);
    e->Periodicidad(2);
    e->declaracion("1");
    e->NoTotalDeclarados(0);
    EXPECT_EQ(prueba::NumeroDeError([&] { e->ExportarReg2(Codigos({1}), 0); }),
              rt::err::Overflow);
    EXPECT_EQ(e->NoTotalDeclarados(), 0);
}

TEST_F(Exportacion, DeclarationKeyTravelsAsText) {
    auto e = Nuevo();
    e->declaracion("17");
    EXPECT_EQ(e->declaracion(), "17");
    EXPECT_EQ(prueba::NumeroDeError([&] { e->declaracion("diecisiete"); }),
              rt::err::TypeMismatch);
    e->mdblec("/ruta/794Lec.mdb");
    EXPECT_EQ(e->mdblec(), "/ruta/794Lec.mdb");
    EXPECT_EQ(e->mdbmod(), mod_);
}

TEST_F(Exportacion, TotalCountsEveryPeriodicityOfThatPeriodValue) {
    // An annual declaration of 2009 of declarant 2 counts with period 12 only.
    Sql("INSERT INTO TDeclaraciones VALUES (5,2,2009,12,3,'E','');"
        "INSERT INTO TDeclaraciones VALUES (6,1,2009,12,2,'P','');"
        "INSERT INTO tOperadores (coddeclar,nifo,claveopo,base) VALUES (5,'X','1',1),(5,'Y','1',1),"
        "(6,'Z','1',1)");
    auto e = Nuevo();
    const struct {
        int32_t ejercicio;
        uint8_t periodo;
        std::string lista;
        int32_t total;
    } casos[] = {
        {2009, 6, "1,2,3", 6}, {2009, 6, " 2 ", 1},  {2009, 5, "2", 1},    {2009, 12, "1, 2", 3},
        {2009, 12, "3", 0},    {2011, 5, "1", 5},    {2010, 5, "1,2", 0},  {2009, 6, "", 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(e->TotalDeclarados(c.ejercicio, c.periodo, c.lista), c.total)
            << c.ejercicio << "/" << int(c.periodo) << " [" << c.lista << "]";
    EXPECT_TRUE(Cerrada());
}

TEST_F(Exportacion, TotalRefusesAListThatIsNotOfCodes) {
    auto e = Nuevo();
    for (const char* lista : {"1) OR (1=1", "1,,2", "uno", "1;2", "99999999999"}) {
        std::string descripcion;
        EXPECT_EQ(prueba::NumeroDeError([&] { e->TotalDeclarados(2009, 6, lista); }, &descripcion),
                  rt::err::TypeMismatch)
            << lista;
        EXPECT_EQ(descripcion.rfind("cExportacion.TotalDeclarados ", 0), 0u) << descripcion;
    }
}

TEST(ExportacionPorNombre, BothClassesAreCreatable) {
    EXPECT_NE(rt::CreateObjectAs<_cExportacion>("Quelvodat.cExportacion"), nullptr);
    EXPECT_NE(rt::CreateObjectAs<quelvodat::_cTImpExp>("Quelvodat.cTImpExp"), nullptr);
}

}  // namespace
