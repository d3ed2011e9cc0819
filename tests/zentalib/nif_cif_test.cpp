// The Spanish NIF/CIF check, reached by name as its callers reach it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comun/numero_de_error.h"
#include "quelvort/object.h"
#include "zentalib/cMiscelaneos.h"

namespace {

struct Caso {
    std::string texto;
    bool sinLetra;
    bool esperado;
};

const std::vector<Caso> kCasos = {
    // DNI: the letter is the remainder of the number by 23.
    {"12345678Z", false, true},  {"00000000T", false, true},    {"99999999R", false, true},
    {"12345678z", false, true},  {"  12345678Z  ", false, true}, {"12345678A", false, false},
    {"12345678", false, false},  {"1234567Z", false, false},    {"123456789Z", false, false},
    {"12345678 Z", false, false}, {"1234-678Z", false, false},  {"", false, false},
    {"   ", false, false},
    // NIE: X, Y, Z count as 0, 1, 2 in front of the number.
    {"X1234567L", false, true},  {"x1234567l", false, true},    {"Y1234567X", false, true},
    {"Z1234567R", false, true},  {"X1234567T", false, false},   {"W1234567L", false, false},
    {"X12345678L", false, false},
    // K, L and M: seven digits and their letter, as a DNI of seven digits.
    {"K1234567L", false, true},  {"l1234567l", false, true},    {"M0000000T", false, true},
    {"K1234567T", false, false}, {"M12345678L", false, false},  {"L123456L", false, false},
    // CIF: either form of control for most letters.
    {"A58818501", false, true},  {"B12345674", false, true},    {"G12345674", false, true},
    {"G1234567D", false, true},  {"H76543214", false, true},    {"E11111119", false, true},
    {" q2826000h ", false, true}, {"P0800000B", false, true},   {"S2800000H", false, true},
    {"N0012345E", false, true},  {"W0000000J", false, true},    {"A58818502", false, false},
    {"G1234567C", false, false},
    // A, B, E and H take only the digit; P, Q, R, S, N and W only the letter.
    {"A5881850A", false, false}, {"B1234567D", false, false},   {"Q28260008", false, false},
    {"P08000002", false, false},
    // Letters that open no CIF, and bad lengths or characters.
    {"I12345674", false, false}, {"K12345674", false, false},   {"A5881850", false, false},
    {"A588185O1", false, false},
    // Without the letter: the number part of a DNI or NIE only.
    {"12345678", true, true},    {" 12345678 ", true, true},    {"X1234567", true, true},
    {"12345678Z", true, false},  {"1234567", true, false},      {"A1234567", true, false},
    {"", true, false},
};

std::shared_ptr<zentalib::_cMiscelaneos> Miscelaneos() {
    return rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
}

TEST(ValidaNifCif, Table) {
    auto objeto = Miscelaneos();
    for (const auto& c : kCasos) {
        rt::Variant cadena(c.texto), sinLetra(c.sinLetra);
        EXPECT_EQ(objeto->ValidaNifCif(cadena, sinLetra), c.esperado)
            << '"' << c.texto << "\" sinLetra=" << c.sinLetra;
        EXPECT_EQ(cadena, rt::Variant(c.texto)) << "the caller's text is left as it was";
    }
}

// The control of 1234567 is 4, or D as a letter. Which forms each
// organisation type takes.
TEST(ValidaNifCif, ControlFormByOrganisationType) {
    auto objeto = Miscelaneos();
    const auto valido = [&](const std::string& cif) {
        rt::Variant cadena(cif), sinLetra(false);
        return objeto->ValidaNifCif(cadena, sinLetra);
    };
    const struct {
        const char* letras;
        bool digito, letra;
    } tipos[] = {{"ABEH", true, false}, {"NPQRSW", false, true}, {"CDFGJUV", true, true}};
    for (const auto& t : tipos)
        for (const char* l = t.letras; *l; ++l) {
            EXPECT_EQ(valido(std::string(1, *l) + "12345674"), t.digito) << *l << " digit";
            EXPECT_EQ(valido(std::string(1, *l) + "1234567D"), t.letra) << *l << " letter";
        }
}

TEST(ValidaNifCif, OptionalArgumentAndOtherKinds) {
    auto objeto = Miscelaneos();
    rt::Variant dni("12345678Z"), digitos("12345678"), nulo = rt::Variant::Null();
    rt::Variant vacio, verdadero(int16_t{-1}), texto("sí");
    // Left out means False; the old runtime's True is -1.
    EXPECT_TRUE(objeto->ValidaNifCif(dni, vacio));
    EXPECT_FALSE(objeto->ValidaNifCif(digitos, vacio));
    EXPECT_TRUE(objeto->ValidaNifCif(digitos, verdadero));
    EXPECT_FALSE(objeto->ValidaNifCif(nulo, vacio));
    EXPECT_EQ(prueba::NumeroDeError([&] { objeto->ValidaNifCif(dni, texto); }), rt::err::TypeMismatch);
}

}  // namespace
