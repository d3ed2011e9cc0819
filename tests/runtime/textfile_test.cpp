#include "quelvort/textfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <stdexcept>

#include "quelvort/error.h"

namespace fs = std::filesystem;

namespace {

// The error f raises; number 0 when it raises none.
rt::Error Raised(const std::function<void()>& f) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e;
    }
    return rt::Error(0, "", "");
}

class TextFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quelvo_textfile_" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
        return names;
    }

    fs::path dir_;
};

struct ReadCase {
    std::string bytes;
    std::vector<std::string> lines;
};

TEST_F(TextFile, ReadsEveryLineEnd) {
    const ReadCase cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb\n\rc", {"a", "", "b", "", "c"}},
        {"\r\r\n\n", {"", "", ""}},
        {"\x1A", {}},
        {"a\r\n\x1A", {"a"}},
        {"a\x1A", {"a"}},
        {"a\x1A" "b\x1A\x1A", {"a\x1A" "b\x1A"}},  // only the last byte is the end mark
        {"\x80\xD1\xB4\r\n", {"€Ñ´"}},
    };
    for (const auto& c : cases) {
        Put(Path("in.txt"), c.bytes);
        EXPECT_EQ(rt::ReadAllLines(Path("in.txt")), c.lines) << testing::PrintToString(c.bytes);
    }
}

TEST_F(TextFile, LineEndSplitAcrossReads) {
    // CR as the last byte of one read, LF as the first of the next.
    const std::string longLine(64 * 1024 - 1, 'x');
    Put(Path("in.txt"), longLine + "\r\ny");
    EXPECT_EQ(rt::ReadAllLines(Path("in.txt")), (std::vector<std::string>{longLine, "y"}));
}

TEST_F(TextFile, MissingFileRaises53WithPath) {
    const auto e = Raised([&] { rt::TextFileReader reader(Path("none.txt")); });
    EXPECT_EQ(e.Number, rt::err::FileNotFound);
    EXPECT_NE(e.Description.find(Path("none.txt")), std::string::npos);
}

TEST_F(TextFile, WriterProducesWindows1252WithCrLf) {
    const std::string target = Path("out.txt");
    Put(target, "old\r\n");
    {
        rt::TextFileWriter writer(target);
        writer.WriteLine("Ñ€");
        writer.Write("a");
        writer.WriteLine("´Ÿ");
        writer.WriteLine("");
        EXPECT_EQ(Get(target), "old\r\n");  // untouched until Commit
        writer.Commit();
    }
    EXPECT_EQ(Get(target), "\xD1\x80\r\na\xB4\x9F\r\n\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"out.txt"});
}

// Logs for people on this desktop keep every character, as UTF-8.
TEST_F(TextFile, Utf8WriterKeepsEveryCharacterWithCrLf) {
    const std::string target = Path("log.txt");
    rt::TextFileWriter writer(target, rt::TextEncoding::Utf8);
    writer.WriteLine("Ñ€Ω😀");
    writer.WriteLine("");
    writer.Commit();
    EXPECT_EQ(Get(target), "\xC3\x91\xE2\x82\xAC\xCE\xA9\xF0\x9F\x98\x80\r\n\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"log.txt"});
}

TEST_F(TextFile, FailureMidwayKeepsOldFile) {
    const std::string target = Path("out.txt");
    const std::string old = "old \xD1\r\n";
    Put(target, old);
    try {
        rt::TextFileWriter writer(target);
        writer.WriteLine("new");
        throw std::runtime_error("stopped");
    } catch (const std::runtime_error&) {
    }
    EXPECT_THROW(rt::ReplaceFileAtomically(target,
                                           [](std::ostream& out) {
                                               out << "new";
                                               throw std::runtime_error("stopped");
                                           }),
                 std::runtime_error);
    EXPECT_EQ(Get(target), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"out.txt"});
}

TEST_F(TextFile, UnencodableCharacterReplacesNothing) {
    const std::string target = Path("out.txt");
    Put(target, "old\r\n");
    {
        rt::TextFileWriter writer(target);
        writer.WriteLine("first");
        EXPECT_EQ(Raised([&] { writer.WriteLine("中"); }).Number, rt::err::InvalidArgument);
        // Even when the caller goes on, the incomplete file must not land.
        writer.WriteLine("last");
        EXPECT_THROW(writer.Commit(), rt::Error);
    }
    EXPECT_EQ(Get(target), "old\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"out.txt"});
}

TEST_F(TextFile, UnwritableTargetRaises75WithPath) {
    const std::string target = Path("missing/out.txt");
    const auto e = Raised([&] { rt::WriteAllLines(target, {"a"}); });
    EXPECT_EQ(e.Number, rt::err::PathFileAccess);
    EXPECT_NE(e.Description.find(target), std::string::npos);
    // A folder in the way makes the rename fail.
    fs::create_directory(Path("folder"));
    EXPECT_EQ(Raised([&] {
                  rt::ReplaceFileAtomically(Path("folder"), [](std::ostream& out) { out << "x"; });
              }).Number,
              rt::err::PathFileAccess);
    EXPECT_EQ(Entries(), std::vector<std::string>{"folder"});
}

TEST_F(TextFile, WrittenLinesReadBack) {
    const std::vector<std::string> lines = {"Ibáñez, Œuvre", "", "Precio 12,50 €", "D´Ors"};
    rt::WriteAllLines(Path("x.txt"), lines);
    EXPECT_EQ(rt::ReadAllLines(Path("x.txt")), lines);
}

TEST_F(TextFile, ReplacedFileKeepsPermissions) {
    const std::string target = Path("private.txt");
    Put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    rt::ReplaceFileAtomically(target, [](std::ostream& out) { out << "new"; });
    EXPECT_EQ(Get(target), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
