#pragma once
// What the tool's commands share: exit statuses, the one error line, and the messages the
// core would have shown in a window.

#include <cstdint>
#include <string>
#include <vector>

constexpr int ExitOk = 0, ExitFileProblem = 1, ExitUsage = 2, ExitRefused = 3;

// The core's messages, kept to make the one line an error gets.
std::vector<std::string>& CoreMessages();
// A message on one line: each run of line breaks becomes one space.
std::string OneLine(const std::string& text);
// The core's message boxes are answered with their default button and kept.
void InstallResponder();
// "orvana-tax: MESSAGE" on standard error; returns the status.
int Fail(int status, const std::string& message);
// Any core message not yet shown, each on its own line.
void FlushCoreMessages();
// Why the return did not read completely, as "FILE: reason".
std::string OpenProblem(int32_t result, const std::string& file);
// The problem, after the core's first message when there is one (which says most); clears them.
std::string WithFirstCoreMessage(const std::string& problem);
