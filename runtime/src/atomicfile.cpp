#include "atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <streambuf>
#include <system_error>
#include <utility>

namespace rt::detail {

namespace {

const char* const kSource = "Quelvo";

std::string RandomSuffix() {
    thread_local std::mt19937_64 engine{(uint64_t{std::random_device{}()} << 32) ^
                                        std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(engine()));
    return text;
}

// Makes the rename itself durable; a failure here cannot undo it, so it is
// not reported.
void SyncFolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

Error FileAccessError(std::string_view action, std::string_view path, int errnum) {
    std::string text = RuntimeDescription(err::PathFileAccess) + ": " + std::string(action) + " " +
                       std::string(path);
    if (errnum != 0) text += " (" + std::generic_category().message(errnum) + ")";
    return Error(err::PathFileAccess, kSource, text);
}

// Unformatted output straight to a file descriptor, keeping the reason of a
// failed write for the error text.
class FdStreamBuf : public std::streambuf {
public:
    explicit FdStreamBuf(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }
    int error() const { return error_; }

protected:
    int_type overflow(int_type ch) override {
        if (Drain() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    int sync() override { return Drain(); }

private:
    int Drain() {
        const char* p = pbase();
        while (p < pptr()) {
            const ssize_t n = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
            if (n < 0) {
                if (errno == EINTR) continue;
                error_ = errno;
                return -1;
            }
            p += n;
        }
        setp(buffer_, buffer_ + sizeof buffer_);
        return 0;
    }

    int fd_;
    int error_ = 0;
    char buffer_[64 * 1024];
};

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)), out_(nullptr) {
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temp_ = target_ + ".tmp" + RandomSuffix();
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt == 99))
            throw FileAccessError("cannot write", target_, errno);
    }
    // A replaced file keeps its permissions: a private file must not become
    // readable by others on being rewritten.
    struct stat old;
    if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd_, old.st_mode & 07777);
    buf_ = std::make_unique<FdStreamBuf>(fd_);
    out_.rdbuf(buf_.get());
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temp_.c_str());
}

std::ostream& AtomicFile::Stream() {
    RequireOpen();
    return out_;
}

void AtomicFile::Write(std::string_view bytes) {
    RequireOpen();
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out_) {
        broken_ = true;
        throw FileAccessError("cannot write", target_, buf_->error());
    }
}

void AtomicFile::Commit() {
    RequireOpen();
    if (broken_) throw FileAccessError("not replaced after a failed write:", target_, 0);
    out_.flush();
    if (!out_) {
        broken_ = true;
        throw FileAccessError("cannot write", target_, buf_->error());
    }
    // EINVAL: the file system has nothing to sync.
    if (::fsync(fd_) != 0 && errno != EINVAL) throw FileAccessError("cannot write", target_, errno);
    if (::close(std::exchange(fd_, -1)) != 0) throw FileAccessError("cannot write", target_, errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        throw FileAccessError("cannot replace", target_, errno);
    committed_ = true;
    SyncFolderOf(target_);
}

void AtomicFile::RequireOpen() const {
    if (fd_ < 0) throw Error(err::BadFileMode, kSource, "The file " + target_ + " is already closed");
}

}  // namespace rt::detail
