#pragma once
// Text files exchanged with the authority: Windows-1252 on disk, UTF-8 in the
// program. Writers put a file in place only when it was written whole.
#include <cstddef>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// Reads lines ended by CR LF, LF or a lone CR. A Ctrl-Z as the very last byte
// is an old end-of-file mark and is dropped. Raises 53 when the file is
// missing, 75 when it cannot be read.
class TextFileReader {
public:
    explicit TextFileReader(const std::string& path);
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // The next line in UTF-8 without its end; false when no line is left.
    bool ReadLine(std::string& line);

private:
    // The next byte without taking it; -1 at the end of the file.
    int Peek();

    std::string path_;
    std::ifstream in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

std::vector<std::string> ReadAllLines(const std::string& path);

namespace detail {
class AtomicFile;
}

// How a written text file stores its characters: Windows-1252 for every file
// exchanged with the authority or another program, UTF-8 for the logs people
// read on this desktop.
enum class TextEncoding { Cp1252, Utf8 };

// Writes lines ended by CR LF (Windows-1252 unless told otherwise) into a
// temporary file beside the target; Commit puts it in place of the target. Destroyed without Commit, it
// removes the temporary file and the target stays as it was. After any failed
// write (including a character Windows-1252 cannot hold) Commit refuses, so a
// file with a missing part never replaces the old one.
class TextFileWriter {
public:
    explicit TextFileWriter(const std::string& path, TextEncoding encoding = TextEncoding::Cp1252);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    void WriteLine(std::string_view utf8);
    void Write(std::string_view utf8);
    void Commit();

private:
    std::unique_ptr<detail::AtomicFile> file_;
    TextEncoding encoding_;
};

// Replaces target with the bytes writeBytes writes, only when it returns
// normally and every byte reached the disk. Raises 75 on failure.
void ReplaceFileAtomically(const std::string& target,
                           const std::function<void(std::ostream&)>& writeBytes);

void WriteAllLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace rt
