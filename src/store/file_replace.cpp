// The save sequence: a new file written and flushed under a temporary name, the backup
// moved on by renames only, then one rename that puts the new return in place.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "store/file_bytes.h"
#include "store/file_faults.h"
#include "store/file_paths.h"

namespace {

// Temporary files of a return are older than this process only when a save of another
// process left them.
timespec StartTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}
const timespec ProcessStart = StartTime();

constexpr const char* TemporarySuffix = ".XXXXXX";

// A temporary file that is removed unless it was handed on by a rename.
class Temporary {
public:
    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (!name_.empty()) unlink(name_.c_str());
    }
    // Creates it beside `path`; the open descriptor, or -1 with errno set.
    int Create(const std::string& path) {
        std::string name = path + TemporarySuffix;
        const int fd = mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0) name_ = name;
        return fd;
    }
    const std::string& Name() const { return name_; }
    void Forget() { name_.clear(); }

private:
    std::string name_;
};

int ErrorOf(int result) { return result == 0 ? 0 : errno; }

int WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return 0;
}

// So that the renames survive a crash; a folder that cannot be synced is no failure.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// The owner and group of the file replaced, where the process may set them: a taxpayer
// who is not the owner still keeps the group when they belong to it.
int CopyOwner(int fd, const struct stat& previous) {
    if (const int fault = InjectedFault(FileStep::CopyOwner)) return fault == EPERM ? 0 : fault;
    if (fchown(fd, previous.st_uid, previous.st_gid) == 0) return 0;
    if (errno != EPERM) return errno;
    if (fchown(fd, static_cast<uid_t>(-1), previous.st_gid) == 0 || errno == EPERM) return 0;
    return errno;
}

int CopyMode(int fd, mode_t mode) {
    if (const int fault = InjectedFault(FileStep::CopyMode)) return fault;
    return ErrorOf(fchmod(fd, mode));
}

// Writes and flushes the file behind `fd`, then closes it; the new return's file can be
// made to fail at each step.
int FillAndClose(int fd, const uint8_t* data, size_t size, bool newReturn = false) {
    int error = newReturn ? InjectedFault(FileStep::WriteTemporary) : 0;
    if (error == 0) error = WriteAll(fd, data, size);
    if (error == 0 && newReturn) error = InjectedFault(FileStep::SyncTemporary);
    if (error == 0) error = ErrorOf(fsync(fd));
    if (close(fd) != 0 && error == 0) error = errno;
    return error;
}

// The new return, flushed, under a temporary name beside it, with the owner and mode of
// the file it replaces.
int WriteNewFile(Temporary& file, const std::string& path, const std::vector<uint8_t>& bytes,
                 const struct stat* previous) {
    if (const int fault = InjectedFault(FileStep::CreateTemporary)) return fault;
    const int fd = file.Create(path);
    if (fd < 0) return errno;
    // A new return is private to its owner; a replaced one keeps its permissions.
    const mode_t mode = previous ? (previous->st_mode & 07777) : S_IRUSR | S_IWUSR;
    int error = previous ? CopyOwner(fd, *previous) : 0;
    if (error == 0) error = CopyMode(fd, mode);
    if (error != 0) {
        close(fd);
        return error;
    }
    return FillAndClose(fd, bytes.data(), bytes.size(), true);
}

// A second name for an existing file, under a temporary name beside `besides`: a hard
// link, or a flushed copy where the file system has none.
int SecondName(const std::string& existing, const std::string& besides, Temporary& second) {
    const int fd = second.Create(besides);
    if (fd < 0) return errno;
    close(fd);
    unlink(second.Name().c_str());
    if (link(existing.c_str(), second.Name().c_str()) == 0) return 0;
    std::vector<uint8_t> bytes;
    if (const int error = ReadFileBytes(existing, bytes)) {
        second.Forget();
        return error;
    }
    const int copy = open(second.Name().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (copy < 0) {
        const int error = errno;
        second.Forget();
        return error;
    }
    return FillAndClose(copy, bytes.data(), bytes.size());
}

bool RegularFile(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsTemporaryOf(const std::string& entry, const std::string& filePart) {
    const size_t tail = std::char_traits<char>::length(TemporarySuffix);
    if (entry.size() != filePart.size() + tail || entry.compare(0, filePart.size(), filePart) != 0)
        return false;
    if (entry[filePart.size()] != '.') return false;
    for (size_t i = filePart.size() + 1; i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

bool OlderThanProcess(const struct stat& info) {
    const timespec& changed = info.st_mtim;
    return changed.tv_sec < ProcessStart.tv_sec ||
           (changed.tv_sec == ProcessStart.tv_sec && changed.tv_nsec < ProcessStart.tv_nsec);
}

}  // namespace

void RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = FolderOf(path), filePart = FilePartOf(path);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryOf(name, filePart)) continue;
        struct stat info {};
        if (fstatat(dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(info.st_mode) && OlderThanProcess(info)) unlinkat(dirfd(dir), name.c_str(), 0);
    }
    closedir(dir);
}

int ReplaceFileSafely(const std::string& path, const std::string& backupPath,
                      const std::vector<uint8_t>& bytes) {
    struct stat previous {};
    const bool exists = stat(path.c_str(), &previous) == 0;
    if (exists && S_ISDIR(previous.st_mode)) return EISDIR;
    if (exists && !S_ISREG(previous.st_mode)) return EINVAL;
    RemoveStaleTemporaries(path);

    Temporary fresh;
    if (const int error = WriteNewFile(fresh, path, bytes, exists ? &previous : nullptr))
        return error;

    // A return named like its own backup gets none: the backup would be the return.
    const bool withBackup = exists && backupPath != path;
    const bool hadBackup = withBackup && RegularFile(backupPath);
    Temporary oldBackup, newBackup;
    if (hadBackup) {
        int error = InjectedFault(FileStep::KeepOldBackup);
        if (error == 0) error = SecondName(backupPath, path, oldBackup);
        if (error != 0) return error;
    }
    if (withBackup) {
        int error = InjectedFault(FileStep::MakeBackup);
        if (error == 0) error = SecondName(path, path, newBackup);
        if (error == 0) error = InjectedFault(FileStep::PlaceBackup);
        if (error == 0) error = ErrorOf(rename(newBackup.Name().c_str(), backupPath.c_str()));
        if (error != 0) return error;
        newBackup.Forget();
    }

    int error = InjectedFault(FileStep::Replace);
    if (error == 0) error = ErrorOf(rename(fresh.Name().c_str(), path.c_str()));
    if (error != 0) {
        // The backup goes back to the generation it held before this save.
        if (hadBackup && rename(oldBackup.Name().c_str(), backupPath.c_str()) == 0)
            oldBackup.Forget();
        else if (withBackup && !hadBackup)
            unlink(backupPath.c_str());
        return error;
    }
    fresh.Forget();
    SyncFolder(FolderOf(path));
    return 0;
}

int ReplacePrivateFile(const std::string& name, const std::string& text) {
    if (name.empty() || name.find('/') != std::string::npos) return EINVAL;
    RemoveStaleTemporaries(name);
    Temporary file;
    const int fd = file.Create(name);  // mkostemp: owner-only from the start
    if (fd < 0) return errno;
    if (const int error =
            FillAndClose(fd, reinterpret_cast<const uint8_t*>(text.data()), text.size()))
        return error;
    // rename replaces whatever the name is, a link included, without following it.
    if (rename(file.Name().c_str(), name.c_str()) != 0) return errno;
    file.Forget();
    return 0;
}
