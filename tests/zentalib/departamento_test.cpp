// The tax department's name for the printed forms, reached by name.
#include <gtest/gtest.h>

#include "quelvort/object.h"
#include "zentalib/cMiscelaneos.h"

namespace {

TEST(Departamento, UnaLineaPorLenguaSegunElIdioma) {
    auto misc = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    const std::string castellano = misc->HaciendaFiscalidad();  // Spanish until told
    misc->Idioma(1000);
    const std::string euskera = misc->HaciendaFiscalidad();
    misc->Idioma(10000);
    EXPECT_EQ(misc->HaciendaFiscalidad(), euskera);
    misc->Idioma(0);
    EXPECT_EQ(misc->HaciendaFiscalidad(), castellano);
    EXPECT_NE(euskera, castellano);
    for (const std::string& linea : {euskera, castellano}) {
        EXPECT_FALSE(linea.empty());
        EXPECT_EQ(linea.find_first_of("\r\n"), std::string::npos) << linea;
    }
}

}  // namespace
