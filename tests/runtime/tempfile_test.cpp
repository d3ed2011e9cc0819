// Temporary files beside their target, and the removal of those a killed run
// left behind.
#include "quelvort/tempfile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

class TempFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("quelvort-temp-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        target_ = (dir_ / "794Mod.mdb").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Touch(const std::string& name) { std::ofstream(dir_ / name) << "x"; }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.insert(e.path().filename().string());
        return names;
    }

    fs::path dir_;
    std::string target_;
};

TEST_F(TempFiles, StaleTempsOfOurNamingGoLiveOnesAndOthersStay) {
    Touch("794Mod.mdb");
    const char* stale[] = {"794Mod.mdb.tmp0123456789abcdef", "794Mod.mdb.tmp0123456789abcdef-journal",
                           "794Mod.mdb.tmp0123456789abcdef-wal", "794Mod.mdb.tmpaaaaaaaaaaaaaaaa-shm"};
    const char* others[] = {"794Mod.mdb.tmp0123456789ABCDEF", "794Mod.mdb.tmp0123", "794Lec.mdb.tmp0123456789abcdef",
                            "794Mod.mdb.tmp0123456789abcdef.txt", "x794Mod.mdb.tmp0123456789abcdef"};
    for (const char* n : stale) Touch(n);
    for (const char* n : others) Touch(n);
    const rt::TempBeside live(target_);
    ASSERT_TRUE(live.Created());
    std::ofstream(live.Path() + "-journal") << "x";

    rt::RemoveStaleTemps(target_);

    std::set<std::string> expected(std::begin(others), std::end(others));
    expected.insert("794Mod.mdb");
    expected.insert(fs::path(live.Path()).filename().string());
    expected.insert(fs::path(live.Path()).filename().string() + "-journal");
    EXPECT_EQ(Names(), expected);
}

TEST_F(TempFiles, ATempIsRemovedUnlessRenamedOverItsTarget) {
    Touch("794Mod.mdb");
    std::string path;
    {
        rt::TempBeside temp(target_);
        ASSERT_TRUE(temp.Created());
        path = temp.Path();
        EXPECT_EQ(path.rfind(target_ + ".tmp", 0), 0u);
        EXPECT_EQ(path.size(), target_.size() + 4 + 16);
    }
    EXPECT_FALSE(fs::exists(path));
    {
        rt::TempBeside temp(target_);
        ASSERT_EQ(::write(temp.Fd(), "new", 3), 3);
        EXPECT_EQ(temp.RenameOverTarget(), 0);
    }
    std::ifstream in(target_);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "new");
    EXPECT_EQ(Names(), std::set<std::string>{"794Mod.mdb"});
}

// A new file that must not take the place of one already there: a name in
// use, even by a folder or a link to nowhere, is refused and left as it was,
// and the temporary file stays for another name.
TEST_F(TempFiles, ANewNameIsTakenOnlyWhenNothingHasIt) {
    Touch("794_Borrador.pdf");
    fs::create_directory(dir_ / "carpeta.pdf");
    fs::create_symlink(dir_ / "nada", dir_ / "enlace.pdf");
    rt::TempBeside temp((dir_ / "794_Borrador.pdf").string());
    ASSERT_TRUE(temp.Created());
    ASSERT_EQ(::write(temp.Fd(), "new", 3), 3);
    for (const char* ocupado : {"794_Borrador.pdf", "carpeta.pdf", "enlace.pdf"})
        EXPECT_EQ(temp.RenameToNewName((dir_ / ocupado).string()), EEXIST) << ocupado;
    std::string old;
    std::ifstream(dir_ / "794_Borrador.pdf") >> old;
    EXPECT_EQ(old, "x");
    EXPECT_TRUE(fs::is_directory(dir_ / "carpeta.pdf"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "enlace.pdf"));
    ASSERT_TRUE(fs::exists(temp.Path()));

    EXPECT_EQ(temp.RenameToNewName((dir_ / "794_Borrador (2).pdf").string()), 0);
    std::string content;
    std::ifstream(dir_ / "794_Borrador (2).pdf") >> content;
    EXPECT_EQ(content, "new");
    EXPECT_EQ(Names(), (std::set<std::string>{"794_Borrador.pdf", "794_Borrador (2).pdf", "carpeta.pdf",
                                              "enlace.pdf"}));
}

}  // namespace
