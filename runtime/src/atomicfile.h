#pragma once
// A new version of a file, written beside it under a unique temporary name and
// renamed over it only when complete. Used by the text-file writer and by
// ReplaceFileAtomically.
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "quelvort/error.h"
#include "quelvort/tempfile.h"

namespace rt::detail {

// Error 75 naming the action and the path, with the system's reason if any.
Error FileAccessError(std::string_view action, std::string_view path, int errnum);

class FdStreamBuf;

class AtomicFile {
public:
    // Creates the temporary file; raises 75 when it cannot.
    explicit AtomicFile(std::string target);
    // Removes the temporary file unless Commit succeeded.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::ostream& Stream();
    // Raises 75 when the bytes cannot be written.
    void Write(std::string_view bytes);
    // The content will be incomplete: Commit must refuse.
    void MarkBroken() { broken_ = true; }
    // Flushes, syncs to disk, closes and renames over the target.
    void Commit();

private:
    void RequireOpen() const;

    std::string target_;
    TempBeside temp_;
    bool open_ = true;
    std::unique_ptr<FdStreamBuf> buf_;
    std::ostream out_;
    bool broken_ = false;
};

}  // namespace rt::detail
