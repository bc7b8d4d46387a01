#include "store/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

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

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// So that the rename itself survives a crash; a folder that cannot be synced is no failure.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// The enciphered bytes in a flushed temporary file beside the target; 0 or the error.
int WriteTemporary(std::string& temporary, const std::vector<uint8_t>& bytes, mode_t mode) {
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    fchmod(fd, mode);
    int error = WriteAll(fd, bytes.data(), bytes.size());
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error != 0) unlink(temporary.c_str());
    return error;
}

}  // namespace

int ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat info {};
    int error = 0;
    if (fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else {
        bytes.reserve(static_cast<size_t>(info.st_size));
        uint8_t buffer[1 << 16];
        for (;;) {
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) error = errno;
            if (got <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
    }
    close(fd);
    if (error != 0) bytes.clear();
    return error;
}

int ReplaceFileSafely(const std::string& path, const std::string& backupPath,
                      const std::vector<uint8_t>& bytes) {
    struct stat previous {};
    const bool exists = stat(path.c_str(), &previous) == 0;
    if (exists && S_ISDIR(previous.st_mode)) return EISDIR;
    // A new return is private to its owner; a replaced one keeps its permissions.
    const mode_t mode = exists ? (previous.st_mode & 07777) : S_IRUSR | S_IWUSR;

    std::string temporary = path + ".XXXXXX";
    if (const int error = WriteTemporary(temporary, bytes, mode)) return error;

    // The backup: a second name for the previous file, so the data file never goes missing;
    // where the file system has no hard links, the previous file is moved instead.
    bool moved = false;
    unlink(backupPath.c_str());
    if (exists && link(path.c_str(), backupPath.c_str()) != 0)
        moved = rename(path.c_str(), backupPath.c_str()) == 0;

    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        if (moved) rename(backupPath.c_str(), path.c_str());
        unlink(temporary.c_str());
        return error;
    }
    SyncFolder(FolderOf(path));
    return 0;
}

std::string ChangeFileExt(const std::string& name, const std::string& extension) {
    const size_t slash = name.rfind('/');
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return name + extension;
    return name.substr(0, dot) + extension;
}
