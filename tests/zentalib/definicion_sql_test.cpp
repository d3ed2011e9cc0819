// Definitions compare equal exactly when they make the same table or index.
#include "definicion_sql.h"

#include <gtest/gtest.h>

namespace {

using zentalib::DefinicionNormalizada;

TEST(DefinicionNormalizada, SameMeaningSameTextOtherMeaningOtherText) {
    const struct {
        const char *a, *b;
        bool iguales;
    } casos[] = {
        // What the engine keeps after a rename, a hand-written layout, comments.
        {"CREATE TABLE t (\n    a  INTEGER, -- key\n    b TEXT DEFAULT ''\n)",
         "create table \"T\"(A integer,/* the name */b text default '')", true},
        {"CREATE INDEX i ON t (a)", "CREATE INDEX [I] ON `t`(a)", true},
        {"CREATE TABLE t (a VARCHAR(10))", "CREATE TABLE t (a VARCHAR ( 10 ))", true},
        {"CREATE TABLE t (a TEXT DEFAULT '')", "CREATE TABLE t (a TEXT DEFAULT 'x')", false},
        {"CREATE TABLE t (a TEXT DEFAULT 'x')", "CREATE TABLE t (a TEXT DEFAULT 'X')", false},
        {"CREATE TABLE t (a TEXT)", "CREATE TABLE t (a TEXT NOT NULL)", false},
        {"CREATE TABLE t (a TEXT)", "CREATE TABLE t (a TEXT CHECK (a <> ''))", false},
        {"CREATE INDEX i ON t (a)", "CREATE UNIQUE INDEX i ON t (a)", false},
        {"CREATE INDEX i ON t (a)", "CREATE INDEX i ON t (a) WHERE a > 0", false},
        {"CREATE INDEX i ON t (a, b)", "CREATE INDEX i ON t (a, b COLLATE NOCASE)", false},
        // A quoted name with a blank is one name, not two words.
        {"CREATE TABLE t (\"a b\" TEXT)", "CREATE TABLE t (a b TEXT)", false},
        {"CREATE TABLE t (a TEXT)", "CREATE TABLE t (a TEXT) WITHOUT ROWID", false},
        {"CREATE TABLE t (a INTEGER PRIMARY KEY)", "CREATE TABLE t (a INTEGER PRIMARY KEY AUTOINCREMENT)", false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DefinicionNormalizada(c.a) == DefinicionNormalizada(c.b), c.iguales)
            << c.a << "\n" << c.b << "\n" << DefinicionNormalizada(c.a) << "\n" << DefinicionNormalizada(c.b);
}

}  // namespace
