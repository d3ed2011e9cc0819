// The key filters, typed and pasted, the blank-zero conversions and the copy
// of an editor's boxes into the declarant and presenter objects.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "shell/etiqueta.h"
#include "shell/filtros.h"
#include "shell/objetos.h"
#include "shell/valores.h"
#include "shell/volcado.h"

using namespace quelvo;

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
}

TEST(SoloNumeros, DigitsAndBackspaceOnly) {
    for (auto [tecla, resultado] : {std::pair<int16_t, int16_t>{'7', '7'}, {'0', '0'}, {'9', '9'}, {8, 8},
                                    {'-', 0}, {',', 0}, {' ', 0}, {13, 0}, {'/', 0}, {':', 0}}) {
        SoloNumeros(tecla);
        EXPECT_EQ(tecla, resultado);
    }
}

namespace {

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

}  // namespace

TEST(FiltroCajas, TypedAndPastedTextPassTheSameFilter) {
    struct Caso {
        const char *entrada, *texto, *numeros;
    };
    const Caso casos[] = {
        {"peña y cía", "PEÑA Y CÍA", ""}, {"a^b`c|d", "ABCD", ""}, {"12-34", "12-34", "1234"},
        {"tab\tlínea\n", "TABLÍNEA", ""},  {"àöø€", "", ""},       {"1º 2ª", "1º 2ª", "12"},
        {"日本x", "X", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.entrada);
        const QString entrada = QString::fromUtf8(c.entrada);
        QLineEdit tecleada, pegada, numeros, numerosPegada;
        FiltrarCaja(&tecleada);
        FiltrarCaja(&pegada);
        SoloNumeros(&numeros);
        SoloNumeros(&numerosPegada);
        teclear(&tecleada, entrada);
        teclear(&numeros, entrada);
        pegar(&pegada, entrada);
        pegar(&numerosPegada, entrada);
        EXPECT_EQ(tecleada.text().toStdString(), c.texto);
        EXPECT_EQ(pegada.text().toStdString(), c.texto);
        EXPECT_EQ(numeros.text().toStdString(), c.numeros);
        EXPECT_EQ(numerosPegada.text().toStdString(), c.numeros);
    }
}

TEST(FiltroCajas, WindowFilterKeepsDigitsOnlyBoxes) {
    QWidget ventana;
    auto nombre = new QLineEdit(&ventana);
    auto postal = new QLineEdit(&ventana);
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

TEST(CB, ZeroShowsBlank) {
    struct Caso {
        rt::Variant valor, resultado, despues;  // despues: the caller's variable
    };
    const Caso casos[] = {
        {"   ", "", rt::Variant::Integer(0)}, {rt::Variant(), "", rt::Variant::Integer(0)},
        {0, "", 0},          {"00", "", "00"},      {"-0", "", "-0"},         {12, 12, 12},
        {" 12 ", " 12 ", " 12 "}, {-3.5, -3.5, -3.5}, {"0,001", "0,001", "0,001"},
    };
    for (const auto& c : casos) {
        rt::Variant valor = c.valor;
        EXPECT_EQ(CB(valor), c.resultado) << rt::CStr(c.valor);
        EXPECT_EQ(valor, c.despues) << rt::CStr(c.valor);
    }
}

TEST(BC, BlankReadsZero) {
    const std::pair<rt::Variant, double> casos[] = {
        {"", 0}, {rt::Variant(), 0}, {"12", 12}, {0, 0}, {"1.234", 1234}, {"1,5", 1.5}, {"-7", -7}};
    for (const auto& [valor, numero] : casos) EXPECT_DOUBLE_EQ(BC(valor), numero) << rt::CStr(valor);
}

TEST(BC, NoNumberFailsWithItsLocation) {
    struct Caso {
        bool cb;
        rt::Variant valor;
    };
    for (const Caso& c : {Caso{true, "abc"}, Caso{true, rt::Variant::Null()}, Caso{false, " "},
                          Caso{false, "12a"}, Caso{false, rt::Variant::Null()}}) {
        rt::Variant valor = c.valor;
        try {
            c.cb ? (void)CB(valor) : (void)BC(valor);
            ADD_FAILURE();
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Description.rfind(c.cb ? "General.CB\r\n" : "General.BC\r\n", 0), 0u) << e.Description;
        }
    }
}

namespace {

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

}  // namespace

TEST_F(Volcado, DeclarantFieldsInCapitals) {
    caja("txtNombre", "nombre", "Ana Peña");
    caja("txtCPost", "CODPOS", "");
    caja("cnuProvin", "Provin", "20");
    caja("txtTelPdc", "TELPDC", "945000000");
    caja("txtPersona", "NOMPC", "Luis");  // the presenter's contact
    caja("TxtNif", "NIF", "X");
    objDeclarante().CPost(1001);
    EXPECT_TRUE(VolcarFormulario(kVolcarDeclarante, &ventana_).empty());
    const cDeclarante& d = objDeclarante();
    EXPECT_EQ(d.Nombre(), "ANA PEÑA");
    EXPECT_EQ(d.CPost(), 0);
    EXPECT_EQ(d.CodProvin(), 20);
    EXPECT_EQ(d.TelefonoPd(), 945000000);
    EXPECT_EQ(d.NombrePd(), "");
    EXPECT_EQ(d.NIF(), "");
    EXPECT_TRUE(d.Modificado());
    EXPECT_FALSE(objPresentador().Modificado());
}

TEST_F(Volcado, PresenterFieldsAndOtherKinds) {
    caja("txtNombre", "NOMBRE", "Gestoría");
    caja("txtPersona", "NOMPC", "Luis");
    caja("cnTelefono", "TELPC", "600000000");
    for (int32_t tipo : {2, -1}) VolcarFormulario(tipo, &ventana_);
    EXPECT_EQ(objPresentador().Nombre(), "");
    EXPECT_FALSE(objPresentador().Modificado());
    VolcarFormulario(kVolcarPresentador, &ventana_);
    EXPECT_EQ(objPresentador().Nombre(), "GESTORÍA");
    EXPECT_EQ(objPresentador().NombreP(), "LUIS");
    EXPECT_EQ(objPresentador().TelefonoP(), 600000000);
    EXPECT_TRUE(objPresentador().Modificado());
    EXPECT_FALSE(objDeclarante().Modificado());
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
    objDeclarante().CodProvin(1);
    objDeclarante().CPost(1001);
    objDeclarante().Telefono(945111111);
    auto provincia = caja("txtProvin", "PROVIN", "40000");         // beyond 16 bits
    auto postal = caja("txtCPost", "CODPOS", "01a01");              // no number
    auto telefono = caja("txtTelefono", "TELEFO", "99999999999");  // beyond 32 bits
    caja("txtNumero", "NUMERO", "7");
    std::vector<QWidget*> noCaben;
    ASSERT_NO_THROW(noCaben = VolcarFormulario(kVolcarDeclarante, &ventana_));
    EXPECT_EQ(noCaben, (std::vector<QWidget*>{provincia, postal, telefono}));
    EXPECT_EQ(objDeclarante().CodProvin(), 1);
    EXPECT_EQ(objDeclarante().CPost(), 1001);
    EXPECT_EQ(objDeclarante().Telefono(), 945111111);
    EXPECT_EQ(objDeclarante().numero(), 7);
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
