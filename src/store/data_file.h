#pragma once
// The return's data file: the whole store, enciphered with a key made from the taxpayer
// identifier's digits, shared with the host. Deciphering and enciphering happen in memory;
// a save replaces the file only once the new one is safely on disk.

#include <cstdint>
#include <string>
#include <vector>

#include "store/field_store.h"

// OpenDataFile results besides operating-system error codes (ENOENT: no such file yet, a
// new return, no message).
constexpr int32_t OpenReadCompletely = -1;
constexpr int32_t OpenNotADataFile = 6004;  // not this product's, or unreadable
constexpr int32_t OpenBadFieldNumber = 6005;
constexpr int32_t OpenOtherTaxYear = 6006;

// Fields every save sets, and the freeze mark of a lodged return.
constexpr int FileVersionField = 960;
constexpr int FileVersionValue = 60012;
constexpr int FileOriginField = 1300;
constexpr int FrozenMarkField = 1453;
inline constexpr const char* LodgedMark = "999999999";
// Where the text labels' review state travels.
constexpr int ReviewListField = 2031;
constexpr int ReviewLookupField = 2049;

// Reads the file into the store, replacing it. A refused file leaves the store as it was.
int32_t OpenDataFile(const std::string& name);
// 0, or the operating-system error code of the step that failed; on failure the previous
// file, the store and StoreChanged are as they were.
int32_t SaveDataFile(const std::string& name);

// What the user is told when a save failed (an interactive save or autosave): the file
// name and the system's description of the error.
std::string SaveFailureText(const std::string& name, int32_t result);

// The help-desk dump written beside every save in help-desk mode.
inline constexpr const char* HelpdeskDumpFile = "TEST.TXT";
std::vector<std::string> HelpdeskDumpLines(const FieldStore& store);
