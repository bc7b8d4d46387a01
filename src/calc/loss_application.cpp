// Losses are applied where they save the most: indexed and other gains first (no discount
// will halve them), then gains that still need a method in order of increasing index
// factor, discount gains last; other losses go to non-active assets before active ones,
// whose gains the small business reduction may still halve.

#include "base/numbers.h"
#include "calc/asset_types.h"
#include "calc/choice_columns.h"
#include "calc/choice_steps.h"

namespace {

enum class Group { Collectable, NonActive, Active };
enum class Trusts { Any, Excluded, Only };
enum class Gain { Indexed, Other, Choose, Discount };

struct Pass {
    Group group;
    Trusts trusts;
    Gain gain;
};

bool InGroup(const std::string& type, Group group) {
    switch (group) {
        case Group::Collectable:
            return IsCollectableType(type);
        case Group::NonActive:
            return IsNonActiveAssetType(type);
        case Group::Active:
            return IsActiveAssetType(type);
    }
    return false;
}

bool TrustsMatch(const std::string& section, Trusts trusts) {
    const bool fixedTrust = section == "Fixed Trusts";
    return trusts == Trusts::Any || (trusts == Trusts::Only) == fixedTrust;
}

class LossApplier {
public:
    LossApplier(ChoiceTable& table, int col) : table_(table), col_(col) {}

    void Run(const Pass& pass) {
        for (int row = 1; row < table_.grid.RowCount(); ++row) {
            // Rows of the other groups, most of them, are passed over on their type alone.
            if (!InGroup(ChoiceRowType(table_, row), pass.group)) continue;
            ChoiceRow r = LoadChoiceRowTexts(table_, row);
            if (r.Deferred() || !TrustsMatch(r.section, pass.trusts)) continue;
            LoadChoiceRowFigures(table_, row, r);
            Apply(row, r, pass.gain);
        }
    }

private:
    long double Available() const {
        return col_ == ccCollectableApplied ? table_.AvailableCollectable()
                                            : table_.AvailableOther();
    }

    void Write(int row, long double amount) {
        if (amount > 0) SetLossCell(table_, col_, row, FormatGeneral(amount));
    }

    // The whole gain when the losses cover it, else what is left of them.
    void ApplyTo(int row, long double gain) {
        const long double available = Available();
        Write(row, gain <= available ? gain : available);
    }

    // The method with the lower net gain after the losses; a tie goes to the discount.
    void ChooseAndApply(int row, const ChoiceRow& r) {
        const long double available = Available();
        if (r.indexed <= available) {
            table_.grid.SetCell(ccMethod, row, "Indexed");
            ApplyTo(row, r.indexed);
        } else if ((r.discount - available) / 2 > r.indexed - available) {
            table_.grid.SetCell(ccMethod, row, "Indexed");
            ApplyTo(row, available);
        } else {
            table_.grid.SetCell(ccMethod, row, "Discount");
            ApplyTo(row, available);
        }
    }

    void Apply(int row, const ChoiceRow& r, Gain gain) {
        const bool noChoice = r.choiceRequired == "No";
        switch (gain) {
            case Gain::Indexed:
                if ((noChoice || r.method == "Indexed") && r.indexed > 0) ApplyTo(row, r.indexed);
                break;
            case Gain::Other:
                if (noChoice && r.other > 0) ApplyTo(row, r.other);
                break;
            case Gain::Choose:
                if (r.choiceRequired == "Yes" && r.method.empty() && r.indexed > 0 &&
                    r.discount > 0)
                    ChooseAndApply(row, r);
                break;
            case Gain::Discount:
                if ((noChoice || r.method == "Discount") && r.discount > 0)
                    ApplyTo(row, r.discount);
                break;
        }
    }

    ChoiceTable& table_;
    int col_;
};

void SortByFactor(ChoiceTable& table) { table.grid.SortRows("2,20"); }
void SortBySource(ChoiceTable& table) { table.grid.SortRows("17,18,19"); }

}  // namespace

void ApplyCollectableLosses(ChoiceTable& table) {
    MakeDeferChoices(table);
    LossApplier applier(table, ccCollectableApplied);
    applier.Run({Group::Collectable, Trusts::Any, Gain::Indexed});
    applier.Run({Group::Collectable, Trusts::Any, Gain::Other});
    SortByFactor(table);
    applier.Run({Group::Collectable, Trusts::Any, Gain::Choose});
    applier.Run({Group::Collectable, Trusts::Excluded, Gain::Discount});
    applier.Run({Group::Collectable, Trusts::Only, Gain::Discount});
    SortBySource(table);
}

void ApplyOtherLosses(ChoiceTable& table) {
    LossApplier applier(table, ccOtherApplied);
    applier.Run({Group::NonActive, Trusts::Any, Gain::Indexed});
    applier.Run({Group::NonActive, Trusts::Any, Gain::Other});
    SortByFactor(table);
    applier.Run({Group::NonActive, Trusts::Any, Gain::Choose});
    applier.Run({Group::NonActive, Trusts::Excluded, Gain::Discount});
    SortBySource(table);
    applier.Run({Group::Active, Trusts::Excluded, Gain::Indexed});
    applier.Run({Group::Active, Trusts::Excluded, Gain::Other});
    SortByFactor(table);
    applier.Run({Group::Active, Trusts::Any, Gain::Choose});
    applier.Run({Group::Active, Trusts::Excluded, Gain::Discount});
    applier.Run({Group::NonActive, Trusts::Only, Gain::Discount});
    applier.Run({Group::Active, Trusts::Only, Gain::Indexed});
    applier.Run({Group::Active, Trusts::Only, Gain::Other});
    applier.Run({Group::Active, Trusts::Only, Gain::Discount});
    SortBySource(table);
}
