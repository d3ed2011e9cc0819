// The overlap rule of a new declaration against the stored ones, as the
// declarations window applies it.
#include "exchange/solape_declaraciones.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quelvodat::Importacion;

namespace {

TEST(Solape, MonthsOfEachPeriodicityMeet) {
    const struct {
        int32_t periodo, periodicidad, periodoGuardado, periodicidadGuardada;
        bool coincide;
    } casos[] = {
        {12, 3, 3, 1, true},  {12, 3, 9, 2, true},   {3, 1, 12, 3, true},  {6, 2, 12, 3, true},
        {6, 2, 6, 2, true},   {6, 2, 3, 2, false},   {6, 2, 4, 1, true},   {6, 2, 6, 1, true},
        {6, 2, 3, 1, false},  {6, 2, 7, 1, false},   {3, 2, 3, 1, true},   {7, 1, 9, 2, true},
        {9, 1, 9, 2, true},   {10, 1, 9, 2, false},  {6, 1, 3, 2, false},  {5, 1, 5, 1, true},
        {5, 1, 6, 1, false},
        // A periodicity outside 1 to 3, on either side, overlaps nothing.
        {12, 0, 12, 3, false}, {12, 3, 12, 4, false}};
    for (const auto& c : casos)
        EXPECT_EQ(DeclaracionCoincidente(c.periodo, c.periodicidad, c.periodoGuardado,
                                         c.periodicidadGuardada),
                  c.coincide)
            << c.periodo << "/" << c.periodicidad << " vs " << c.periodoGuardado << "/"
            << c.periodicidadGuardada;
}

// Stored 2011 annual, 2012 second quarter, 2010 May; as ObtenerDeclaraciones
// lists them: texts by (field, row), 1 exercise, 2 period, 4 periodicity.
TEST(Solape, FindingOfANewDeclaration) {
    const std::vector<std::vector<int32_t>> guardadas = {{2011, 12, 3}, {2012, 6, 2}, {2010, 5, 1}};
    rt::VArray lista({0, 5}, {0, static_cast<int32_t>(guardadas.size())});
    for (int32_t r = 1; r <= static_cast<int32_t>(guardadas.size()); ++r)
        for (int32_t i : {0, 1, 2})
            lista.at(i == 2 ? 4 : i + 1, r) = std::to_string(guardadas[r - 1][i]);
    const struct {
        int32_t ejercicio, periodo, periodicidad, hallazgo;
    } casos[] = {{2011, 3, 2, 48}, {2011, 4, 1, 48}, {2012, 12, 3, 42}, {2012, 6, 2, 62},
                 {2012, 5, 1, 62}, {2010, 6, 2, 62}, {2012, 3, 2, 0},   {2013, 12, 3, 0},
                 {2010, 7, 1, 0}};
    for (const auto& c : casos)
        EXPECT_EQ(HallazgoSolape(lista, c.ejercicio, c.periodo, c.periodicidad), c.hallazgo)
            << c.ejercicio << " " << c.periodo << "/" << c.periodicidad;
    EXPECT_EQ(HallazgoSolape(rt::Variant::Null(), 2011, 12, 3), 0);
}

}  // namespace
