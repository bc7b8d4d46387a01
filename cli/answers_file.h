#pragma once
// A file of answers for "orvana-tax set --from": the assignments of the command line, one a
// line, so that a whole return can be kept as readable text.
//
//   # a comment
//   397=text:Robin Ashworth          a field of the return
//   [1202.1]                         what follows is item 1 of the worksheet in field 1202
//   714=text:"A "                    double quotes keep blanks at the ends of a value
//   737=rows:8                       a table of 8 columns; each "|" line below is one row,
//   | 1 - Purchase | 16/03/1988 |    its cells trimmed and the missing ones left empty
//   []                               back to fields of the return

#include <istream>
#include <string>
#include <vector>

#include "field_assignment.h"

// Reads the answers in the file's order; false with "FILE:LINE: why" when the file cannot
// be read or a line is not an answer.
bool ReadAnswersFile(const std::string& path, std::vector<FieldAssignment>& answers,
                     std::string& error);
// The same from an open stream; `name` stands for the file in the messages.
bool ReadAnswers(std::istream& in, const std::string& name, std::vector<FieldAssignment>& answers,
                 std::string& error);
