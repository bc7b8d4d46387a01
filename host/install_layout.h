#pragma once
// Where orvana-host finds the module: beside the program in a build folder, else where
// `cmake --install` or the Debian package put it, relative to the program's own folder so
// that any install prefix works.

#include <QString>

// The module's file for a program in programFolder: beside it when there, else the
// installed one when there, else the one beside it (so that the error names it).
QString ModuleFilePath(const QString& programFolder);
