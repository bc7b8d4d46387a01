#pragma once
// The fixed tables of the asset paths: which worksheet a path fills, the asset type and cost
// element lists each offers, the help topics it links to, and the CGT dates its checks use.

#include <string>
#include <vector>

#include "calc/asset_types.h"

// 20/09/1985: no earlier acquisition, expense or event date is accepted.
double CgtStartDate();
// 21/09/1999: indexation ends and the discount method starts.
double IndexationCutOff();

// Shown whenever a date falls before CGT started; several screens share it.
extern const char* const PreCgtDateMessage;

// A date typed into a field: its serial day, or NoDate when blank or unreadable.
double ReadDateText(const std::string& text);
bool DatePresent(double date);
// Both dates present and the first earlier.
bool DateBefore(double date, double limit);

// The asset type lines the registration screen offers for worksheet k.
std::vector<std::string> AssetTypeLines(int k);
// The line (1-based) chosen when a description is typed and no type is; 0 for none.
int DefaultAssetTypeLine(int k);
// The first two characters of a list line, trimmed.
std::string LineCode(const std::string& line);

// The cost element codes and names offered in the cost elements table of worksheet k.
std::vector<std::string> CostElementLines(int k);
// The help topic explaining a cost element code; 0 for an unknown code.
int CostElementHelpTopic(const std::string& code);
// The help section of the cost elements table's column `col` for worksheet k.
int CostElementColumnHelpSection(int col, int k);

// The "Examples on how to complete this section" topic of worksheet k.
int ExamplesHelpTopic(int k);

// Registration with nothing entered skips this many screens, to the closing question.
int RegistrationSkip(int k);

// The worksheet whose asset path a screen number belongs to; 0 for other screens.
int PathWorksheetOfScreen(int number);
