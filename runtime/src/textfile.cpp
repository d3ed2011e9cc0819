#include "quelvort/textfile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "atomicfile.h"
#include "quelvort/cp1252.h"
#include "quelvort/error.h"

namespace rt {

namespace {

constexpr char kCtrlZ = 0x1A;

}  // namespace

TextFileReader::TextFileReader(const std::string& path) : path_(path), buffer_(64 * 1024) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        throw Error(err::FileNotFound, "Quelvo", RuntimeDescription(err::FileNotFound) + ": " + path);
    if (std::filesystem::is_directory(status))
        throw detail::FileAccessError("cannot read", path, EISDIR);
    in_.open(path, std::ios::binary);
    if (!in_) throw detail::FileAccessError("cannot read", path, 0);
}

int TextFileReader::Peek() {
    if (pos_ == end_) {
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        if (in_.bad()) throw detail::FileAccessError("cannot read", path_, 0);
        pos_ = 0;
        end_ = static_cast<std::size_t>(in_.gcount());
        if (end_ == 0) return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool TextFileReader::ReadLine(std::string& line) {
    if (Peek() < 0) return false;
    std::string raw;
    while (Peek() >= 0) {
        // The ordinary bytes up to the next line end or mark, taken at once.
        const char* from = buffer_.data() + pos_;
        std::size_t run = end_ - pos_;
        for (char mark : {'\n', '\r', kCtrlZ})
            if (const void* at = std::memchr(from, mark, run))
                run = static_cast<std::size_t>(static_cast<const char*>(at) - from);
        raw.append(from, run);
        pos_ += run;
        if (pos_ == end_) continue;
        const char c = buffer_[pos_++];
        if (c == '\n') break;
        if (c == '\r') {
            if (Peek() == '\n') ++pos_;
            break;
        }
        if (Peek() < 0) {
            if (raw.empty()) return false;  // only the end-of-file mark was left
            break;
        }
        raw += c;
    }
    line = FromCp1252(raw);
    return true;
}

std::vector<std::string> ReadAllLines(const std::string& path) {
    TextFileReader reader(path);
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line);) lines.push_back(std::move(line));
    return lines;
}

TextFileWriter::TextFileWriter(const std::string& path, TextEncoding encoding)
    : file_(std::make_unique<detail::AtomicFile>(path)), encoding_(encoding) {}

TextFileWriter::~TextFileWriter() = default;

void TextFileWriter::Write(std::string_view utf8) {
    if (encoding_ == TextEncoding::Utf8) return file_->Write(utf8);
    std::string bytes;
    try {
        bytes = ToCp1252(utf8);
    } catch (...) {
        file_->MarkBroken();
        throw;
    }
    file_->Write(bytes);
}

void TextFileWriter::WriteLine(std::string_view utf8) {
    Write(utf8);
    file_->Write("\r\n");
}

void TextFileWriter::Commit() { file_->Commit(); }

void ReplaceFileAtomically(const std::string& target,
                           const std::function<void(std::ostream&)>& writeBytes) {
    detail::AtomicFile file(target);
    writeBytes(file.Stream());
    file.Commit();
}

void WriteAllLines(const std::string& path, const std::vector<std::string>& lines) {
    TextFileWriter writer(path);
    for (const auto& line : lines) writer.WriteLine(line);
    writer.Commit();
}

}  // namespace rt
