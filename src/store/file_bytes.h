#pragma once
// Whole-file reads and crash-safe replacement. Paths are as the operating system takes
// them (UTF-8 on this platform). Results are 0 or the operating-system error code.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Far above the largest return a taxpayer can make; anything bigger is not a return.
constexpr size_t MaxReturnFileBytes = size_t{64} << 20;

// Results besides the operating system's error codes.
constexpr int NotARegularFile = 6020;        // a pipe, device or socket where a file belongs
constexpr int BackupNotARegularFile = 6021;  // the backup's name is taken by a folder or such

// What a result for the file `path` means, for messages: the system's description of its
// own codes.
std::string FileProblemText(int error, const std::string& path);

// Reads a regular file of at most MaxReturnFileBytes. Anything else is refused at once:
// EISDIR for a folder, NotARegularFile for a pipe, device or socket, EFBIG for a larger
// file.
int ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);
// The same for `path` taken in the open folder `folder`.
int ReadFileBytesAt(int folder, const std::string& path, std::vector<uint8_t>& bytes);

// Writes the bytes to a temporary file beside the return and flushes it; the previous
// file, when there is one and `backupPath` is another name, becomes the backup; then the
// temporary file is renamed over the return. At every instant the return's name holds the
// previous file or the new one, and the backup name the generation before it. On failure
// the return and its backup are as they were and no temporary file is left. The new file
// keeps the previous one's owner and group where the process may, and its permissions.
// A file that already holds these bytes is left alone, and so is its backup. The backup
// is named in the return's folder; a folder or device under its name gives
// BackupNotARegularFile before anything is written.
int ReplaceFileSafely(const std::string& path, const std::string& backupPath,
                      const std::vector<uint8_t>& bytes);

// Writes a file that only its owner can read into the current folder, replacing the one
// there (a symbolic link under that name is replaced, never followed). `name` has no '/'.
int ReplacePrivateFile(const std::string& name, const std::string& text);

// Removes temporary files that saves of `path` left behind when they were killed: names
// made of the file name, "." and six letters or digits, older than this process.
void RemoveStaleTemporaries(const std::string& path);

// The file a chain of symbolic links ends at (the path itself when it is no link; a link
// to a missing file gives the missing file's path).
std::string ResolveLinks(const std::string& path);
// The same file on disk (or the same name, when either does not exist).
bool SameFile(const std::string& a, const std::string& b);

// The name with its extension (from the last "." of the file part) replaced; appended
// when there is none.
std::string ChangeFileExt(const std::string& name, const std::string& extension);
