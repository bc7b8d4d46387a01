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
#include "store/temporary_file.h"

namespace {

// Temporary files of a return are older than this process only when a save of another
// process left them. Read from the coarse clock the kernel stamps files with: the fine clock
// runs a few milliseconds ahead of it, so a file made just after start looked older.
timespec StartTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}
const timespec ProcessStart = StartTime();

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
int WriteNewFile(TemporaryFile& file, const std::string& filePart,
                 const std::vector<uint8_t>& bytes, const struct stat* previous) {
    if (const int fault = InjectedFault(FileStep::CreateTemporary)) return fault;
    const int fd = file.Create(filePart);
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

// A second name for `existing`, a file of the folder, under a temporary name of
// `filePart`: a hard link, or a flushed copy where the file system has none.
int SecondName(const std::string& existing, const std::string& filePart, TemporaryFile& second) {
    int error = InjectedFault(FileStep::LinkSecondName);
    if (error == 0) error = second.LinkTo(existing, filePart);
    if (error == 0) return 0;
    std::vector<uint8_t> bytes;
    if (const int read = ReadFileBytesAt(second.Folder(), existing, bytes)) return read;
    const int copy = second.Create(filePart);
    if (copy < 0) return errno;
    return FillAndClose(copy, bytes.data(), bytes.size());
}

// What is under `filePart` in the folder, the link itself for a link: false when nothing.
bool EntryOf(int folder, const std::string& filePart, struct stat& info) {
    return fstatat(folder, filePart.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool OlderThanProcess(const struct stat& info) {
    const timespec& changed = info.st_mtim;
    return changed.tv_sec < ProcessStart.tv_sec ||
           (changed.tv_sec == ProcessStart.tv_sec && changed.tv_nsec < ProcessStart.tv_nsec);
}

// The file already holds these bytes.
bool Unchanged(int folder, const std::string& filePart, const struct stat& previous,
               const std::vector<uint8_t>& bytes) {
    if (static_cast<uint64_t>(previous.st_size) != bytes.size()) return false;
    std::vector<uint8_t> held;
    return ReadFileBytesAt(folder, filePart, held) == 0 && held == bytes;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = FolderOf(path), filePart = FilePartOf(path);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name, filePart)) continue;
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
    if (exists && !S_ISREG(previous.st_mode)) return NotARegularFile;
    RemoveStaleTemporaries(path);
    // Every step works in the folder as it was found, so that what this save makes is
    // removed from it even when the folder is moved meanwhile.
    const HeldFolder folder(FolderOf(path));
    if (folder.Error()) return folder.Error();
    const std::string filePart = FilePartOf(path), backupPart = FilePartOf(backupPath);
    // Nothing to write: the return and its backup stay as they are.
    if (exists && Unchanged(folder.Fd(), filePart, previous, bytes)) return 0;

    // A return named like its own backup gets none: the backup would be the return.
    const bool withBackup = exists && backupPart != filePart;
    struct stat backup {};
    const bool backupThere = withBackup && EntryOf(folder.Fd(), backupPart, backup);
    // A folder or device under the backup's name could never take the backup.
    if (backupThere && !S_ISREG(backup.st_mode) && !S_ISLNK(backup.st_mode))
        return BackupNotARegularFile;
    const bool hadBackup = backupThere && S_ISREG(backup.st_mode);

    TemporaryFile fresh(folder);
    if (const int error = WriteNewFile(fresh, filePart, bytes, exists ? &previous : nullptr))
        return error;

    TemporaryFile oldBackup(folder), newBackup(folder);
    if (hadBackup) {
        int error = InjectedFault(FileStep::KeepOldBackup);
        if (error == 0) error = SecondName(backupPart, filePart, oldBackup);
        if (error != 0) return error;
    }
    if (withBackup) {
        int error = InjectedFault(FileStep::MakeBackup);
        if (error == 0) error = SecondName(filePart, filePart, newBackup);
        if (error == 0) error = InjectedFault(FileStep::PlaceBackup);
        if (error == 0) error = newBackup.RenameOver(backupPart);
        if (error != 0) return error;
    }

    int error = InjectedFault(FileStep::Replace);
    if (error == 0) error = fresh.RenameOver(filePart);
    if (error != 0) {
        // The backup goes back to the generation it held before this save.
        if (hadBackup)
            oldBackup.RenameOver(backupPart);
        else if (withBackup)
            unlinkat(folder.Fd(), backupPart.c_str(), 0);
        return error;
    }
    fsync(folder.Fd());  // so that the renames survive a crash; no failure when it cannot
    return 0;
}

int ReplacePrivateFile(const std::string& name, const std::string& text) {
    if (name.empty() || name.find('/') != std::string::npos) return EINVAL;
    RemoveStaleTemporaries(name);
    const HeldFolder folder(".");
    if (folder.Error()) return folder.Error();
    TemporaryFile file(folder);
    const int fd = file.Create(name);
    if (fd < 0) return errno;
    if (const int error =
            FillAndClose(fd, reinterpret_cast<const uint8_t*>(text.data()), text.size()))
        return error;
    // A rename replaces whatever the name is, a link included, without following it.
    return file.RenameOver(name);
}
