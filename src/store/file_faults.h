#pragma once
// The steps of a save that can fail. Tests put a hook into the module state that fails
// chosen steps, to drive real failures one step at a time; production code installs none.

enum class FileStep : int {
    CreateTemporary,  // the new return's temporary file
    WriteTemporary,
    SyncTemporary,
    CopyOwner,
    CopyMode,
    KeepOldBackup,  // a second name for the backup of the save before, for rolling back
    MakeBackup,     // the previous return under a temporary name
    PlaceBackup,    // ... renamed over the backup name
    Replace,        // the new return renamed over the return's name
    // Not a failure of the save: a second name refused as a hard link is made as a copy.
    LinkSecondName,
};
// The steps whose failure fails the save.
constexpr int FileStepCount = static_cast<int>(FileStep::Replace) + 1;

// 0, or the error code the hook injects for this step.
int InjectedFault(FileStep step);
