#include "atomicfile.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <streambuf>
#include <system_error>
#include <utility>

namespace rt::detail {

namespace {

const char* const kSource = "Quelvo";

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

AtomicFile::AtomicFile(std::string target)
    : target_(std::move(target)), temp_(target_), out_(nullptr) {
    if (!temp_.Created()) throw FileAccessError("cannot write", target_, temp_.Errno());
    buf_ = std::make_unique<FdStreamBuf>(temp_.Fd());
    out_.rdbuf(buf_.get());
}

AtomicFile::~AtomicFile() = default;

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
    if (::fsync(temp_.Fd()) != 0 && errno != EINVAL) throw FileAccessError("cannot write", target_, errno);
    open_ = false;
    if (const int error = temp_.RenameOverTarget(); error != 0)
        throw FileAccessError("cannot replace", target_, error);
}

void AtomicFile::RequireOpen() const {
    if (!open_) throw Error(err::BadFileMode, kSource, "The file " + target_ + " is already closed");
}

}  // namespace rt::detail
