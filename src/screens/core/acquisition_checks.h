#pragma once
// The leave checks of the registration, cost base and cost elements screens, on plain
// values: each returns the first broken rule's message and where the focus goes.

#include <optional>
#include <string>
#include <vector>

#include "base/dates.h"

struct Refusal {
    std::string message;
    int focus = 0;  // one of the screen's focus targets below
    int row = 0;    // the table row, for table checks
    int col = 0;    // the table column, for table checks
};

inline Refusal RefuseAt(int focus, std::string message) {
    return Refusal{std::move(message), focus};
}

// Registration.
enum RegistrationFocus { rfDescription = 1, rfType, rfDate };
struct RegistrationInput {
    std::string description;
    bool typeChosen = false;
    bool dateShown = true;
    std::string dateText;
};
std::optional<Refusal> RegistrationLeaveCheck(const RegistrationInput& in);
// Next with no description but something else entered.
std::optional<Refusal> RegistrationNextCheck(const RegistrationInput& in);

// Cost base (section 2). Money: blank 0, typed zero the zero marker.
enum CostBaseFocus {
    cfIndexed = 1,  // the indexed cost base when enabled, else the non-indexed one
    cfDiscount,
    cfReduced,
    cfPreLegalYes,
    cfDeceasedNo,
    cfRollover,
    cfEffective
};
struct CostBaseInput {
    long double indexed = 0, discount = 0, reduced = 0;
    double rollover = NoDate, acquired = NoDate, effective = NoDate;
    bool preLegalYes = false, preLegalNo = false;
    bool deceasedYes = false, deceasedNo = false;
    std::string assetType;
};
std::optional<Refusal> CostBaseLeaveCheck(const CostBaseInput& in);
// Its two rules on the order of dates alone.
extern const char* const RolloverAfterAcquisitionMessage;
extern const char* const EffectiveBeforeAcquisitionMessage;

// The indexed cost base may be entered: acquired, or the rolled-over asset acquired, before
// indexation ended (or on that day before 11.45am legal time).
bool IndexedCostBaseAllowed(double acquired, double rollover, bool preLegalNo);

// Cost elements (section 3): one row of the table.
struct CostElementRow {
    std::string element;  // column 0
    std::string incurred, paid, amount, excluded;
};
std::optional<Refusal> CostElementsLeaveCheck(const std::vector<CostElementRow>& rows,
                                              double acquired, double effective);

// Reads the rows of a flat table list of `columns` cells a row.
std::vector<CostElementRow> CostElementRows(const std::vector<std::string>& cells, int columns);
