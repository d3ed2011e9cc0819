// The reading of an import file before its run: the layout it decides and
// the records it counts, for submission files and files of declared entries.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "boundary/importacion_prueba.h"
#include "exchange/preanalisis.h"
#include "quelvort/textfile.h"

namespace {

using quelvo::Preanalisis;

// Lines of the hand-made files: national and own records, a presenter's.
struct Lineas {
    std::vector<std::string> estatal = rt::ReadAllLines(prueba::Fixture("estatal_2010.txt"));
    std::vector<std::string> propio = rt::ReadAllLines(prueba::Fixture("soporte_2010.txt"));
    std::string presentador() const { return propio.at(0); }
    std::string estatal1() const { return estatal.at(0); }
    std::string estatal2() const { return estatal.at(1); }
    std::string propio1() const { return propio.at(1); }
    std::string propio2() const { return propio.at(2); }
};

TEST(Preanalisis, TheFirstDeclarantOrEntryRecordDecidesTheLayout) {
    QTemporaryDir carpeta;
    const Lineas l;
    struct Caso {
        const char* que;
        std::vector<std::string> lineas;
        bool antes;  // the layout before the pre-scan
        bool soporte, declarados;
    };
    const std::vector<Caso> casos = {
        {"one national entry", {l.estatal2()}, false, true, true},
        {"national entries only", {l.estatal2(), l.estatal2()}, false, true, true},
        {"presenter, then a national file", {l.presentador(), l.estatal1(), l.estatal2()}, false,
         true, true},
        {"a national file", {l.estatal1(), l.estatal2()}, false, true, true},
        {"one own entry", {l.propio2()}, true, false, false},
        {"an own file with its presenter", {l.presentador(), l.propio1(), l.propio2()}, true, false,
         false},
        // The first record decides: a later one of the other layout does not.
        {"own declarant, then a national one", {l.propio1(), l.estatal1()}, false, false, false},
        {"national entry, then an own one", {l.estatal2(), l.propio2()}, false, true, true},
        // Nothing to judge: the layout stays.
        {"presenter only, after a national file", {l.presentador()}, true, true, true},
        {"empty, after an own file", {}, false, false, false},
    };
    for (const Caso& c : casos) {
        const std::string ruta = carpeta.filePath("f.txt").toStdString();
        rt::WriteAllLines(ruta, c.lineas);
        EXPECT_EQ(quelvo::PreanalizarSoporte(ruta, c.antes).estatal, c.soporte) << c.que;
        EXPECT_EQ(quelvo::PreanalizarDeclarados(ruta, c.antes).estatal, c.declarados) << c.que;
    }
}

TEST(Preanalisis, CountsLinesAndRecordsOfEachKind) {
    QTemporaryDir carpeta;
    const Lineas l;
    const std::string ruta = carpeta.filePath("f.txt").toStdString();
    rt::WriteAllLines(ruta, {l.presentador(), l.estatal1(), l.estatal2(), l.estatal2(), "", "3794"});
    const Preanalisis soporte = quelvo::PreanalizarSoporte(ruta, false);
    EXPECT_EQ(soporte.lineas, 6);
    EXPECT_EQ(soporte.declarantes, 1);
    EXPECT_EQ(soporte.declarados, 2);
    const Preanalisis declarados = quelvo::PreanalizarDeclarados(ruta, false);
    EXPECT_EQ(declarados.lineas, 6);
    EXPECT_EQ(declarados.declarados, 2);
}

}  // namespace
