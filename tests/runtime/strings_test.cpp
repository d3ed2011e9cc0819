#include "quelvort/strings.h"

#include <gtest/gtest.h>

#include <functional>

#include "quelvort/error.h"

namespace {

int32_t ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e.Number;
    }
    return 0;
}

// Three characters of two bytes each in UTF-8, then "ab".
const std::string kMixed = "Ñ€´ab";

TEST(Strings, LenCountsCharacters) {
    EXPECT_EQ(rt::Len(""), 0);
    EXPECT_EQ(rt::Len("abc"), 3);
    EXPECT_EQ(rt::Len("Ñ"), 1);
    EXPECT_EQ(rt::Len("€"), 1);
    EXPECT_EQ(rt::Len(kMixed), 5);
    EXPECT_EQ(rt::Len("\xFF" "a"), 2);  // a stray byte is one character
}

struct CutCase {
    std::string got;
    std::string expected;
};

TEST(Strings, CuttingCountsCharacters) {
    const CutCase cases[] = {
        {rt::Left(kMixed, 0), ""},
        {rt::Left(kMixed, 2), "Ñ€"},
        {rt::Left(kMixed, 9), kMixed},
        {rt::Right(kMixed, 2), "ab"},
        {rt::Right(kMixed, 4), "€´ab"},
        {rt::Right(kMixed, 9), kMixed},
        {rt::Mid(kMixed, 2), "€´ab"},
        {rt::Mid(kMixed, 3, 1), "´"},
        {rt::Mid(kMixed, 1, 0), ""},
        {rt::Mid(kMixed, 5, 9), "b"},
        {rt::Mid(kMixed, 6), ""},
        {rt::Mid(kMixed, 60, 2), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(Strings, InvalidArgumentsRaise5) {
    const std::function<void()> calls[] = {
        [] { rt::Left("a", -1); },        [] { rt::Right("a", -1); },
        [] { rt::Mid("a", 0); },          [] { rt::Mid("a", 1, -1); },
        [] { rt::InStr(0, "a", "a"); },   [] { rt::Space(-1); },
        [] { rt::StringOf(-1, "a"); },    [] { rt::StringOf(2, ""); },
    };
    for (const auto& call : calls) EXPECT_EQ(ErrorOf(call), rt::err::InvalidArgument);
}

struct InStrCase {
    int32_t start;
    std::string s;
    std::string find;
    int32_t expected;
};

TEST(Strings, InStrGivesCharacterPositions) {
    const InStrCase cases[] = {
        {1, kMixed, "a", 4},   {1, kMixed, "´", 3},  {3, kMixed, "€", 0},
        {2, "abcabc", "a", 4}, {1, "abc", "x", 0},   {1, "abc", "", 1},
        {4, "abc", "", 4},     {5, "abc", "", 0},    {1, "", "", 0},
        {9, "abc", "c", 0},    {2, "ÑaÑa", "Ña", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::InStr(c.start, c.s, c.find), c.expected) << c.s << " / " << c.find;
    EXPECT_EQ(rt::InStr(kMixed, "b"), 5);
}

TEST(Strings, ReplaceEveryOccurrence) {
    EXPECT_EQ(rt::Replace("año año", "ñ", "nn"), "anno anno");
    EXPECT_EQ(rt::Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(rt::Replace("€x€", "€", ""), "x");
    EXPECT_EQ(rt::Replace("abc", "", "x"), "abc");
    EXPECT_EQ(rt::Replace("D'Ors", "'", "´"), "D´Ors");
}

TEST(Strings, TrimRemovesBlanksOnly) {
    EXPECT_EQ(rt::Trim("  Ñ b  "), "Ñ b");
    EXPECT_EQ(rt::LTrim("  a "), "a ");
    EXPECT_EQ(rt::RTrim(" a  "), " a");
    EXPECT_EQ(rt::Trim("\ta\t"), "\ta\t");
    const std::string texto = "  a b  ";
    EXPECT_EQ(rt::TrimView(texto), "a b");
    EXPECT_EQ(rt::TrimView(texto).data(), texto.data() + 2);
    EXPECT_EQ(rt::TrimView("   "), "");
    EXPECT_EQ(rt::TrimView(""), "");
    EXPECT_EQ(rt::Trim("   "), "");
}

TEST(Strings, CaseCoversWindows1252Letters) {
    const std::string lower = "abz àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ šžœÿ";
    const std::string upper = "ABZ ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ ŠŽŒŸ";
    EXPECT_EQ(rt::UCase(lower), upper);
    EXPECT_EQ(rt::LCase(upper), lower);
    // No case partner in Windows-1252, or not a letter there.
    for (const char* same : {"ß", "µ", "÷", "×", "ω", "Ω", "€1", "\xFF"}) {
        EXPECT_EQ(rt::UCase(same), same);
        EXPECT_EQ(rt::LCase(same), same);
    }
}

TEST(Strings, SpaceAndStringOf) {
    EXPECT_EQ(rt::Space(3), "   ");
    EXPECT_EQ(rt::Space(0), "");
    EXPECT_EQ(rt::StringOf(3, "Ñx"), "ÑÑÑ");
    EXPECT_EQ(rt::StringOf(2, "€"), "€€");
    EXPECT_EQ(rt::StringOf(0, "a"), "");
}

}  // namespace
