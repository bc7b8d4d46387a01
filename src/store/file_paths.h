#pragma once
// Small path helpers of the file layer.

#include <string>

// The folder part of a path ("." for a bare name, "/" for a file in the root).
std::string FolderOf(const std::string& path);
// The part after the last '/'.
std::string FilePartOf(const std::string& path);
