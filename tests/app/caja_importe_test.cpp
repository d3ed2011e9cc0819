// The amount box: what may be typed, how it shows, and when it reports.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include "controls/caja_importe.h"
#include "services/valores.h"

#include <optional>

using quelvo::CajaImporte;

namespace {

TEST(FormatoImporte, SpanishThousandsAndTwoDecimals) {
    const std::pair<double, const char*> casos[] = {
        {0, "0,00"},          {5, "5,00"},          {-5, "-5,00"},
        {1234567.89, "1.234.567,89"}, {999.995, "1.000,00"}, {123.4, "123,40"},
        {99999999999.99, "99.999.999.999,99"}, {-0.004, "0,00"}, {1000, "1.000,00"},
        // What only a damaged database holds still gives a text that fits.
        {1e300, "10.000.000.000.000.000,00"}, {-1e300, "-10.000.000.000.000.000,00"},
    };
    for (const auto& [importe, texto] : casos) {
        EXPECT_EQ(quelvo::FormatoImporte(importe), texto) << importe;
        // The text written into a buffer for measuring is the same.
        std::array<char, 32> escrito;
        EXPECT_EQ(quelvo::FormatoImporte(importe, escrito), texto) << importe;
    }
}

TEST(LeerImporte, ReadsWhatWasMeantOrNothing) {
    const std::pair<const char*, const char*> casos[] = {
        {"", ""}, {"  ", ""}, {"0", "0"}, {"-0", "0"}, {"-0,00", "0,00"}, {"007", "7"},
        {"1234,56", "1234,56"}, {"1.234,56", "1234,56"}, {"1.234", "1234"}, {"1.23", "1,23"},
        {"1.2", "1,2"}, {"12.345.678", "12345678"}, {"1.234.56", "1234,56"}, {"1234.", "1234"},
        {"1234,", "1234"}, {".5", "0,5"}, {"-,5", "-0,5"}, {" -7,5 ", "-7,5"},
        {"123456789012,34", "123456789012,34"}, {"99999999999999999999", "99999999999999999999"},
        // No amount.
        {"-", nullptr}, {",", nullptr}, {".", nullptr}, {"-.", nullptr}, {"--5", nullptr},
        {"+5", nullptr}, {"5-", nullptr}, {"1,234.56", nullptr}, {"1.2345", nullptr},
        {"0.123", nullptr}, {"1234.567", nullptr}, {"12.34.56", nullptr}, {"1 234", nullptr},
        {"1e5", nullptr}, {"12a3", nullptr}, {"7,891", nullptr}, {"1,2,3", nullptr},
        {"1.234,5.6", nullptr}, {"1,5.", nullptr}, {"\xD9\xA1", nullptr},
    };
    for (const auto& [texto, importe] : casos) {
        SCOPED_TRACE(texto);
        const std::optional<QString> leido = quelvo::LeerImporte(QString::fromUtf8(texto));
        ASSERT_EQ(leido.has_value(), importe != nullptr);
        if (importe) {
            EXPECT_EQ(leido->toStdString(), importe);
        }
    }
}

TEST(FormatoImporte, ReadAmountsWholeAndOtherTextsAsTheyAre) {
    const std::pair<const char*, const char*> casos[] = {
        {"1234,5", "1.234,50"}, {"-1234567", "-1.234.567,00"}, {"0,5", "0,50"}, {"12", "12,00"},
        {"1.234", "1.234,00"}, {"123456789012345678,9", "123.456.789.012.345.678,90"},
        {"", ""}, {"12a3", "12a3"}, {"7,891", "7,891"},
    };
    for (const auto& [texto, mostrado] : casos)
        EXPECT_EQ(quelvo::FormatoImporte(QString(texto)).toStdString(), mostrado) << texto;
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
        if (teclas.isEmpty()) QTest::keyClick(caja, Qt::Key_Delete);
        else QTest::keyClicks(caja, teclas);
        otra->setFocus();
        QApplication::processEvents();
    }
    QWidget ventana;
    CajaImporte* caja = nullptr;
    QLineEdit* otra = nullptr;
    int salidas = 0;
};

// Whatever is typed is read as meant or kept as typed; no keystroke is
// dropped and no other number is made up.
TEST_F(Caja, TypedAmountsAreReadAsMeant) {
    const std::tuple<const char*, const char*, const char*, bool> casos[] = {
        {"1234,56", "1234,56", "1.234,56", true},
        {"123456789012,34", "123456789012,34", "123.456.789.012,34", true},
        {"1234.56", "1234,56", "1.234,56", true},
        {"1234.5", "1234,5", "1.234,50", true},
        {"1.234,56", "1234,56", "1.234,56", true},
        {"1.234", "1234", "1.234,00", true},
        {"1.234.567", "1234567", "1.234.567,00", true},
        {"1.234.56", "1234,56", "1.234,56", true},
        {"1234,", "1234", "1.234,00", true},
        {",5", "0,5", "0,50", true},
        {" 12 ", "12", "12,00", true},
        {"-5", "-5", "-5,00", true},
        {"", "", "", true},
        // No amount: kept as typed, for the entry's checks to refuse.
        {"7,891", "7,891", "7,891", false},
        {"12a3", "12a3", "12a3", false},
        {"5-", "5-", "5-", false},
        {"-", "-", "-", false},
        {"1,2,3", "1,2,3", "1,2,3", false},
        {"1.2345", "1.2345", "1.2345", false},
        {"12345.678", "12345.678", "12345.678", false},
        {"1,234.56", "1,234.56", "1,234.56", false},
    };
    for (const auto& [teclas, valor, mostrado, esImporte] : casos) {
        SCOPED_TRACE(teclas);
        const int antes = salidas;
        escribir(teclas);
        EXPECT_EQ(caja->Valor().toStdString(), valor);
        EXPECT_EQ(caja->text().toStdString(), mostrado);
        EXPECT_EQ(caja->EsImporte(), esImporte);
        EXPECT_EQ(salidas, antes + 1);
    }
}

TEST_F(Caja, TheKeypadPointIsTheDecimalComma) {
    caja->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(caja, "1234");
    QTest::keyClick(caja, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(caja, "567");
    EXPECT_EQ(caja->text().toStdString(), "1234,567");
    otra->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(caja->text().toStdString(), "1234,567");
    escribir("");
    caja->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(caja, "1234");
    QTest::keyClick(caja, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(caja, "5");
    otra->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(caja->Valor().toStdString(), "1234,5");
    EXPECT_EQ(caja->text().toStdString(), "1.234,50");
}

TEST_F(Caja, PastedAmountsAreReadAsTyped) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"1.234,56", "1234,56", "1.234,56"},
        {"123456789012,34", "123456789012,34", "123.456.789.012,34"},
        {"1234.56", "1234,56", "1.234,56"},
        {"1.234,56 \xE2\x82\xAC", "1.234,56 \xE2\x82\xAC", "1.234,56 \xE2\x82\xAC"},
    };
    for (const auto& [pegado, valor, mostrado] : casos) {
        SCOPED_TRACE(pegado);
        caja->setFocus();
        QApplication::processEvents();
        caja->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8(pegado));
        QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
        otra->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(caja->Valor().toStdString(), valor);
        EXPECT_EQ(caja->text().toStdString(), mostrado);
    }
}

// The edit menu takes the focus for a moment: the box is still being edited
// and the pasted amount is kept.
TEST_F(Caja, PastingFromTheEditMenu) {
    caja->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(caja, "12");
    QApplication::clipboard()->setText("345,6");
    QContextMenuEvent evento(QContextMenuEvent::Keyboard, QPoint(2, 2), caja->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(caja, &evento);
    QApplication::processEvents();
    auto menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    bool pegado = false;
    // The menu's paste entry carries the paste shortcut after its text.
    const QString atajo = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* accion : menu->actions()) {
        if (accion->text().endsWith("\t" + atajo)) {
            pegado = true;
            accion->trigger();
        }
    }
    menu->close();
    QApplication::processEvents();
    ASSERT_TRUE(pegado);
    EXPECT_EQ(salidas, 0);
    EXPECT_EQ(caja->text().toStdString(), "12345,6");
    otra->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(caja->Valor().toStdString(), "12345,6");
    EXPECT_EQ(caja->text().toStdString(), "12.345,60");
    EXPECT_EQ(salidas, 1);
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
