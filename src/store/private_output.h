#pragma once
// Files written beside a return other than the return itself (PDFs of its reports,
// pictures of its screens). They carry the taxpayer's data, so they are private to their
// owner; they never take the place of the return, its backup or anything that is not a
// regular file; and they are written under an exclusive temporary name, then renamed over
// their name in one step, so a failure leaves any earlier file as it was.

#include <string>

#include "store/temporary_file.h"

enum class OutputRefusal { None, IsReturn, IsBackup, NotAFile };

// Whether `out` may be written while `returnPath` is the open return (empty: none). A new
// name or a regular file may; the return and its backup, by any name or link, and
// folders, devices, pipes, sockets and links may not.
OutputRefusal RefuseOutput(const std::string& out, const std::string& returnPath);
// "This is ..." for a message; empty for None.
std::string OutputRefusalText(OutputRefusal refusal);

class PrivateOutput {
public:
    explicit PrivateOutput(const std::string& path);
    ~PrivateOutput();
    PrivateOutput(const PrivateOutput&) = delete;
    PrivateOutput& operator=(const PrivateOutput&) = delete;

    // The descriptor to write to, or -1 (then Error() says why).
    int Fd() const { return fd_; }
    int Error() const { return error_; }
    // Flushes and closes the file, then renames it over the path; 0 or the error code.
    // Until then, and on failure, the path holds what it held.
    int Finish();

private:
    std::string filePart_;
    HeldFolder folder_;
    TemporaryFile file_;
    int fd_ = -1;
    int error_ = 0;
};
