// The amount box: what may be typed, how it shows, and when it reports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include "controls/caja_importe.h"
#include "services/valores.h"

using quelvo::CajaImporte;

namespace {

TEST(FormatoImporte, SpanishThousandsAndTwoDecimals) {
    const std::pair<double, const char*> casos[] = {
        {0, "0,00"},          {5, "5,00"},          {-5, "-5,00"},
        {1234567.89, "1.234.567,89"}, {999.995, "1.000,00"}, {123.4, "123,40"},
        {99999999999.99, "99.999.999.999,99"}, {-0.004, "0,00"}, {1000, "1.000,00"},
    };
    for (const auto& [importe, texto] : casos) {
        EXPECT_EQ(quelvo::FormatoImporte(importe), texto) << importe;
        // The text written into a buffer for measuring is the same.
        std::array<char, 32> escrito;
        EXPECT_EQ(quelvo::FormatoImporte(importe, escrito), texto) << importe;
    }
}

class Caja : public ::testing::Test {
protected:
    void SetUp() override {
        auto capa = new QVBoxLayout(&ventana);
        caja = new CajaImporte(&ventana);
        otra = new QLineEdit(&ventana);
        capa->addWidget(caja);
        capa->addWidget(otra);
        QObject::connect(caja, &CajaImporte::Salida, [this] { ++salidas; });
        ventana.show();
        ventana.activateWindow();
        QApplication::setActiveWindow(&ventana);
    }
    void escribir(const QString& teclas) {
        caja->setFocus();
        QApplication::processEvents();
        caja->selectAll();
        QTest::keyClicks(caja, teclas);
        otra->setFocus();
        QApplication::processEvents();
    }
    QWidget ventana;
    CajaImporte* caja = nullptr;
    QLineEdit* otra = nullptr;
    int salidas = 0;
};

TEST_F(Caja, TypedAmountsKeepTheRecordsDigits) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"1234,56", "1234,56", "1.234,56"},
        {"12a3", "123", "123,00"},
        {"123456789012", "12345678901", "12.345.678.901,00"},
        {"7,891", "7,89", "7,89"},
        {"-5", "-5", "-5,00"},
        {"5-", "5", "5,00"},
        {"-", "", ""},
        {"", "", ""},
    };
    for (const auto& [teclas, valor, mostrado] : casos) {
        SCOPED_TRACE(teclas);
        const int antes = salidas;
        escribir(teclas);
        EXPECT_EQ(caja->Valor(), valor);
        EXPECT_EQ(caja->text(), mostrado);
        EXPECT_EQ(salidas, antes + 1);
    }
}

TEST_F(Caja, EditingShowsThePlainValue) {
    otra->setFocus();
    QApplication::processEvents();
    caja->Valor("1234567,5");
    EXPECT_EQ(caja->text(), "1.234.567,50");
    caja->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(caja->text(), "1234567,5");
    EXPECT_EQ(caja->selectedText(), "1234567,5");
    caja->Valor("");
    EXPECT_EQ(caja->text(), "");
}

}  // namespace
