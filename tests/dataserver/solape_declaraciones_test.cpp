// The overlap rule of a new declaration against the stored ones, as the
// declarations window applies it.
#include "exchange/solape_declaraciones.h"

#include <gtest/gtest.h>

using namespace quelvodat::Importacion;

namespace {

TEST(DeclaracionCoincidente, MonthsOfEachPeriodicityMeet) {
    const struct {
        int32_t periodo, periodicidad, periodoGuardado, periodicidadGuardada;
        bool coincide;
    } casos[] = {
        {12, 3, 3, 1, true},   {12, 3, 9, 2, true},   {3, 1, 12, 3, true},
        {6, 2, 12, 3, true},   {6, 2, 6, 2, true},    {6, 2, 3, 2, false},
        {6, 2, 4, 1, true},    {6, 2, 6, 1, true},    {6, 2, 3, 1, false},
        {6, 2, 7, 1, false},   {3, 2, 3, 1, true},    {7, 1, 9, 2, true},
        {9, 1, 9, 2, true},    {10, 1, 9, 2, false},  {6, 1, 3, 2, false},
        {5, 1, 5, 1, true},    {5, 1, 6, 1, false},
        // A periodicity outside 1 to 3, on either side, overlaps nothing.
        {12, 0, 12, 3, false}, {12, 3, 12, 4, false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DeclaracionCoincidente(c.periodo, c.periodicidad, c.periodoGuardado,
                                         c.periodicidadGuardada),
                  c.coincide)
            << c.periodo << "/" << c.periodicidad << " vs " << c.periodoGuardado << "/"
            << c.periodicidadGuardada;
}

}  // namespace
