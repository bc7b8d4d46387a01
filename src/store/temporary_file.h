#pragma once
// Temporary files beside a file that is about to be replaced. Each is created exclusively
// (a name planted in advance, a link included, is never opened) under a fresh name made of
// the file's name, "." and six letters or digits, and is private to its owner. The folder
// is held open, so that what a save made is found and removed even when the folder is
// moved meanwhile.

#include <string>

class HeldFolder {
public:
    explicit HeldFolder(const std::string& path);
    ~HeldFolder();
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;
    // The open folder, or -1 (then Error() says why).
    int Fd() const { return fd_; }
    int Error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

// Removed when it goes, unless renamed over its final name.
class TemporaryFile {
public:
    explicit TemporaryFile(const HeldFolder& folder) : folder_(folder.Fd()) {}
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Creates it for the file `filePart` of the folder; the open descriptor, or -1 with
    // errno set.
    int Create(const std::string& filePart);
    // Makes it a second name (a hard link) of `existing`, a file of the folder, named for
    // `filePart`; 0 or the error code (then nothing was created).
    int LinkTo(const std::string& existing, const std::string& filePart);
    // Renames it over `filePart` of the folder in one step; 0 or the error code.
    int RenameOver(const std::string& filePart);
    const std::string& Name() const { return name_; }
    int Folder() const { return folder_; }

private:
    int folder_;
    std::string name_;
};

// The temporary names of `filePart`: "." and six letters or digits after it.
bool IsTemporaryName(const std::string& entry, const std::string& filePart);
