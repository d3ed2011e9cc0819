#pragma once
// Shared by the tests of declarations, declared entries and the copy: a fresh
// user database per test, the record arrays read back as plain texts, and
// errors caught whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "consulta_db.h"
#include "fixture_db.h"
#include "quelvort/error.h"
#include "quelvort/variant.h"

namespace prueba {

using Filas = std::vector<std::vector<std::string>>;

inline const std::string kAguda = "\xC2\xB4";  // "´"

// A (field, row) list as its rows of texts. Row 0 and the last field must be
// Empty and every other element a text, as the program reads them.
inline Filas FilasDe(const rt::Variant& lista) {
    Filas filas;
    if (!lista.isArray()) {
        ADD_FAILURE() << "not an array";
        return filas;
    }
    EXPECT_EQ(rt::LBound(lista, 1), 0);
    EXPECT_EQ(rt::LBound(lista, 2), 0);
    int32_t campos = rt::UBound(lista, 1);
    for (int32_t j = 0; j <= campos; ++j) EXPECT_TRUE(lista(j, 0).isEmpty()) << "row 0";
    for (int32_t r = 1; r <= rt::UBound(lista, 2); ++r) {
        EXPECT_TRUE(lista(campos, r).isEmpty()) << "spare field of row " << r;
        std::vector<std::string> fila;
        for (int32_t j = 0; j < campos; ++j) {
            EXPECT_TRUE(lista(j, r).isString()) << "field " << j << " row " << r;
            fila.push_back(lista(j, r).isString() ? lista(j, r).str() : "<not text>");
        }
        filas.push_back(fila);
    }
    return filas;
}

// A one-row array as its texts; the last element must be Empty.
inline std::vector<std::string> FilaDe(const rt::Variant& fila) {
    std::vector<std::string> textos;
    if (!fila.isArray()) {
        ADD_FAILURE() << "not an array";
        return textos;
    }
    EXPECT_EQ(rt::LBound(fila), 0);
    int32_t ultimo = rt::UBound(fila);
    EXPECT_TRUE(fila(ultimo).isEmpty()) << "spare element";
    for (int32_t i = 0; i < ultimo; ++i) {
        EXPECT_TRUE(fila(i).isString()) << "element " << i;
        textos.push_back(fila(i).isString() ? fila(i).str() : "<not text>");
    }
    return textos;
}

// The error a call raised; number 0 when it raised none.
inline rt::Error ErrorDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e;
    }
    return rt::Error(0, "", "");
}

// A user database of its own for every test.
class BaseDePrueba : public ::testing::Test {
protected:
    void SetUp() override {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        carpeta_ = CarpetaTemporal(std::string(info->test_suite_name()) + "-" + info->name());
        mod_ = CrearBaseUsuarioPrueba(carpeta_);
    }
    void TearDown() override { std::filesystem::remove_all(carpeta_); }

    void Sql(const std::string& sql) { EjecutarSql(mod_, sql); }
    std::string Valor(const std::string& sql) { return prueba::Valor(mod_, sql); }
    int64_t Cuenta(const std::string& sql) { return std::stoll(prueba::Valor(mod_, sql)); }
    // The library runs the user database in WAL mode; the log goes away only
    // when the last handle on the file is closed.
    bool Cerrada() const { return !std::filesystem::exists(mod_ + "-wal"); }

    std::filesystem::path carpeta_;
    std::string mod_;
};

}  // namespace prueba
