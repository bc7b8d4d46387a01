#include "store/temporary_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace {

constexpr size_t SuffixLetters = 6;
constexpr int MostTries = 100;

std::string FreshName(const std::string& filePart) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 engine{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof letters - 2);
    std::string name = filePart + ".";
    for (size_t i = 0; i < SuffixLetters; ++i) name += letters[pick(engine)];
    return name;
}

bool IsLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

HeldFolder::HeldFolder(const std::string& path) {
    fd_ = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) error_ = errno;
}

HeldFolder::~HeldFolder() {
    if (fd_ >= 0) close(fd_);
}

TemporaryFile::~TemporaryFile() {
    if (!name_.empty()) unlinkat(folder_, name_.c_str(), 0);
}

int TemporaryFile::Create(const std::string& filePart) {
    for (int attempt = 0; attempt < MostTries; ++attempt) {
        const std::string name = FreshName(filePart);
        const int fd = openat(folder_, name.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            name_ = name;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

int TemporaryFile::LinkTo(const std::string& existing, const std::string& filePart) {
    for (int attempt = 0; attempt < MostTries; ++attempt) {
        const std::string name = FreshName(filePart);
        if (linkat(folder_, existing.c_str(), folder_, name.c_str(), 0) == 0) {
            name_ = name;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int TemporaryFile::RenameOver(const std::string& filePart) {
    if (renameat(folder_, name_.c_str(), folder_, filePart.c_str()) != 0) return errno;
    name_.clear();
    return 0;
}

bool IsTemporaryName(const std::string& entry, const std::string& filePart) {
    if (entry.size() != filePart.size() + 1 + SuffixLetters ||
        entry.compare(0, filePart.size(), filePart) != 0 || entry[filePart.size()] != '.')
        return false;
    for (size_t i = filePart.size() + 1; i < entry.size(); ++i)
        if (!IsLetterOrDigit(entry[i])) return false;
    return true;
}
