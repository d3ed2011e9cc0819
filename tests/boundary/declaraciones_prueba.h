#pragma once
// Shared by the store tests: a fresh user database per test, the stores made
// by name, record arrays built and read back as plain texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comun/numero_de_error.h"
#include "consulta_db.h"
#include "fixture_db.h"
#include "quelvort/object.h"
#include "quelvort/variant.h"

namespace prueba {

using Textos = std::vector<std::string>;
using Filas = std::vector<Textos>;

inline const std::string kAguda = "\xC2\xB4";  // "´"

// A 1-D array from 0, as the program builds its buffers.
inline rt::Variant Arreglo(std::initializer_list<rt::Variant> valores) {
    rt::VArray a(0, static_cast<int32_t>(valores.size()) - 1);
    int32_t i = 0;
    for (const rt::Variant& v : valores) a.at(i++) = v;
    return a;
}

// An element the program reads as a text.
inline std::string Texto(const rt::Variant& v, const std::string& donde) {
    EXPECT_TRUE(v.isString()) << donde;
    return v.isString() ? v.str() : "<not text>";
}

// A (field, row) list as its rows of texts. Row 0 and the last field must be
// Empty and every other element a text.
inline Filas FilasDe(const rt::Variant& lista) {
    Filas filas;
    if (!lista.isArray() || rt::LBound(lista, 1) != 0 || rt::LBound(lista, 2) != 0) {
        ADD_FAILURE() << "not a list from 0";
        return filas;
    }
    int32_t campos = rt::UBound(lista, 1);
    for (int32_t j = 0; j <= campos; ++j) EXPECT_TRUE(lista(j, 0).isEmpty()) << "row 0";
    for (int32_t r = 1; r <= rt::UBound(lista, 2); ++r) {
        EXPECT_TRUE(lista(campos, r).isEmpty()) << "spare field of row " << r;
        auto& fila = filas.emplace_back();
        for (int32_t j = 0; j < campos; ++j)
            fila.push_back(Texto(lista(j, r), "field " + std::to_string(j)));
    }
    return filas;
}

// A one-row array from 0 as its texts; the last element must be Empty.
inline Textos FilaDe(const rt::Variant& fila) {
    Textos textos;
    if (!fila.isArray() || rt::LBound(fila) != 0) {
        ADD_FAILURE() << "not an array from 0";
        return textos;
    }
    EXPECT_TRUE(fila(rt::UBound(fila)).isEmpty()) << "spare element";
    for (int32_t i = 0; i < rt::UBound(fila); ++i)
        textos.push_back(Texto(fila(i), "element " + std::to_string(i)));
    return textos;
}

// A call expected to fail on a dropped table, and how its description begins:
// the member's location, or the engine's message for members without one.
struct Fallo {
    std::string prefijo;
    std::function<void()> llamada;
};

// A user database of its own for every test.
class BaseDePrueba : public ::testing::Test {
protected:
    void SetUp() override {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        carpeta_ = CarpetaTemporal(std::string(info->test_suite_name()) + "-" + info->name());
        mod_ = CrearBaseUsuarioPrueba(carpeta_);
    }
    void TearDown() override { std::filesystem::remove_all(carpeta_); }

    template <class I>
    std::shared_ptr<I> Crear(const std::string& clase) {
        auto o = rt::CreateObjectAs<I>("Quelvodat." + clase);
        o->mdbmod(mod_);
        o->mdblec(RutaBaseReferencia());
        return o;
    }
    void Sql(const std::string& sql) { EjecutarSql(mod_, sql); }
    std::string Valor(const std::string& sql) { return prueba::Valor(mod_, sql); }
    Textos Columna(const std::string& sql) { return prueba::Columna(mod_, sql); }
    int64_t Cuenta(const std::string& tabla) {
        return std::stoll(Valor("SELECT count(*) FROM " + tabla));
    }
    // The call is over with the database: the library keeps its handle open
    // but holds no transaction, so another connection can write at once.
    bool Cerrada() const { return SinTransaccionAbierta(mod_); }

    void Fallan(const std::vector<Fallo>& fallos) {
        for (const auto& f : fallos) {
            auto e = ErrorDe(f.llamada);
            EXPECT_EQ(e.Number, 3001) << f.prefijo;
            EXPECT_EQ(e.Description.rfind(f.prefijo, 0), 0u) << e.Description;
            EXPECT_NE(e.Description.find("no such table"), std::string::npos) << e.Description;
            EXPECT_TRUE(Cerrada()) << f.prefijo;
        }
    }

    std::filesystem::path carpeta_;
    std::string mod_;
};

}  // namespace prueba
