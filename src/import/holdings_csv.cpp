#include "import/holdings_csv.h"

#include "base/dates.h"

namespace {

// Quoted when it holds a separator, a quote or a line break.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string HoldingsCsv(const std::vector<Holding>& unsold) {
    std::string text = "Trade Date,Code,Company,Buy/Sell,Quantity,Consideration,Brokerage,Parcel\n";
    for (const Holding& h : unsold) {
        const std::string parcel =
            h.buy->parcel.empty() ? "line " + std::to_string(h.buy->line) : h.buy->parcel;
        text += FormatDate(h.buy->date) + "," + Field(h.buy->code) + "," + Field(h.buy->company) +
                ",Buy," + std::to_string(h.quantity) + "," + FormatCents(h.cost) + "," +
                FormatCents(h.brokerage) + "," + Field(parcel) + "\n";
    }
    return text;
}
