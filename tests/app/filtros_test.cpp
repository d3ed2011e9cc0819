// The key filters, typed and pasted, the blank-zero conversions and the copy
// of an editor's boxes into the declarant and presenter objects.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "controls/filtros.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "parties/volcado.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/etiqueta.h"
#include "services/objetos.h"
#include "services/valores.h"

using namespace quelvo;

namespace {

TEST(FiltrarTecla, CapitalsAllowedCharactersAndTheThreeControlKeys) {
    const std::pair<int16_t, int16_t> casos[] = {
        {97, 65},   {122, 90},  {241, 209}, {225, 193}, {231, 199}, {252, 220}, {170, 170},
        {186, 186}, {215, 215}, {123, 123}, {32, 32},   {93, 93},   {95, 95},   {126, 126},
        {160, 160}, {173, 173}, {191, 191}, {94, 0},    {96, 0},    {124, 0},   {9, 0},
        {224, 0},   {247, 0},   {127, 0},   {128, 0},   {192, 0},   {216, 0},   {255, 0},
        {0, 0},     {8, 8},     {13, 13},   {27, 27},   {256, 0},   {-1, 0}};
    for (auto [tecla, resultado] : casos) EXPECT_EQ(FiltrarTecla(tecla), resultado) << tecla;
    int permitidas = 0;
    for (int16_t c = 0; c <= 255; ++c) permitidas += TeclaPermitida(c);
    EXPECT_EQ(permitidas, 116);
    for (int16_t tecla : {'7', '0', '9', '\b', '-', ',', ' ', '\r', '/', ':'}) {
        int16_t filtrada = tecla;
        SoloNumeros(filtrada);
        EXPECT_EQ(filtrada, (tecla >= '0' && tecla <= '9') || tecla == 8 ? tecla : 0) << tecla;
    }
}

// Key presses carrying each character, as a keyboard of any layout sends them.
void teclear(QWidget* caja, const QString& texto) {
    for (QChar c : texto) {
        QKeyEvent pulsada(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(caja, &pulsada);
    }
}

void pegar(QLineEdit* caja, const QString& texto) {
    QApplication::clipboard()->setText(texto);
    caja->paste();
}

TEST(FiltroCajas, TypedAndPastedTextPassTheSameFilter) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"peña y cía", "PEÑA Y CÍA", ""}, {"a^b`c|d", "ABCD", ""}, {"12-34", "12-34", "1234"},
        {"tab\tlínea\n", "TABLÍNEA", ""},  {"àöø€", "", ""},       {"1º 2ª", "1º 2ª", "12"},
        {"日本x", "X", ""},
    };
    for (const auto& [entrada, texto, numeros] : casos) {
        SCOPED_TRACE(entrada);
        QLineEdit cajas[4];  // typed and pasted, letters and digits only
        FiltrarCaja(&cajas[0]);
        FiltrarCaja(&cajas[1]);
        SoloNumeros(&cajas[2]);
        SoloNumeros(&cajas[3]);
        for (int i : {0, 2}) teclear(&cajas[i], QString::fromUtf8(entrada));
        for (int i : {1, 3}) pegar(&cajas[i], QString::fromUtf8(entrada));
        for (int i = 0; i < 4; ++i) EXPECT_EQ(cajas[i].text().toStdString(), i < 2 ? texto : numeros) << i;
    }
}

TEST(FiltroCajas, WindowFilterKeepsDigitsOnlyBoxes) {
    QWidget ventana;
    auto nombre = new QLineEdit(&ventana), postal = new QLineEdit(&ventana);
    SoloNumeros(postal);
    FiltrarVentana(&ventana);
    teclear(nombre, "calle mayor^");
    teclear(postal, "01a0-01");
    EXPECT_EQ(nombre->text(), "CALLE MAYOR");
    EXPECT_EQ(postal->text(), "01001");
}

TEST(FiltroCajas, ProgramTextStaysAndOnlyInsertedTextIsFiltered) {
    QLineEdit caja;
    FiltrarCaja(&caja);
    caja.setText("Søren À");  // as stored, from an import
    EXPECT_EQ(caja.text(), "Søren À");
    caja.setCursorPosition(1);
    teclear(&caja, "x");
    EXPECT_EQ(caja.text(), "SXøren À");
    EXPECT_EQ(caja.cursorPosition(), 2);
    caja.end(false);
    pegar(&caja, " müller^");
    EXPECT_EQ(caja.text(), "SXøren À MÜLLER");
    caja.setSelection(0, 2);  // typing over a selection
    teclear(&caja, "ö");
    EXPECT_EQ(caja.text(), "øren À MÜLLER");
    SeleccionarTexto(&caja);
    EXPECT_EQ(caja.selectedText(), caja.text());
}

TEST(CB, ZeroShowsBlankAndBlankReadsZero) {
    // The value shown, and what is left in the caller's variable.
    const std::tuple<rt::Variant, rt::Variant, rt::Variant> casos[] = {
        {"   ", "", rt::Variant::Integer(0)}, {rt::Variant(), "", rt::Variant::Integer(0)},
        {0, "", 0}, {"00", "", "00"}, {"-0", "", "-0"}, {12, 12, 12}, {" 12 ", " 12 ", " 12 "},
        {-3.5, -3.5, -3.5}, {"0,001", "0,001", "0,001"},
    };
    for (const auto& [antes, mostrado, despues] : casos) {
        rt::Variant valor = antes;
        EXPECT_EQ(CB(valor), mostrado) << rt::CStr(antes);
        EXPECT_EQ(valor, despues) << rt::CStr(antes);
    }
    const std::pair<rt::Variant, double> leidos[] = {
        {"", 0}, {rt::Variant(), 0}, {"12", 12}, {0, 0}, {"1.234", 1234}, {"1,5", 1.5}, {"-7", -7}};
    for (const auto& [valor, numero] : leidos) EXPECT_DOUBLE_EQ(BC(valor), numero) << rt::CStr(valor);
}

TEST(CB, NoNumberFailsWithItsLocation) {
    const std::pair<bool, rt::Variant> casos[] = {
        {true, "abc"}, {true, rt::Variant::Null()}, {false, " "}, {false, "12a"},
        {false, rt::Variant::Null()}};
    for (const auto& [cb, original] : casos) {
        rt::Variant valor = original;
        try {
            cb ? (void)CB(valor) : (void)BC(valor);
            ADD_FAILURE() << cb;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Description.rfind(cb ? "General.CB\r\n" : "General.BC\r\n", 0), 0u)
                << e.Description;
        }
    }
}

class Volcado : public ::testing::Test {
protected:
    void SetUp() override { LiberarObjetos(); }
    void TearDown() override { LiberarObjetos(); }

    QLineEdit* caja(const char* nombre, const char* tag, const QString& texto) {
        auto c = new QLineEdit(texto, &ventana_);
        c->setObjectName(nombre);
        Tag(c, tag);
        return c;
    }
    QWidget ventana_;
};

TEST_F(Volcado, EachKindFillsItsOwnObjectInCapitals) {
    caja("txtNombre", "nombre", "Ana Peña");
    caja("txtCPost", "CODPOS", "");
    caja("cnuProvin", "Provin", "20");
    caja("txtTelPdc", "TELPDC", "945000000");
    caja("txtPersona", "NOMPC", "Luis");  // the presenter's contact
    caja("cnTelefono", "TELPC", "600000000");
    caja("TxtNif", "NIF", "X");
    for (int32_t tipo : {2, -1}) VolcarFormulario(tipo, &ventana_);
    cDeclarante& d = objDeclarante();
    const cPresentador& p = objPresentador();
    EXPECT_FALSE(d.Modificado() || p.Modificado());
    EXPECT_EQ(p.Nombre(), "");
    d.CPost(1001);
    EXPECT_TRUE(VolcarFormulario(kVolcarDeclarante, &ventana_).empty());
    EXPECT_EQ(QStringList({d.Nombre(), d.NombrePd(), d.NIF()}), QStringList({"ANA PEÑA", "", ""}));
    EXPECT_EQ(std::vector<int32_t>({d.CPost(), d.CodProvin(), d.TelefonoPd()}),
              std::vector<int32_t>({0, 20, 945000000}));
    EXPECT_TRUE(d.Modificado());
    EXPECT_FALSE(p.Modificado());
    VolcarFormulario(kVolcarPresentador, &ventana_);
    EXPECT_EQ(QStringList({p.Nombre(), p.NombreP()}), QStringList({"ANA PEÑA", "LUIS"}));
    EXPECT_EQ(p.TelefonoP(), 600000000);
    EXPECT_TRUE(p.Modificado());
}

TEST_F(Volcado, SameTextUpToCaseAndBlanksIsNoChange) {
    objDeclarante().Nombre("ANA ");
    caja("txtNombre", "NOMBRE", "Ana");
    caja("txtCPost", "CODPOS", "");  // a zero field with a blank box
    VolcarFormulario(kVolcarDeclarante, &ventana_);
    EXPECT_EQ(objDeclarante().Nombre(), "ANA");
    EXPECT_FALSE(objDeclarante().Modificado());
    caja("txtNumero", "NUMERO", "5");
    VolcarFormulario(kVolcarDeclarante, &ventana_);
    EXPECT_TRUE(objDeclarante().Modificado());
}

TEST_F(Volcado, TextThatDoesNotFitLeavesTheFieldAndIsReported) {
    cDeclarante& d = objDeclarante();
    d.CodProvin(1);
    d.CPost(1001);
    d.Telefono(945111111);
    auto provincia = caja("txtProvin", "PROVIN", "40000");         // beyond 16 bits
    auto postal = caja("txtCPost", "CODPOS", "01a01");              // no number
    auto telefono = caja("txtTelefono", "TELEFO", "99999999999");  // beyond 32 bits
    caja("txtNumero", "NUMERO", "7");
    std::vector<QWidget*> noCaben;
    ASSERT_NO_THROW(noCaben = VolcarFormulario(kVolcarDeclarante, &ventana_));
    EXPECT_EQ(noCaben, (std::vector<QWidget*>{provincia, postal, telefono}));
    EXPECT_EQ(std::vector<int32_t>({d.CodProvin(), d.CPost(), d.Telefono(), d.numero()}),
              std::vector<int32_t>({1, 1001, 945111111, 7}));
}

TEST_F(Volcado, ControlWithoutTextFails) {
    auto etiqueta = new QLabel("Cuatro", &ventana_);
    etiqueta->setObjectName("cnNombre");
    Tag(etiqueta, "NOMBRE");
    VolcarFormulario(kVolcarDeclarante, &ventana_);
    EXPECT_EQ(objDeclarante().Nombre(), "CUATRO");
    (new QWidget(&ventana_))->setObjectName("txtMarca");
    EXPECT_THROW(VolcarFormulario(kVolcarDeclarante, &ventana_), rt::Error);
}

}  // namespace
