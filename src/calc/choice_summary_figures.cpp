// The printed choice summary: every row of the choice table with the gain its method counts,
// the losses applied to it and its CGT discount, so that each row, the totals and the sum
// below them come to the net capital gain.

#include <array>

#include "base/currency_format.h"
#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/calc_inputs.h"
#include "calc/choice_columns.h"
#include "calc/choice_table.h"
#include "calc/page_figures.h"
#include "store/field_store.h"

namespace {

constexpr int fNetCapitalGain = 1578;
// Characters of a description line; a longer description goes on to a second line.
constexpr size_t DescriptionWidth = 52;

using Line = std::array<std::string, ChoiceSummaryColumns>;

std::string Amount(long double value, int decimals) {
    return FormatCurrency({"", ',', NegativeCurrencyStyle::MinusBeforeSymbol}, value, decimals, 15);
}

// A stored cell as a whole-dollar amount, blank when the cell is.
std::string CellAmount(const TGridModel& grid, int col, int row) {
    const std::string cell = TrimmedText(grid.Cell(col, row));
    return cell.empty() ? std::string() : Amount(RoundEven(NumberOfText(cell)), 0);
}

// Words of `text` in lines of at most DescriptionWidth characters (a longer word alone).
std::vector<std::string> Wrapped(const std::string& text) {
    std::vector<std::string> lines(1);
    size_t at = 0;
    while (at < text.size()) {
        const size_t space = text.find(' ', at);
        const std::string word = text.substr(at, space == std::string::npos ? space : space - at);
        at = space == std::string::npos ? text.size() : space + 1;
        if (word.empty()) continue;
        std::string& last = lines.back();
        if (!last.empty() && last.size() + 1 + word.size() > DescriptionWidth)
            lines.push_back(word);
        else
            last += (last.empty() ? "" : " ") + word;
    }
    return lines;
}

const char* MethodName(NetFrom from) {
    switch (from) {
        case NetFrom::Indexed:
            return "Indexed";
        case NetFrom::Discount:
            return "Discount";
        case NetFrom::Other:
            return "Other";
        case NetFrom::None:
            break;
    }
    return "";
}

long double Gain(const ChoiceRow& r, NetFrom from) {
    switch (from) {
        case NetFrom::Indexed:
            return r.indexed;
        case NetFrom::Discount:
            return r.discount;
        case NetFrom::Other:
            return r.other;
        case NetFrom::None:
            break;
    }
    return 0;
}

struct Totals {
    long double loss = 0, counted = 0, collectable = 0, other = 0, transferred = 0;
    long double discount = 0, net = 0;
    long double currentCollectable = 0, currentOther = 0;
};

void Put(std::vector<std::string>& out, const Line& line) {
    out.insert(out.end(), line.begin(), line.end());
}

// A labelled amount of the sum below the table, in the net gain column.
void PutSum(std::vector<std::string>& out, const std::string& label, long double amount) {
    Line line;
    line[csDescription] = label;
    line[csNet] = Amount(amount, 2);
    Put(out, line);
}

void PutRow(std::vector<std::string>& out, const ChoiceTable& table, int row, Totals& totals) {
    const TGridModel& grid = table.grid;
    const ChoiceRow r = LoadChoiceRow(table, row);
    Line line;
    line[csType] = TrimmedText(grid.Cell(ccType, row));
    line[csIndexed] = CellAmount(grid, ccIndexed, row);
    line[csDiscount] = CellAmount(grid, ccDiscount, row);
    line[csOther] = CellAmount(grid, ccOther, row);
    line[csLoss] = CellAmount(grid, ccLoss, row);
    if (!TrimmedText(grid.Cell(ccLoss, row)).empty()) {
        totals.loss += r.loss;
        (r.type == "A" ? totals.currentCollectable : totals.currentOther) += r.loss;
    }
    const NetFrom from = r.Deferred() ? NetFrom::None : NetSource(r);
    if (r.Deferred()) {
        line[csMethod] = "Deferred";
        line[csNet] = Amount(0, 2);
    } else if (from != NetFrom::None) {
        const long double gain = Gain(r, from);
        const long double net = NetGain(r, from);
        const long double other = r.otherApplied + r.transferredApplied;
        line[csMethod] = MethodName(from);
        line[csCounted] = Amount(gain, 0);
        line[csCollectableApplied] = Amount(r.collectableApplied, 0);
        line[csOtherApplied] = Amount(other, 0);
        if (from == NetFrom::Discount) line[csDiscountTaken] = Amount(net, 2);
        line[csNet] = Amount(net, 2);
        totals.counted += gain;
        totals.collectable += r.collectableApplied;
        totals.other += r.otherApplied;
        totals.transferred += r.transferredApplied;
        if (from == NetFrom::Discount) totals.discount += net;
        totals.net += net;
    } else if (r.choiceRequired == "Yes") {
        line[csMethod] = "Not chosen";
    }
    const std::vector<std::string> names = Wrapped(grid.Cell(ccDescription, row));
    line[csDescription] = names.front();
    Put(out, line);
    for (size_t i = 1; i < names.size(); ++i) {
        Line more;
        more[csDescription] = names[i];
        Put(out, more);
    }
}

}  // namespace

std::vector<std::string> ChoiceSummaryLines() {
    ChoiceTable table;
    table.grid.LoadFromList(GetFieldLst(fChoiceGrid));
    std::vector<std::string> out;
    Totals totals;
    for (int row = 1; row < table.grid.RowCount(); ++row)
        if (!TrimmedText(table.grid.Cell(ccDescription, row)).empty())
            PutRow(out, table, row, totals);

    Put(out, Line{});
    Line sums;
    sums[csDescription] = "Totals";
    sums[csLoss] = Amount(totals.loss, 0);
    sums[csCounted] = Amount(totals.counted, 0);
    sums[csCollectableApplied] = Amount(totals.collectable, 0);
    sums[csOtherApplied] = Amount(totals.other + totals.transferred, 0);
    sums[csDiscountTaken] = Amount(totals.discount, 2);
    sums[csNet] = Amount(totals.net, 2);
    Put(out, sums);

    Put(out, Line{});
    PutSum(out, "Capital gains counted under the methods used", totals.counted);
    PutSum(out, "Less collectable losses applied", totals.collectable);
    PutSum(out, "Less other capital losses applied", totals.other + totals.transferred);
    PutSum(out, "Less the CGT discount", totals.discount);
    const long double net = Trunc(totals.net);
    PutSum(out, "Net capital gain (whole dollars)", net);
    // The schedule takes the CGT discount off column totals and the small business concessions
    // off after the table, so the return's net capital gain may differ.
    const long double stored = GetFieldVal(fNetCapitalGain, true);
    if (stored != net) PutSum(out, "Net capital gain of the return (CGT schedule)", stored);

    const long double collectable = GetFieldVal(fPriorCollectableLosses, true);
    const long double other = GetFieldVal(fPriorOtherLosses, true);
    const long double transferred = GetFieldVal(fTransferredInLosses, true);
    Put(out, Line{});
    PutSum(out, "Capital losses of this year from collectables", totals.currentCollectable);
    PutSum(out, "Other capital losses of this year", totals.currentOther);
    PutSum(out, "Unapplied collectable losses of earlier years", collectable);
    PutSum(out, "Other unapplied losses of earlier years", other);
    if (transferred != 0) PutSum(out, "Capital losses transferred in", transferred);
    PutSum(out, "Collectable losses carried forward",
           totals.currentCollectable + collectable - totals.collectable);
    PutSum(out, "Other losses carried forward", totals.currentOther + other - totals.other);
    return out;
}

long double CollectableLossesOfTheYear() {
    ChoiceTable table;
    table.grid.LoadFromList(GetFieldLst(fChoiceGrid));
    long double total = 0;
    for (int row = 1; row < table.grid.RowCount(); ++row) {
        const ChoiceRow r = LoadChoiceRow(table, row);
        if (!r.Deferred() && r.type == "A" && r.loss > 0) total = Trunc(total + r.loss);
    }
    return total;
}
