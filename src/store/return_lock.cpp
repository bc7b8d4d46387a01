#include "store/return_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <thread>
#include <vector>

namespace {

// flock belongs to an open file, so a second lock of the same return in this process
// would wait for the first: the locks this process holds are counted instead. Process-wide
// by nature, like the locks themselves.
struct HeldLock {
    dev_t device;
    ino_t inode;
    int fd;
    int count;
};

std::vector<HeldLock>& HeldLocks() {
    static std::vector<HeldLock> held;
    return held;
}

// The list is shared by the threads of a batch that recalculates returns side by side.
std::mutex& HeldLocksMutex() {
    static std::mutex mutex;
    return mutex;
}

HeldLock* HeldFor(const struct stat& info) {
    for (HeldLock& lock : HeldLocks())
        if (lock.device == info.st_dev && lock.inode == info.st_ino) return &lock;
    return nullptr;
}

constexpr std::chrono::milliseconds Pause{20};

}  // namespace

ReturnLock::ReturnLock(const std::string& path, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        std::unique_lock guard(HeldLocksMutex());
        struct stat named {};
        if (stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return;
        if (HeldLock* held = HeldFor(named)) {
            ++held->count;
            fd_ = held->fd;
            return;
        }
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) return;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // A save may have put a new file under the name while this one waited.
            struct stat locked {};
            if (fstat(fd, &locked) == 0 && stat(path.c_str(), &named) == 0 &&
                locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
                HeldLocks().push_back({locked.st_dev, locked.st_ino, fd, 1});
                fd_ = fd;
                return;
            }
        }
        close(fd);
        guard.unlock();
        if (std::chrono::steady_clock::now() >= deadline) {
            error_ = ReturnInUse;
            return;
        }
        std::this_thread::sleep_for(Pause);
    }
}

ReturnLock::~ReturnLock() {
    if (fd_ < 0) return;
    const std::lock_guard guard(HeldLocksMutex());
    std::vector<HeldLock>& held = HeldLocks();
    for (auto it = held.begin(); it != held.end(); ++it) {
        if (it->fd != fd_) continue;
        if (--it->count == 0) {
            close(it->fd);  // closing the last descriptor of the open file releases the lock
            held.erase(it);
        }
        return;
    }
}
