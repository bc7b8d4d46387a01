#pragma once
// The report scripts and bitmaps compiled into the program at build time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reports/core/canvas.h"

struct EmbeddedBlob {
    const char* name;
    const uint8_t* bytes;
    size_t size;
};

// The compiled script of that name (names compare without regard to case), or nothing.
std::optional<std::vector<uint8_t>> EmbeddedScript(const std::string& name);
std::vector<std::string> EmbeddedScriptNames();
const MonoBitmap* EmbeddedBitmap(const std::string& name);

// Written by the script compiler into the generated source.
extern const EmbeddedBlob EmbeddedScriptTable[];
extern const size_t EmbeddedScriptCount;
extern const EmbeddedBlob EmbeddedBitmapTable[];  // width and height (16-bit), then bits
extern const size_t EmbeddedBitmapCount;
