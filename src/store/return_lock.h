#pragma once
// An advisory lock on a return for a read-modify-write, so that two writers never lose
// each other's changes. A writer that finds the return locked waits briefly, then gives
// up with ReturnInUse. Locks nest within one process.

#include <cerrno>
#include <chrono>
#include <string>

constexpr int ReturnInUse = EWOULDBLOCK;
constexpr std::chrono::milliseconds ReturnLockPatience{3000};

class ReturnLock {
public:
    explicit ReturnLock(const std::string& path,
                        std::chrono::milliseconds patience = ReturnLockPatience);
    ~ReturnLock();
    ReturnLock(const ReturnLock&) = delete;
    ReturnLock& operator=(const ReturnLock&) = delete;

    // 0 when held (or when there is nothing to lock: the file does not exist yet or
    // cannot be opened, which the read or write itself then reports), else ReturnInUse.
    int Error() const { return error_; }

private:
    int error_ = 0;
    int fd_ = -1;
};
