#pragma once
// Whole-file reads and crash-safe replacement. Paths are as the operating system takes
// them (UTF-8 on this platform). Results are 0 or the operating-system error code.

#include <cstdint>
#include <string>
#include <vector>

int ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);

// Writes the bytes to a temporary file in the same folder and flushes it to disk; then the
// previous file becomes the backup and the temporary file takes its name. A failure at any
// step leaves the previous file (and the backup, unless that step was reached) as they were.
int ReplaceFileSafely(const std::string& path, const std::string& backupPath,
                      const std::vector<uint8_t>& bytes);

// The name with its extension (from the last "." of the file part) replaced; appended
// when there is none.
std::string ChangeFileExt(const std::string& name, const std::string& extension);
