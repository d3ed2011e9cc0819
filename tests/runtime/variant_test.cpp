#include <gtest/gtest.h>

#include "quelvort/error.h"
#include "quelvort/variant.h"

using rt::Variant;
using rt::VArray;
using rt::VarType;

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
