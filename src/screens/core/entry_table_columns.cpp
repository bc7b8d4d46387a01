#include "screens/core/entry_table_columns.h"

#include "calc/asset_fields.h"
#include "calc/asset_worksheets.h"
#include "calc/choice_columns.h"

namespace {

// title|alignment|kind|length|hint|skip|picklist|decimals|minus|min|max|list|button|entries..
const std::string WholeTrustAmount = "|2|1|8|0|F|F|0|F||||0|0|F|F|";
const std::string WholeManualAmount = "|2|1|10|0|F|F|0|F||||0|0|F|F|";
const std::string HiddenManualAmount = "|2|1|10|0|T|F|0|F||||0|0|F|F|";
const std::string Date = "|2|2|10|0|F|F||-1|0|";
const std::string Text40 = "|2|0|40|0|F|F|||||||0|0|F|F|";
const std::string Text50 = "|2|0|50|0|F|F|||||||0|0|F|F|";
const std::string PaymentAmount = "|2|1|8|0|F|F|2|F||||-1|0|F|";

std::vector<std::string> TrustTable() {
    std::vector<std::string> columns = {"Name of trust|0|0|50|0|F|F|||||||0|F|F|"};
    for (const char* title : {"Indexed gain", "Discounted gain", "Other gain",
                              "Indexed gain from collectable", "Discounted gain from collectable",
                              "Other gain from collectable", "Indexed gain from active asset",
                              "Discounted gain from active asset", "Other gain from active asset"})
        columns.push_back(title + WholeTrustAmount);
    columns.push_back("Net capital gain from the trust|2|1|8|0|F|F|0|F||||0|0|F|T|");
    while (columns.size() < static_cast<size_t>(TrustTableColumns))
        columns.push_back("Title" + std::to_string(columns.size() + 1) +
                          "|0|0|30|0|T|F|||||||0|F|F|");
    return columns;
}

std::vector<std::string> ManualTable() {
    return {"Section / Grouping|0|0|30|0|T|F|||||||0|F|F|",
            "Asset Description|0|0|50|0|F|F|||||||0|F|F|",
            "Asset Type|2|0|2|0|F|T|||||11|1|0|F|F|",
            "Indexed gain (I)" + WholeManualAmount,
            "Discount gain (D)" + WholeManualAmount,
            "Choice Req'd|0|0|3|0|T|F|||||||0|F|F|",
            "Method choice (I or D)|0|0|30|0|T|F|||||||0|F|F|",
            "Other gain" + WholeManualAmount,
            "Loss" + WholeManualAmount,
            "Can gain be deferred?|2|0|3|0|F|T|||||2|1|0|F|F|",
            "Defer auto?|2|0|3|0|F|T|||||2|1|0|F|F|",
            "Do you want to defer?|0|0|3|0|T|F|||||||0|F|F|",
            "Collectable loss applied" + HiddenManualAmount,
            "Prior year collectable loss applied" + HiddenManualAmount,
            "Other loss applied" + HiddenManualAmount,
            "Transferred in loss applied (Coy only)" + HiddenManualAmount,
            "Net gain|2|1|10|0|T|F|2|F||||0|0|F|F|",
            "W/sheet number" + HiddenManualAmount,
            "W/sheet count" + HiddenManualAmount,
            "Part A or B|0|0|1|0|T|F|||||||0|F|F|",
            "Index factor|2|1|10|0|T|F|5|F||||0|0|F|F|"};
}

std::vector<std::string> CostElements() {
    const std::string amount = "|2|1|10|0|F|F|2|T||||-1|0|F|";
    return {"Cost Element|2|0|40|0|F|T|-1||||11|1|0|F|F|",
            "Date expense incurred" + Date,
            "Date paid|2|2|10|0|T|F||-1|0|",
            "Description of expense" + Text40,
            "Amount" + amount,
            "Amount to be excluded from cost base" + amount,
            "Amt to be excluded from reduced cost base|2|1|10|0|T|F|2|T||||-1|0|F|",
            "Comments" + Text50};
}

// The screen hides the date of receipt.
std::vector<std::string> SharePayments() {
    return {
        "Date of CGT event" + Date, "Date of receipt|2|2|10|0|T|F||-1|0|", "Description" + Text40,
        "Amount" + PaymentAmount,   "Amount excluded" + PaymentAmount,     "Comments" + Text50};
}

std::vector<std::string> TrustPayments() {
    return {"Date of Payment" + Date,
            "Date of CGT event|2|2|10|0|T|F||-1|0|",
            "Description" + Text40,
            "Total non-assessable amount|2|1|8|0|T|F|2|F||||-1|0|F|",
            "CGT concession amounts" + PaymentAmount,
            "Tax free amounts" + PaymentAmount,
            "Tax exempted amounts" + PaymentAmount,
            "Tax deferred amounts" + PaymentAmount};
}

bool HasCostElements(int worksheet) {
    for (int k : AssetWorksheets)
        if (k == worksheet) return true;
    return false;
}

}  // namespace

std::vector<std::string> EntryTableColumns(int field, int worksheet) {
    if (worksheet == 0 && field == fTrustTable) return TrustTable();
    if (worksheet == 0 && field == fManualTable) return ManualTable();
    if (field == fCostElements && HasCostElements(worksheet)) return CostElements();
    if (field == fPayments && worksheet == SharesWorksheet) return SharePayments();
    if (field == fPayments && worksheet == TrustInterestsWorksheet) return TrustPayments();
    return {};
}
