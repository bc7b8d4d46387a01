#include "store/file_bytes.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "store/file_paths.h"

std::string FileProblemText(int error, const std::string& path) {
    switch (error) {
        case NotARegularFile:
            return "Not a regular file but a pipe, device or socket";
        case BackupNotARegularFile:
            return "The backup " + ChangeFileExt(path, ".BAK") +
                   " is a folder or something else that is not a regular file, so no backup "
                   "can be made";
        default:
            return std::strerror(error);
    }
}

int ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
    return ReadFileBytesAt(AT_FDCWD, path, bytes);
}

int ReadFileBytesAt(int folder, const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    // Non-blocking, so that opening a pipe cannot wait for a writer.
    const int fd = openat(folder, path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return errno;
    struct stat info {};
    int error = 0;
    if (fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        error = NotARegularFile;
    } else if (static_cast<uint64_t>(info.st_size) > MaxReturnFileBytes) {
        error = EFBIG;
    } else {
        bytes.reserve(static_cast<size_t>(info.st_size));
        uint8_t buffer[1 << 16];
        for (;;) {
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) error = errno;
            if (got <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + got);
            // A file that grows while it is read is held to the same limit.
            if (bytes.size() > MaxReturnFileBytes) {
                error = EFBIG;
                break;
            }
        }
    }
    close(fd);
    if (error != 0) bytes.clear();
    return error;
}

std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    // The kernel's own limit on a chain of links; a loop ends here too.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(current.c_str(), target.data(), target.size());
        if (length <= 0) return current;
        target.resize(static_cast<size_t>(length));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0) return a == b;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string ChangeFileExt(const std::string& name, const std::string& extension) {
    const size_t slash = name.rfind('/');
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return name + extension;
    return name.substr(0, dot) + extension;
}
