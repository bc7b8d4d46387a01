#pragma once
// The choice table's columns, where its rows come from and where each row's applied losses
// are kept between visits: the trust table's hidden columns, the manual table's own columns
// and the 34-entry loss list (field 1129) of a worksheet item.

#include <array>
#include <string>
#include <vector>

class TGridModel;

enum ChoiceColumn {
    ccSection = 0,
    ccDescription = 1,
    ccType = 2,
    ccIndexed = 3,
    ccDiscount = 4,
    ccChoiceRequired = 5,
    ccMethod = 6,
    ccOther = 7,
    ccLoss = 8,
    ccCanDefer = 9,
    ccDeferAuto = 10,
    ccWantDefer = 11,
    ccCollectableApplied = 12,
    ccPriorCollectableApplied = 13,
    ccOtherApplied = 14,
    ccTransferredApplied = 15,
    ccNet = 16,
    ccSource = 17,
    ccRecord = 18,
    ccPart = 19,
    ccIndexFactor = 20,
};
inline constexpr int ChoiceColumns = 21;
inline constexpr int TrustTableColumns = 41;
inline constexpr int ManualTableColumns = 21;
inline constexpr int LossListEntries = 34;
inline constexpr int OldLossListEntries = 23;

inline constexpr int fTrustTable = 1215;
inline constexpr int fManualTable = 1201;
inline constexpr int fChoiceGrid = 803;
inline constexpr int fConcessionRows = 801;
inline constexpr int fCurrentLossTotal = 983;
inline constexpr int fPriorCollectableLosses = 920;
inline constexpr int fPriorOtherLosses = 921;
inline constexpr int fTransferredInLosses = 1065;
// Fields of a worksheet item the table reads and writes.
inline constexpr int fItemDeferrable = 720;
inline constexpr int fItemDeferAutomatic = 722;
inline constexpr int fItemLossesApplied = 1129;
inline constexpr int fItemMethod = 1145;
inline constexpr int fItemDefer = 1148;
inline constexpr int fItemHasTrustGains = 1170;
inline constexpr int fItemTrustGainFirst = 1183;

inline constexpr const char* TrustTableSource = "1215";
inline constexpr const char* ManualTableSource = "1201";

// A trust gain component: part code, descriptions, type, value column, the multiplier that
// undoes the trust's own reductions and the trust table column it comes from.
struct TrustComponent {
    const char* part;
    const char* tableSuffix;
    const char* itemSuffix;
    const char* type;
    int valueColumn;
    int multiplier;
    int tableColumn;
};
// In part code order A1 to A9; the item field of component i is fItemTrustGainFirst + i.
extern const std::array<TrustComponent, 9> TrustComponents;
// The order the trust table's components are listed in.
extern const std::array<int, 9> TrustTableOrder;

// Entries of the loss list for a part code's three loss cells (columns 12, 14, 15); all -1
// for an unknown part.
struct LossEntries {
    int collectable = -1, other = -1, transferred = -1;
};
LossEntries LossEntriesOf(const std::string& part);
// A trust table record's columns for component column c: 10 + c, 19 + c, 28 + c.
LossEntries TrustLossColumns(int tableColumn);

// Titles, kinds (amounts total and sort by value), read-only columns and pick lists, one
// descriptor line per column ("\r" in a title is a line break).
std::vector<std::string> ChoiceTableDescriptors();
// The descriptors read, and the hidden columns hidden.
void SetUpChoiceTable(TGridModel& grid);
// The unapplied losses table: "Unapplied losses", "Collectable loss", "Other loss".
void SetUpUnappliedLosses(TGridModel& grid);
