#include "random_return.h"

#include <algorithm>

#include "base/dates.h"
#include "base/numbers.h"
#include "calc/asset_fields.h"
#include "calc/calc_inputs.h"
#include "calc/choice_columns.h"
#include "calc/indexation.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int ReceiptsWorksheet = 462;
constexpr int fReceiptProceeds = 1136, fReceiptCosts = 1137;
constexpr int AssetWorksheets[] = {451, 452, 454, 455, 456};

// The serial of an acquisition date, or a day in 1995 when there is none.
double SerialOr1995(const std::string& date) {
    const double serial = DateOfText(date);
    return serial > 0 ? serial : static_cast<double>(EncodeDate(1995, 7, 1));
}

// The answers an item of the worksheet may hold.
std::vector<int> ItemFields(int worksheet) {
    if (worksheet == ReceiptsWorksheet)
        return {fAssetName, fAssetType, fReceiptProceeds, fReceiptCosts};
    std::vector<int> fields = {fAssetName,       fAssetType,          fAcquisitionDate,
                               fCostElements,    fEventDate,          fCapitalProceeds,
                               fPercentDisposed, fRollOverNo,         fCostBaseDate,
                               fSection2Indexed, fSection2NonIndexed, fSection2Reduced};
    if (worksheet == SharesWorksheet || worksheet == TrustInterestsWorksheet) {
        fields.push_back(fPayments);
        fields.push_back(fPaymentEventCode);
    }
    return fields;
}

}  // namespace

std::string AnswerPlace::Name() const {
    if (worksheet == 0) return "field " + std::to_string(field);
    return "worksheet " + std::to_string(worksheet) + " item " + std::to_string(item) + " field " +
           std::to_string(field);
}

int RandomReturn::Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

bool RandomReturn::Chance(int percent) { return Pick(1, 100) <= percent; }

std::string RandomReturn::Date(int firstYear, int lastYear) {
    const long first = EncodeDate(firstYear, 1, 1), last = EncodeDate(lastYear, 12, 31);
    return FormatDate(static_cast<double>(Pick(static_cast<int>(first), static_cast<int>(last))));
}

// Mostly in the income year, now and then just outside it.
std::string RandomReturn::EventDate() {
    const long first = EncodeDate(2005, 6, 25), last = EncodeDate(2006, 7, 5);
    return FormatDate(static_cast<double>(Pick(static_cast<int>(first), static_cast<int>(last))));
}

// A money text as the tables keep it: whole dollars, or dollars and cents.
std::string RandomReturn::Amount(bool cents) {
    const int dollars = Chance(20) ? Pick(1, 999) : Pick(1000, 400000);
    if (!cents || Chance(50)) return std::to_string(dollars);
    return Str(dollars + Pick(0, 99) / 100.0L, 0, 2);
}

std::string RandomReturn::TypeCode(int worksheet) {
    auto oneOf = [this](std::vector<std::string> codes) {
        return codes[static_cast<size_t>(Pick(0, static_cast<int>(codes.size()) - 1))];
    };
    switch (worksheet) {
        case SharesWorksheet:
            return oneOf({"SN", "SA"});
        case TrustInterestsWorksheet:
            return oneOf({"UN", "UA"});
        case 454:
            return oneOf({"RN", "RA"});
        case 455:  // the interview pads the one-letter codes
            return oneOf({"A ", "P ", "A", "P"});
        default:
            return oneOf({"ON", "OA", "G "});
    }
}

TextList RandomReturn::CostElements(const std::string& acquired) {
    static const char* const codes[] = {
        "2A - Incidentals re holding & acquisition", "2B - Incidentals re specific CGT event",
        "3A - Non-capital costs of ownership", "4 - Capital expenditure - increases value",
        "3B - Reduced cost base adjustment"};
    TextList list;
    if (Chance(10)) return list;
    const double from = SerialOr1995(acquired);
    auto row = [&](const std::string& code, const std::string& date, const std::string& amount) {
        list.insert(list.end(),
                    {code, date, date, "Cost", amount, Chance(10) ? "100" : "", "", ""});
    };
    row("1 - Purchase/Acquisition cost", acquired, Amount(true));
    for (int n = Pick(0, 3); n > 0; --n) {
        const long later = static_cast<long>(from) + Pick(0, 4000);
        row(codes[Pick(0, 4)],
            FormatDate(static_cast<double>(std::min(later, EncodeDate(2006, 6, 30)))),
            Amount(true));
    }
    return list;
}

TextList RandomReturn::Payments(int worksheet, const std::string& acquired) {
    TextList list;
    if (Chance(40)) return list;
    const double from = SerialOr1995(acquired);
    for (int n = Pick(1, 3); n > 0; --n) {
        const std::string date = FormatDate(
            std::min(from + Pick(1, 6000), static_cast<double>(EncodeDate(2006, 6, 30))));
        const std::string amount = Chance(30) ? Amount(false) : std::to_string(Pick(10, 900));
        if (worksheet == SharesWorksheet)
            list.insert(list.end(), {date, date, "Capital return", amount, "", ""});
        else
            list.insert(list.end(), {date, date, "Distribution", "", Chance(30) ? amount : "",
                                     Chance(30) ? amount : "", "", Chance(60) ? amount : ""});
    }
    return list;
}

TextList RandomReturn::TrustRows() {
    TextList list;
    for (int n = Pick(0, 2); n > 0; --n) {
        TextList row(TrustTableColumns);
        row[0] = "Fund " + std::to_string(Pick(1, 99));
        long double net = 0;
        for (int col = 1; col <= 9; ++col) {
            if (!Chance(30)) continue;
            const int amount = Pick(1, 5000);
            row[static_cast<size_t>(col)] = std::to_string(amount);
            net += amount;
        }
        row[10] = Str(net, 0, 0);
        list.insert(list.end(), row.begin(), row.end());
    }
    return list;
}

TextList RandomReturn::ManualRows() {
    static const char* const types[] = {"SN", "SA", "RN", "RA", "ON", "OA", "A", "P", "G", "UN"};
    TextList list;
    for (int n = Pick(0, 3); n > 0; --n) {
        TextList row(ManualTableColumns);
        const std::string type = types[Pick(0, 9)];
        row[ccDescription] = "Manual " + std::to_string(Pick(1, 99));
        row[ccType] = Chance(20) ? type + " " : type;
        const int indexed = Pick(1, 20000);
        switch (Pick(0, 3)) {
            case 0:  // both gains, the discount gain at least the indexed one
                row[ccIndexed] = std::to_string(indexed);
                row[ccDiscount] = std::to_string(indexed + Pick(0, 20000));
                break;
            case 1:
                row[ccDiscount] = std::to_string(indexed);
                break;
            case 2:
                row[ccOther] = std::to_string(indexed);
                break;
            default:  // no loss on a personal use asset
                if (type == "P")
                    row[ccOther] = std::to_string(indexed);
                else
                    row[ccLoss] = std::to_string(indexed);
        }
        row[ccCanDefer] = Chance(20) ? "Yes" : "No";
        list.insert(list.end(), row.begin(), row.end());
    }
    return list;
}

// A fresh value for one answer of the loaded item (or of the return, worksheet 0).
void RandomReturn::SetAnswer(int worksheet, int field) {
    auto money = [this](int field) {
        if (Chance(15))
            SetFieldVal(field, ZeroMarker);
        else if (Chance(10))
            ClearField(field);
        else
            SetFieldVal(field,
                        Chance(20) ? Pick(1, 99999) + Pick(1, 99) / 100.0L : Pick(1, 250000));
    };
    switch (field) {
        case fAssetName:
            SetFieldStr(field, "Asset " + std::to_string(Pick(1, 999)));
            break;
        case fAssetType:
            SetFieldStr(field, TypeCode(worksheet));
            break;
        case fAcquisitionDate:
            SetFieldStr(field, Chance(5) ? std::string() : Date(1986, 2005));
            break;
        case fCostBaseDate:
            SetFieldStr(field, Chance(50) ? std::string() : Date(1986, 2005));
            break;
        case fEventDate:
            SetFieldStr(field, Chance(5) ? std::string() : EventDate());
            break;
        case fCostElements:
            SetFieldLst(field, CostElements(acquired_));
            break;
        case fPayments:
            SetFieldLst(field, Payments(worksheet, acquired_));
            break;
        case fPaymentEventCode:
            SetFieldStr(field, worksheet == SharesWorksheet ? "G1" : "E4");
            break;
        case fPercentDisposed:
            if (Chance(70))
                ClearField(field);
            else
                SetFieldStr(field, std::to_string(Pick(1, 99)) + ".00%");
            break;
        case fRollOverNo:
            if (Chance(50))
                SetFieldChecked(field);
            else
                SetFieldUnchecked(field);
            break;
        case fSection2Indexed:
        case fSection2NonIndexed:
        case fSection2Reduced:
            if (Chance(70))
                ClearField(field);
            else
                money(field);
            break;
        case fPriorCollectableLosses:
        case fPriorOtherLosses:
            if (Chance(50))
                ClearField(field);
            else
                money(field);
            break;
        case fTrustTable:
            SetFieldLst(field, TrustRows());
            break;
        case fManualTable:
            SetFieldLst(field, ManualRows());
            break;
        default:  // proceeds and the receipt amounts
            money(field);
    }
}

void RandomReturn::WriteItem(int worksheet, std::vector<AnswerPlace>& places) {
    ZeroScratchFields();
    const int item = WorksheetItemCount(worksheet) + 1;
    acquired_ = Date(1986, 2005);
    for (int field : ItemFields(worksheet)) {
        SetAnswer(worksheet, field);
        if (field == fAcquisitionDate) acquired_ = GetFieldStr(field);
        places.push_back({worksheet, item, field});
    }
    PutWorksheetItem(worksheet, item);
}

std::vector<AnswerPlace> RandomReturn::Write() {
    std::vector<AnswerPlace> places;
    for (int field : {fPriorCollectableLosses, fPriorOtherLosses, fTrustTable, fManualTable}) {
        SetAnswer(0, field);
        places.push_back({0, 0, field});
    }
    for (int n = Pick(0, 6); n > 0; --n) {
        const int k = Pick(0, 5);
        WriteItem(k == 5 ? ReceiptsWorksheet : AssetWorksheets[k], places);
    }
    return places;
}

void RandomReturn::Change(const AnswerPlace& place) {
    if (place.worksheet != 0) GetWorksheetItem(place.worksheet, place.item);
    acquired_ = GetFieldStr(fAcquisitionDate);
    const FieldSlot before = *FieldSlotAt(place.field);
    // A few tries: a random answer may come out the same as before.
    for (int tries = 0; tries < 5; ++tries) {
        SetAnswer(place.worksheet, place.field);
        const FieldSlot& now = *FieldSlotAt(place.field);
        if (now.Image() != before.Image() || now.longText != before.longText ||
            (now.list && before.list ? *now.list != *before.list : now.list != before.list))
            break;
    }
    if (place.worksheet != 0) PutWorksheetItem(place.worksheet, place.item);
}

FieldSlot ReadAnswer(const AnswerPlace& place) {
    if (place.worksheet != 0) GetWorksheetItem(place.worksheet, place.item);
    FieldSlot slot = *FieldSlotAt(place.field);
    if (place.worksheet != 0) ZeroScratchFields();
    return slot;
}

void RestoreAnswer(const AnswerPlace& place, const FieldSlot& slot) {
    if (place.worksheet != 0) GetWorksheetItem(place.worksheet, place.item);
    *FieldSlotAt(place.field) = slot;
    if (place.worksheet != 0) PutWorksheetItem(place.worksheet, place.item);
}
