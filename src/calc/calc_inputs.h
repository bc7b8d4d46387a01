#pragma once
// Reading an asset item's answers for the calculations: dates, amounts, the cost element
// list and the availability of the indexation and discount methods.

#include <string>
#include <vector>

// First and last day of the income year, serial day numbers.
struct TaxYearDates {
    double firstDay = 0;
    double lastDay = 0;
    bool Contains(double date) const { return date >= firstDay && date <= lastDay; }
};
// 1 July of the year before to 30 June of `taxYear`.
TaxYearDates IncomeYearDates(int taxYear);

// The serial of a valid date text (first 10 characters), else 0.
double DateOfText(const std::string& text);
bool IsDateText(const std::string& text);
double FieldDate(int field);
bool FieldIsDate(int field);
// A cell as a number; a text that is not a number counts as 0.
long double NumberOfText(const std::string& text);
// A field as a number whether it holds one or the text of a percentage entry ("60.00%"),
// which the interview stores as displayed; a typed zero and anything else count as 0.
long double FieldNumber(int field);
// The first two characters of a cost element cell, trimmed.
std::string ElementCode(const std::string& text);

// One row of the cost element list (field 737); missing lines read as empty.
struct CostElement {
    std::string element, incurred, paid, description, amount, excludedCost, excludedReduced,
        comments;
    std::string Code() const { return ElementCode(element); }
};
inline constexpr int CostElementColumns = 8;
std::vector<CostElement> ReadCostElements(int field);

// The date costs are indexed from: the replaced asset's acquisition (730) when it is a date,
// else the acquisition (726) when it is one, else none (empty).
std::string BaseDateText();
// The effective date of the section 2 amounts: the acquisition when the cost base date is
// earlier than it, else the cost base date.
std::string SectionTwoDateText();
bool SectionTwoAmountsEntered();  // any of 734, 735, 736 above 0

struct MethodAvailability {
    bool noIndexation = false;
    bool noDiscount = false;
};
// The rules on the dates of acquisition, roll-over and event shared by both summaries.
MethodAvailability DateAvailability(double baseDate);
