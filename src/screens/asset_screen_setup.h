#pragma once
// Small setup steps the asset screens share.

#include <string>
#include <vector>

class QComboBox;
class TTextLbl;

// Puts the help topic number in place of the "DynamicHelpLink" placeholder of a label.
void SetDynamicHelpLink(TTextLbl* label, int topic);
// Replaces the lines of a drop-down list; nothing is chosen afterwards.
void FillComboLines(QComboBox* combo, const std::vector<std::string>& lines);

class QLineEdit;
class TXGrid;

// Fields of an item that name its payments' CGT event and asset type.
constexpr int PaymentEventField = 748;
constexpr int PaymentTypeField = 1150;

// Shows the payments' CGT event and records its code in the item.
void SetPaymentEvent(QLineEdit* box, const std::string& code, const char* text);
// A column that is neither shown nor reached with Tab.
void HideGridColumn(TXGrid* grid, int col);
// Long tables scroll both ways.
void ShowBothScrollBars(TXGrid* grid);
