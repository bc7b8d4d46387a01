#pragma once
// A return built answer by answer for the choice table: disposals and payment gains as
// worksheet items, trust table and manual table records, prior-year losses.

#include <map>
#include <string>

#include "calc/asset_fields.h"
#include "calc/choice_columns.h"
#include "calc/choice_session.h"
#include "calc/choice_steps.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

class ChoiceTest : public StoreTest {
protected:
    // Name, type, indexed, discount and other gain, loss, deferrable, deferred without asking.
    struct Disposal {
        Disposal(std::string n, std::string t, long double i = 0, long double d = 0,
                 long double o = 0, long double l = 0, bool defer = false, bool automatic = false)
            : name(std::move(n)),
              type(std::move(t)),
              indexed(i),
              discount(d),
              other(o),
              loss(l),
              deferrable(defer),
              deferAutomatic(automatic) {}
        std::string name, type;
        long double indexed, discount, other, loss;
        bool deferrable, deferAutomatic, fifteenYear = false;
        std::string method;
    };

    // A disposal item appended to the worksheet; its item number.
    static int AddDisposal(int worksheet, const Disposal& d) {
        ZeroScratchFields();
        SetFieldStr(fAssetName, d.name);
        SetFieldStr(fAssetType, d.type);
        SetFieldChecked(fProceedsAboveZero);
        if (d.indexed) SetFieldVal(fIndexedGain, d.indexed);
        if (d.discount) SetFieldVal(fDiscountGain, d.discount);
        if (d.other) SetFieldVal(fOtherGain, d.other);
        if (d.loss) SetFieldVal(fCapitalLoss, d.loss);
        if (d.deferrable) SetFieldChecked(fItemDeferrable);
        if (d.deferAutomatic) SetFieldChecked(fItemDeferAutomatic);
        if (d.fifteenYear) SetFieldChecked(fFifteenYearExemption);
        if (!d.method.empty()) SetFieldStr(fItemMethod, d.method);
        const int item = WorksheetItemCount(worksheet) + 1;
        PutWorksheetItem(worksheet, item);
        return item;
    }

    // A record of a table stored as a line list: cells by column, the rest empty.
    static void AddRecord(int field, int columns, const std::map<int, std::string>& cells) {
        TextList list;
        if (const TextList* held = GetFieldLst(field)) list = *held;
        const size_t base = list.size();
        list.resize(base + static_cast<size_t>(columns));
        for (const auto& [col, text] : cells) list[base + static_cast<size_t>(col)] = text;
        SetFieldLst(field, std::move(list));
    }
    static void AddTrust(const std::map<int, std::string>& cells) {
        AddRecord(fTrustTable, TrustTableColumns, cells);
    }
    static void AddManual(const std::map<int, std::string>& cells) {
        AddRecord(fManualTable, ManualTableColumns, cells);
    }

    // A trust interest holding an active asset "other" gain of 50 and sold for a gain of 70.
    static void AddUnitsWithTrustGain(const TextList* lossesApplied = nullptr) {
        ZeroScratchFields();
        SetFieldStr(fAssetName, "Units");
        SetFieldChecked(fItemHasTrustGains);
        SetFieldVal(fItemTrustGainFirst + 8, 50);  // SBAA/Oth
        SetFieldChecked(fProceedsAboveZero);
        SetFieldStr(fAssetType, "UN");
        SetFieldVal(fOtherGain, 70);
        if (lossesApplied) SetFieldLst(fItemLossesApplied, *lossesApplied);
        PutWorksheetItem(452, WorksheetItemCount(452) + 1);
    }

    void Open() { OpenChoiceTable(table); }

    // The data row whose description begins with `name`, or -1.
    int Row(const std::string& name) const {
        for (int row = 1; row < table.grid.RowCount(); ++row)
            if (table.grid.Cell(ccDescription, row).rfind(name, 0) == 0) return row;
        return -1;
    }
    std::string Cell(const std::string& name, int col) const {
        const int row = Row(name);
        EXPECT_GE(row, 1) << name;
        return table.grid.Cell(col, row);
    }
    void SetCell(const std::string& name, int col, const std::string& text) {
        const int row = Row(name);
        ASSERT_GE(row, 1) << name;
        table.grid.SetCell(col, row, text);
    }
    long double Value(const std::string& name, int col) const {
        return CellValue(table.grid, col, Row(name));
    }

    ChoiceTable table;
};
