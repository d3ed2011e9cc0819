#include "quelvort/cp1252.h"

#include <gtest/gtest.h>

#include "quelvort/error.h"

namespace {

struct CodePoint {
    unsigned char byte;
    std::string utf8;
};

const CodePoint kCodePoints[] = {
    {0x41, "A"},          {0x80, "€"},          {0x81, "\u0081"}, {0x8A, "Š"},
    {0x8E, "Ž"},          {0x92, "’"},          {0x93, "“"},      {0x96, "–"},
    {0x9A, "š"},          {0x9D, "\u009D"},     {0x9E, "ž"},      {0x9F, "Ÿ"},
    {0xA0, "\u00A0"},     {0xB4, "´"},          {0xD1, "Ñ"},      {0xF1, "ñ"},
    {0xFF, "ÿ"},
};

TEST(Cp1252, ExactCodePointsBothWays) {
    for (const auto& c : kCodePoints) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(rt::FromCp1252(byte), c.utf8) << std::hex << int{c.byte};
        EXPECT_EQ(rt::ToCp1252(c.utf8), byte) << std::hex << int{c.byte};
    }
    EXPECT_EQ(rt::ToCp1252("Año 2€ ´"), "A\xF1o 2\x80 \xB4");
}

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = rt::FromCp1252(all);
    EXPECT_TRUE(rt::CanEncodeCp1252(utf8));
    EXPECT_EQ(rt::ToCp1252(utf8), all);
}

struct Refused {
    std::string utf8;
    std::string inDescription;
};

TEST(Cp1252, RefusesWhatItCannotHold) {
    const Refused cases[] = {
        {"ab中", "U+4E2D"},
        {"\u0080", "U+0080"},     // a control character that has no byte
        {"Ő", "U+0150"},
        {"\U0001F600", "U+1F600"},
        {"a\xC3", "not valid UTF-8"},        // truncated
        {"\xC0\xAF", "not valid UTF-8"},     // overlong
        {"\xED\xA0\x80", "not valid UTF-8"}, // surrogate
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(rt::CanEncodeCp1252(c.utf8)) << c.inDescription;
        try {
            rt::ToCp1252(c.utf8);
            ADD_FAILURE() << "no error for " << c.inDescription;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number, rt::err::InvalidArgument);
            EXPECT_NE(e.Description.find(c.inDescription), std::string::npos) << e.Description;
        }
    }
    EXPECT_TRUE(rt::CanEncodeCp1252("Ñ€´Ÿ"));
}

}  // namespace
