#pragma once
// Temporary files written beside the file they will replace, under the name
// target + ".tmp" + 16 hex digits. Each one is locked while its writer lives,
// so the leftovers of a killed run can be told apart from a live write and
// removed.
#include <string>

namespace rt {

// A database engine may open the file by its path meanwhile; its connections
// must be closed before the object goes, because closing a descriptor drops
// every record lock the process holds on the file.
class TempBeside {
public:
    // Creates and locks a new, empty temporary file beside target. Answers
    // with Created() false and Errno() set when it cannot.
    explicit TempBeside(const std::string& target);
    // Removes the file (and any companion a database engine left beside it)
    // unless it was renamed over its target.
    ~TempBeside();
    TempBeside(const TempBeside&) = delete;
    TempBeside& operator=(const TempBeside&) = delete;

    bool Created() const { return fd_ >= 0; }
    int Errno() const { return errno_; }
    const std::string& Path() const { return path_; }
    // Open for writing while the object lives.
    int Fd() const { return fd_; }
    // Renames the file over its target and syncs the folder; answers the
    // system's error number, 0 on success. Whoever wrote the file through a
    // database engine has closed it by now.
    int RenameOverTarget();
    // Gives the file the name `path` (in the same folder) only when nothing
    // has that name yet: answers EEXIST, with everything left as it was, when
    // something has; the system's error number, or 0 on success.
    int RenameToNewName(const std::string& path);

private:
    // What follows a rename: the companions go and the folder is synced.
    void Renamed(const std::string& name);

    std::string target_;
    std::string path_;
    int fd_ = -1;
    int errno_ = 0;
    bool renamed_ = false;
};

// Removes the temporary files of the naming above beside target that no live
// writer holds, with their companions.
void RemoveStaleTemps(const std::string& target);

}  // namespace rt
