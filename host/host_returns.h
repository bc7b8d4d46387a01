#pragma once
// The returns the host opens besides the one it is given: a new return written with the
// taxpayer's name before the module opens it, and the copy of the sample return.

#include <QString>

// Writes a new return keyed with `tfn`, holding the TFN and the taxpayer's name; an empty
// text when written, else why not.
QString WriteNewReturn(const QString& file, const QString& tfn, const QString& name);

// The sample return built or installed with the host, copied into the user's data folder
// (a newer build replaces the copy, which is kept as SAMPLE.BAK); false when there is none.
bool SampleReturn(QString& file, QString& tfn);
bool SampleAvailable();

// Where new returns are suggested first: the user's documents folder.
QString ReturnsFolder();
