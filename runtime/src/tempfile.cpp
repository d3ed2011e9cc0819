#include "quelvort/tempfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

namespace rt {

namespace {

namespace fs = std::filesystem;

constexpr const char kInfix[] = ".tmp";
constexpr std::size_t kHexDigits = 16;
// What SQLite keeps beside a database file it writes.
constexpr const char* kCompanions[] = {"-journal", "-wal", "-shm"};

std::string RandomSuffix() {
    thread_local std::mt19937_64 engine{(uint64_t{std::random_device{}()} << 32) ^
                                        std::random_device{}()};
    char text[kHexDigits + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(engine()));
    return text;
}

void RemoveWithCompanions(const std::string& path) {
    ::unlink(path.c_str());
    for (const char* companion : kCompanions) ::unlink((path + companion).c_str());
}

// Makes a rename durable; a failure here cannot undo it, so it is not
// reported.
void SyncFolderOf(const std::string& path) {
    std::string folder = fs::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool SameFile(int fd, const std::string& path) {
    struct stat open, named;
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool IsHex(std::string_view text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

}  // namespace

TempBeside::TempBeside(const std::string& target) : target_(target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = target + kInfix + RandomSuffix();
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            errno_ = errno;
            if (errno_ == EEXIST) continue;
            return;
        }
        // A cleaner that found the file before it was locked may have removed
        // it: then take another name.
        if (::flock(fd, LOCK_EX) != 0 || !SameFile(fd, path)) {
            ::close(fd);
            errno_ = EEXIST;
            continue;
        }
        // A replaced file keeps its permissions: a private file must not
        // become readable by others on being rewritten.
        struct stat old;
        if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
            ::fchmod(fd, old.st_mode & 07777);
        fd_ = fd;
        path_ = std::move(path);
        errno_ = 0;
        return;
    }
}

TempBeside::~TempBeside() {
    if (fd_ < 0) return;
    if (!renamed_) RemoveWithCompanions(path_);
    ::close(fd_);
}

int TempBeside::RenameOverTarget() {
    if (fd_ < 0) return EBADF;
    if (::rename(path_.c_str(), target_.c_str()) != 0) return errno;
    Renamed(target_);
    return 0;
}

int TempBeside::RenameToNewName(const std::string& path) {
    if (fd_ < 0) return EBADF;
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0) {
        const int error = errno;
        // A file system that cannot rename without replacing can still make a
        // link, which never replaces either.
        if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP) return error;
        if (::link(path_.c_str(), path.c_str()) != 0) return errno;
        ::unlink(path_.c_str());
    }
    Renamed(path);
    return 0;
}

void TempBeside::Renamed(const std::string& name) {
    renamed_ = true;
    // Companions still named after the temporary file belong to no database
    // any more (a reader of it leaves an empty WAL behind).
    for (const char* companion : kCompanions) ::unlink((path_ + companion).c_str());
    SyncFolderOf(name);
}

void RemoveStaleTemps(const std::string& target) {
    const fs::path whole(target);
    const std::string prefix = whole.filename().string() + kInfix;
    fs::path folder = whole.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec))
        names.push_back(entry->path().filename().string());
    for (const auto& name : names) {
        if (name.size() < prefix.size() + kHexDigits || name.compare(0, prefix.size(), prefix) != 0 ||
            !IsHex(std::string_view(name).substr(prefix.size(), kHexDigits)))
            continue;
        const std::string temp = (folder / name.substr(0, prefix.size() + kHexDigits)).string();
        const std::string rest = name.substr(prefix.size() + kHexDigits);
        if (!rest.empty()) {
            // A companion whose temporary file is gone belongs to nobody.
            bool companion = false;
            for (const char* c : kCompanions) companion = companion || rest == c;
            if (companion && !fs::exists(temp, ec)) ::unlink((folder / name).c_str());
            continue;
        }
        const int fd = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        // Held by a live writer: not ours to remove.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && SameFile(fd, temp)) RemoveWithCompanions(temp);
        ::close(fd);
    }
}

}  // namespace rt
