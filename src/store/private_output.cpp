#include "store/private_output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/file_bytes.h"
#include "store/file_paths.h"

namespace {

// The same file, or for a name not yet taken the same name in the same folder.
bool SamePlace(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    if (stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return FilePartOf(a) == FilePartOf(b) && SameFile(FolderOf(a), FolderOf(b));
}

}  // namespace

OutputRefusal RefuseOutput(const std::string& out, const std::string& returnPath) {
    if (!returnPath.empty()) {
        const std::string target = ResolveLinks(returnPath);
        if (SamePlace(out, returnPath) || SamePlace(out, target)) return OutputRefusal::IsReturn;
        // Saves keep the backup beside the file the return's name leads to.
        if (SamePlace(out, ChangeFileExt(target, ".BAK")) ||
            SamePlace(out, ChangeFileExt(returnPath, ".BAK")))
            return OutputRefusal::IsBackup;
    }
    struct stat info {};
    if (lstat(out.c_str(), &info) != 0) return OutputRefusal::None;  // a new name
    return S_ISREG(info.st_mode) ? OutputRefusal::None : OutputRefusal::NotAFile;
}

std::string OutputRefusalText(OutputRefusal refusal) {
    switch (refusal) {
        case OutputRefusal::IsReturn:
            return "This is the return itself; choose another name.";
        case OutputRefusal::IsBackup:
            return "This is the return's backup; choose another name.";
        case OutputRefusal::NotAFile:
            return "This is a folder, device, link or other special file, not a regular file; "
                   "choose another name.";
        case OutputRefusal::None:
            break;
    }
    return {};
}

PrivateOutput::PrivateOutput(const std::string& path)
    : filePart_(FilePartOf(path)), folder_(FolderOf(path)), file_(folder_) {
    if (folder_.Error()) {
        error_ = folder_.Error();
        return;
    }
    fd_ = file_.Create(filePart_);  // owner-only from the start
    if (fd_ < 0) error_ = errno;
}

PrivateOutput::~PrivateOutput() {
    if (fd_ >= 0) close(fd_);
}

int PrivateOutput::Finish() {
    if (fd_ < 0) return error_ ? error_ : EBADF;
    int error = fsync(fd_) == 0 ? 0 : errno;
    if (close(fd_) != 0 && error == 0) error = errno;
    fd_ = -1;
    if (error == 0) error = file_.RenameOver(filePart_);
    return error;
}
