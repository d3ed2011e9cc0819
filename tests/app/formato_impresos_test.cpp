// The one number formatter of the printed forms, with Spanish conventions.
#include <gtest/gtest.h>

#include <clocale>

#include "printing/formato.h"
#include "quelvort/error.h"

namespace {

struct Caso {
    double valor;
    const char* patron;
    const char* esperado;
};

TEST(FormatoImpresos, CadaPatronConLasConvencionesEspanolas) {
    const Caso casos[] = {
        {0, "#,#", ""},
        {0.4, "#,#", ""},
        {7, "#,#", "7"},
        {1234, "#,#", "1.234"},
        {1234567, "#,#", "1.234.567"},
        {1234.5, "#,#", "1.235"},
        {-1234, "#,#", "-1.234"},
        {0, "0.00", "0,00"},
        {1234.5, "0.00", "1234,50"},
        {0.005, "0.00", "0,01"},
        {-2.5, "0.00", "-2,50"},
        {0, "#,###,###,###,##0.00", "0,00"},
        {1234.5, "#,###,###,###,##0.00", "1.234,50"},
        {1234567.891, "#,###,###,###,##0.00", "1.234.567,89"},
        {1234, "00000", "01234"},
        {1, "00", "01"},
        {123456, "00000", "123456"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(quelvo::Formato(c.valor, c.patron).toStdString(), c.esperado)
            << c.valor << " " << c.patron;
}

TEST(FormatoImpresos, NoDependeDeLaConfiguracionRegionalDelSistema) {
    const char* antes = std::setlocale(LC_NUMERIC, nullptr);
    const std::string guardada = antes ? antes : "C";
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(quelvo::Formato(1234.5, "#,###,###,###,##0.00"), "1.234,50");
    EXPECT_EQ(quelvo::NumeroSimple(1234.5), "1234,5");
    std::setlocale(LC_NUMERIC, guardada.c_str());
}

TEST(FormatoImpresos, NumeroSimpleSinCerosNiSeparadorDeMiles) {
    EXPECT_EQ(quelvo::NumeroSimple(1234.5), "1234,5");
    EXPECT_EQ(quelvo::NumeroSimple(10), "10");
    EXPECT_EQ(quelvo::NumeroSimple(0), "0");
}

TEST(FormatoImpresos, UnPatronDesconocidoEsUnError) {
    try {
        quelvo::Formato(1, "#.##");
        ADD_FAILURE();
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, rt::err::InvalidArgument);
    }
}

}  // namespace
