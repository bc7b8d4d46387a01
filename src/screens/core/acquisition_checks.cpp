#include "screens/core/acquisition_checks.h"

#include "base/dates.h"
#include "base/text_encoding.h"
#include "calc/asset_types.h"
#include "screens/core/asset_tables.h"
#include "screens/core/money_entry.h"

const char* const RolloverAfterAcquisitionMessage =
    "Check dates. The date of acquisition of the asset that was rolled over\r"
    "cannot be later than the date you acquired the current asset.";
const char* const EffectiveBeforeAcquisitionMessage =
    "The effective date of the cost base cannot be earlier than the date of acquisition.";

std::optional<Refusal> RegistrationLeaveCheck(const RegistrationInput& in) {
    const bool described = !TrimmedText(in.description).empty();
    const double acquired = in.dateShown ? ReadDateText(in.dateText) : NoDate;
    if (!described && !in.typeChosen && !DatePresent(acquired)) return std::nullopt;
    if (!described)
        return RefuseAt(rfDescription, "You must enter a description for this asset/event.");
    if (DateBefore(acquired, CgtStartDate())) return RefuseAt(rfDate, PreCgtDateMessage);
    if (!in.typeChosen)
        return RefuseAt(rfType, "You must select the Asset/Event type from the drop down box.");
    if (in.dateShown && !DatePresent(acquired))
        return RefuseAt(rfDate, "You must enter the acquisition date.");
    return std::nullopt;
}

std::optional<Refusal> RegistrationNextCheck(const RegistrationInput& in) {
    if (TrimmedText(in.description).empty() && (in.typeChosen || HasText(in.dateText)))
        return RefuseAt(rfDescription,
                        "You must select a curent worksheet or enter a description for this "
                        "asset/event.");
    return std::nullopt;
}

bool IndexedCostBaseAllowed(double acquired, double rollover, bool preLegalNo) {
    const double cutOff = IndexationCutOff();
    if (DateBefore(acquired, cutOff) || DateBefore(rollover, cutOff)) return true;
    return DatePresent(rollover) && preLegalNo;
}

std::optional<Refusal> CostBaseLeaveCheck(const CostBaseInput& in) {
    const bool rolled = DatePresent(in.rollover);
    const double cutOff = IndexationCutOff();
    if (rolled && BelowTypedZero(in.indexed) && BelowTypedZero(in.discount))
        return RefuseAt(cfIndexed,
                        "You must enter the cost base of the asset at the time of roll-over.");
    if (AboveTypedZero(in.indexed) && IsTypedZero(in.discount))
        return RefuseAt(cfDiscount,
                        "You cannot enter a value of zero. If you do not wish to use the discount "
                        "method then leave blank.");
    if (IsTypedZero(in.indexed) && AboveTypedZero(in.discount))
        return RefuseAt(
            cfIndexed,
            "You cannot enter a value of zero. If you do not wish to use indexation then "
            "leave blank.");
    if (rolled && in.rollover == cutOff && !in.preLegalYes && !in.preLegalNo)
        return RefuseAt(cfPreLegalYes,
                        "If acquisition date was 21/09/1999, you must answer Yes or No.");
    if (rolled && !in.deceasedYes && !in.deceasedNo)
        return RefuseAt(cfDeceasedNo,
                        "If acquisition date is present, you must advise if asset was inherited.");
    if (DateBefore(in.rollover, CgtStartDate())) return RefuseAt(cfRollover, PreCgtDateMessage);
    if (in.reduced == 0 && rolled && !IsPersonalUseType(in.assetType))
        return RefuseAt(
            cfReduced,
            "You must enter the reduced cost base of the asset at the time of roll-over.");
    if (rolled && DatePresent(in.acquired) && in.rollover > in.acquired)
        return RefuseAt(cfRollover, RolloverAfterAcquisitionMessage);
    if (in.indexed > 0 && (in.preLegalYes || (rolled && in.rollover > cutOff)))
        return RefuseAt(
            cfIndexed,
            "Cannot have a Indexed cost base if the date original asset acquired was after "
            "21/09/1999.");
    if ((in.indexed > 0 || in.discount > 0 || in.reduced > 0) && !DatePresent(in.effective))
        return RefuseAt(
            cfEffective,
            "You must enter the effective date of the cost base and reduced cost base.");
    if (DateBefore(in.effective, in.acquired))
        return RefuseAt(cfEffective, EffectiveBeforeAcquisitionMessage);
    return std::nullopt;
}

std::vector<CostElementRow> CostElementRows(const std::vector<std::string>& cells, int columns) {
    std::vector<CostElementRow> rows;
    auto cell = [&](size_t row, int col) {
        const size_t at = row * static_cast<size_t>(columns) + static_cast<size_t>(col);
        return at < cells.size() ? cells[at] : std::string();
    };
    if (columns < 6) return rows;
    const size_t count = (cells.size() + static_cast<size_t>(columns) - 1) / columns;
    for (size_t r = 0; r < count; ++r)
        rows.push_back({cell(r, 0), cell(r, 1), cell(r, 2), cell(r, 4), cell(r, 5)});
    return rows;
}

namespace {

std::optional<std::string> CostElementRowFault(const CostElementRow& row, double acquired,
                                               double effective, int& col) {
    const std::string code = LineCode(row.element);
    const double incurred = ReadDateText(row.incurred);
    const double paid = ReadDateText(row.paid);
    col = 0;
    if (DatePresent(effective) && code == "1")
        return "If you completed Section 2, Cost element 1 can only be entered if purchased by "
               "instalments.";
    if (DateBefore(incurred, acquired))
        return "Check dates. An expense must be incurred no earlier than the acquisition date.";
    if (DateBefore(incurred, effective))
        return "Check dates. An expense must be incurred no earlier than the effective date "
               "entered previously..";
    if (DateBefore(incurred, CgtStartDate()) || DateBefore(paid, CgtStartDate()))
        return std::string(PreCgtDateMessage);
    const bool hasAmount = HasText(row.amount);
    if (hasAmount && HasText(row.excluded) && TextAmount(row.amount) < TextAmount(row.excluded))
        return "Check Cost Base adjustment amount entered.  Amount entered must not exceed "
               "original amount already entered.";
    const bool hasDate = DatePresent(incurred), hasElement = !code.empty();
    const bool none = !hasDate && !hasElement && !hasAmount;
    const bool all = hasDate && hasElement && hasAmount;
    if (!none && !all) return "If either dates and amount are present then all must be completed.";
    if ((code == "6C" || code == "6R") && TextAmount(row.amount) > 0) {
        col = 4;
        return "If cost element 6C or 6R is present, amount must be entered as a negative.";
    }
    return std::nullopt;
}

}  // namespace

std::optional<Refusal> CostElementsLeaveCheck(const std::vector<CostElementRow>& rows,
                                              double acquired, double effective) {
    for (size_t r = 0; r < rows.size(); ++r) {
        int col = 0;
        if (auto message = CostElementRowFault(rows[r], acquired, effective, col))
            return Refusal{std::move(*message), 0, static_cast<int>(r) + 1, col};
    }
    return std::nullopt;
}
