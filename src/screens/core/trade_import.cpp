#include "screens/core/trade_import.h"

#include "base/dates.h"
#include "base/latin1_case.h"
#include "base/latin1_text.h"
#include "calc/asset_fields.h"
#include "import/import_notes.h"
#include "import/parcel_item_text.h"
#include "screens/core/parcel_items.h"
#include "store/worksheet_items.h"

namespace {

std::string Line(int line) { return "line " + std::to_string(line) + ": "; }

}  // namespace

bool PrepareTradeImport(const std::string& text, const TradeImportOptions& options,
                        TradeImport& import, ImportProblem& problem) {
    import.options = options;
    import.read = ImportedTrades();
    import.result = MatchResult();
    import.written.clear();
    import.preCgt.clear();
    import.notes.clear();
    if (!ReadTrades(TradeFileText(text), options.read, import.read, problem) ||
        !MatchSales(import.read.list, options.method, import.result, problem))
        return false;
    for (const MatchedPart& part : import.result.parts) {
        if (BoughtBeforeCgt(part)) {
            import.preCgt.push_back(&part);
            continue;
        }
        if (const std::string why = PartItemProblem(part); !why.empty()) {
            problem = {part.sell->line, why};
            return false;
        }
        import.written.push_back(&part);
    }
    import.notes = ImportNoteLines(import.read, import.result);
    return true;
}

std::vector<PreviewRow> PreviewRows(const TradeImport& import) {
    std::vector<PreviewRow> rows;
    rows.reserve(import.written.size());
    for (const MatchedPart* part : import.written) {
        PreviewRow row;
        row.code = part->buy->code;
        row.company = part->buy->company;
        row.name = PartItemName(*part);
        row.quantity = part->quantity;
        row.boughtQuantity = part->buy->quantity;
        row.buyLine = part->buy->line;
        row.sellLine = part->sell->line;
        row.bought = part->buy->date;
        row.sold = part->sell->date;
        row.cost = part->cost;
        row.buyBrokerage = part->buyBrokerage;
        row.sellBrokerage = part->sellBrokerage;
        row.proceeds = part->proceeds;
        row.proceedsDollars = part->proceedsDollars;
        row.estimatedGain =
            part->proceedsDollars * 100 - (part->cost + part->buyBrokerage + part->sellBrokerage);
        row.heldOverAYear = HeldOverAYear(row.bought, row.sold);
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> LeftOutLines(const TradeImport& import) {
    std::vector<std::string> lines;
    for (const Trade* sale : import.result.outsideYear)
        lines.push_back(Line(sale->line) + sale->code + " sold " + FormatDate(sale->date) +
                        ", outside the income year 1/07/2005 to 30/06/2006");
    for (const MatchedPart* part : import.preCgt)
        lines.push_back(Line(part->sell->line) + std::to_string(part->quantity) + " " +
                        part->buy->code + " bought " + FormatDate(part->buy->date) +
                        ", before capital gains tax began");
    for (const ExcludedLine& line : import.read.list.excluded)
        lines.push_back(Line(line.line) + line.code + " excluded");
    return lines;
}

std::set<std::string> SecurityCodesOf(const std::string& text) {
    std::set<std::string> codes;
    std::string code;
    for (const char c : Latin1UpperText(text) + ' ') {
        if (c != ',' && c != ';' && c != ' ' && c != '\t') {
            code += c;
        } else if (!code.empty()) {
            codes.insert(code);
            code.clear();
        }
    }
    return codes;
}

std::vector<std::string> CodesNotInList(const TradeImport& import,
                                        const std::set<std::string>& codes) {
    std::set<std::string> named;
    for (const Trade& trade : import.read.list.trades) named.insert(trade.code);
    for (const ExcludedLine& line : import.read.list.excluded) named.insert(line.code);
    std::vector<std::string> unknown;
    for (const std::string& code : codes)
        if (!named.count(code)) unknown.push_back(code);
    return unknown;
}

std::vector<int> EarlierImportItems(const TradeImport& import) {
    return ItemsWithMarks(ListImportMarks(import.read.list));
}

ImportWritten WriteTradeImport(const TradeImport& import, bool replace) {
    ImportWritten done;
    if (replace) {
        const std::vector<int> earlier = EarlierImportItems(import);
        DeleteShareItems(earlier);
        done.removed = static_cast<int>(earlier.size());
    }
    int key = WorksheetItemCount(SharesWorksheet);
    for (const MatchedPart* part : import.written)
        WritePartItem(*part, ++key, import.options.active.count(part->buy->code) > 0);
    done.written = static_cast<int>(import.written.size());
    return done;
}
