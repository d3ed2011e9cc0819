#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

#include "comun/numero_de_error.h"
#include "quelvort/error.h"
#include "quelvort/variant.h"

using rt::Variant;
using rt::VArray;
using rt::VarType;
using prueba::NumeroDeError;

TEST(Variant, KindsOfConstructedValues) {
    struct Case {
        Variant value;
        VarType type;
    };
    const Case cases[] = {
        {Variant(), VarType::Empty},
        {Variant::Null(), VarType::Null},
        {Variant(true), VarType::Boolean},
        {Variant(int16_t{5}), VarType::Integer},
        {Variant(5), VarType::Long},
        {Variant(5.5), VarType::Double},
        {Variant("texto"), VarType::String},
        {Variant(VArray(0, 2)), VarType::Array},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value.type(), c.type);
}

TEST(Variant, StrictReadersRefuseOtherKinds) {
    try {
        (void)Variant(5).str();
        FAIL() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, 13);
    }
    EXPECT_THROW((void)Variant("5").lng(), rt::Error);
    EXPECT_THROW((void)Variant().array(), rt::Error);
}

TEST(Variant, TwoDimensionalBoundsAndSubscripts) {
    Variant m(VArray({0, 3}, {0, 2}));
    EXPECT_EQ(rt::LBound(m, 1), 0);
    EXPECT_EQ(rt::UBound(m, 1), 3);
    EXPECT_EQ(rt::UBound(m, 2), 2);
    m(2, 1) = "b";
    m(3, 2) = "z";
    EXPECT_EQ(m(2, 1).str(), "b");
    EXPECT_EQ(m(3, 2).str(), "z");
    EXPECT_TRUE(m(2, 2).isEmpty());
    for (auto [i, j] : {std::pair{4, 0}, std::pair{0, 3}, std::pair{-1, 0}}) {
        try {
            (void)m(i, j);
            FAIL() << i << "," << j;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number, 9);
        }
    }
    EXPECT_THROW((void)m(1), rt::Error);  // one subscript on two dimensions
}

TEST(Variant, ArraysWithOtherLowerBounds) {
    Variant a(VArray(1, 3));
    a(1) = 10;
    a(3) = 30;
    EXPECT_EQ(rt::LBound(a), 1);
    EXPECT_THROW((void)a(0), rt::Error);
    EXPECT_EQ(a(3).lng(), 30);
}

TEST(Variant, CopiesAreIndependent) {
    Variant a(VArray::Of({1, 2}));
    Variant b = a;
    b(0) = "cambiado";
    EXPECT_EQ(a(0).lng(), 1);
    EXPECT_EQ(b(0).str(), "cambiado");
}

TEST(Variant, RedimPreserveKeepsValues) {
    VArray a(0, 1);
    a.at(1) = "x";
    a.RedimPreserve(4);
    EXPECT_EQ(a.UBound(), 4);
    EXPECT_EQ(a.at(1).str(), "x");
    EXPECT_TRUE(a.at(4).isEmpty());
}

TEST(Variant, EqualityNeedsSameKind) {
    EXPECT_EQ(Variant(5), Variant(5));
    EXPECT_NE(Variant(5), Variant(int16_t{5}));
    EXPECT_NE(Variant("5"), Variant(5));
    EXPECT_NE(Variant(), Variant::Null());
    EXPECT_EQ(Variant(VArray::Of({1, "a"})), Variant(VArray::Of({1, "a"})));
}

// Rows made one after another hold what each was given, in its place, the
// fields not given Empty; the bounds count the rows ended, whether or not
// they fitted the room made at first.
TEST(VArrayRows, RowsAsGivenAndTheRestEmpty) {
    for (size_t sitio : {size_t{0}, size_t{1}, size_t{3}, size_t{50}}) {
        SCOPED_TRACE(sitio);
        rt::VArrayRows filas({0, 2}, 0, sitio);
        filas.EndRow();
        filas.Add(std::string_view("a"));
        filas.Add(7);
        filas.EndRow();
        filas.Add("b");
        filas.EndRow();
        filas.Add(std::string("c"));
        filas.Add(Variant::Null());
        filas.Add(2.5);
        filas.EndRow();
        EXPECT_EQ(filas.Rows(), 4);
        const Variant m = std::move(filas).Take();
        EXPECT_EQ(rt::LBound(m, 1), 0);
        EXPECT_EQ(rt::UBound(m, 1), 2);
        EXPECT_EQ(rt::LBound(m, 2), 0);
        EXPECT_EQ(rt::UBound(m, 2), 3);
        VArray esperado({0, 2}, {0, 3});
        esperado.at(0, 1) = "a";
        esperado.at(1, 1) = 7;
        esperado.at(0, 2) = "b";
        esperado.at(0, 3) = "c";
        esperado.at(1, 3) = Variant::Null();
        esperado.at(2, 3) = 2.5;
        EXPECT_EQ(m, Variant(esperado));
    }
}

TEST(VArrayRows, ARowNotEndedIsLeftOut) {
    rt::VArrayRows filas({1, 2}, 1, 4);
    filas.Add("x");
    filas.EndRow();
    filas.Add("y");
    const Variant m = std::move(filas).Take();
    EXPECT_EQ(rt::UBound(m, 2), 1);
    EXPECT_EQ(m(1, 1).str(), "x");
    EXPECT_TRUE(m(2, 1).isEmpty());
    EXPECT_EQ(m.array().size(), 2u);

    const Variant ninguna = rt::VArrayRows({0, 3}, 1, 10).Take();
    EXPECT_EQ(rt::LBound(ninguna, 2), 1);
    EXPECT_EQ(rt::UBound(ninguna, 2), 0);
    EXPECT_EQ(ninguna.array().size(), 0u);
}

TEST(VArrayRows, RefusesAFieldPastTheRowAndARowPastTheLargestNumber) {
    rt::VArrayRows filas({0, 1}, 0, 1);
    filas.Add("a");
    filas.Add("b");
    EXPECT_EQ(NumeroDeError([&] { filas.Add("c"); }), 9);
    filas.EndRow();
    EXPECT_EQ(filas.Rows(), 1);

    rt::VArrayRows ultimas({0, 0}, std::numeric_limits<int32_t>::max(), 1);
    ultimas.EndRow();
    EXPECT_EQ(NumeroDeError([&] { ultimas.EndRow(); }), 6);
    const Variant m = std::move(ultimas).Take();
    EXPECT_EQ(rt::LBound(m, 2), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(rt::UBound(m, 2), std::numeric_limits<int32_t>::max());
}

TEST(Variant, ATextViewIsAString) {
    const std::string texto = "MUÑOZ";
    const Variant v(std::string_view(texto).substr(0, 3));
    ASSERT_TRUE(v.isString());
    EXPECT_EQ(v.str(), "MU\xC3");
}
