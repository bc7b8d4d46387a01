#include "calc_summary.h"

#include <cmath>
#include <cstdio>
#include <sstream>

using nlohmann::ordered_json;

namespace {

double Number(const ordered_json& value) { return value.is_number() ? value.get<double>() : 0; }
double Amount(const ordered_json& field) { return Number(field["value"]); }

std::string Padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string RightAligned(const std::string& text, size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// The method a row's gain counts by, and that gain; a loss row says "loss", a row whose
// choice is still to be made "not chosen".
void RowMethod(const ordered_json& row, std::string& method, double& amount) {
    const std::string chosen = row["method"].is_string() ? row["method"].get<std::string>() : "";
    const double indexed = Number(row["indexedGain"]), discount = Number(row["discountGain"]);
    const double other = Number(row["otherGain"]), loss = Number(row["loss"]);
    amount = 0;
    if (chosen == "Indexed") {
        method = "indexed", amount = indexed;
    } else if (chosen == "Discount") {
        method = "discount", amount = discount;
    } else if (indexed != 0 && discount != 0) {
        method = "not chosen";
    } else if (other != 0) {
        method = "other", amount = other;
    } else if (discount != 0) {
        method = "discount", amount = discount;
    } else if (indexed != 0) {
        method = "indexed", amount = indexed;
    } else if (row["loss"].is_number()) {
        method = "loss", amount = -loss;
    } else {
        method = row["otherGain"].is_number() ? "other" : "-";
    }
}

double LossesApplied(const ordered_json& row) {
    return Number(row["collectableLossApplied"]) + Number(row["priorCollectableLossApplied"]) +
           Number(row["otherLossApplied"]) + Number(row["transferredLossApplied"]);
}

void Assets(std::ostringstream& out, const ordered_json& rows) {
    if (rows.empty()) {
        out << "No gains or losses.\n";
        return;
    }
    size_t width = 0;
    for (const ordered_json& row : rows)
        if (row["description"].is_string())
            width = std::max(width, row["description"].get<std::string>().size());
    width = std::min<size_t>(width, 48);
    out << "Gains and losses:\n";
    for (const ordered_json& row : rows) {
        std::string method;
        double amount = 0;
        RowMethod(row, method, amount);
        const std::string name =
            row["description"].is_string() ? row["description"].get<std::string>() : "";
        out << "  " << Padded(name, width) << "  " << Padded(method, 10)
            << RightAligned(SummaryMoney(amount), 12);
        if (const double applied = LossesApplied(row); applied != 0)
            out << "  losses applied " << SummaryMoney(applied);
        if (row["netGain"].is_number()) out << "  net " << SummaryMoney(Number(row["netGain"]));
        out << '\n';
    }
}

void Losses(std::ostringstream& out, const ordered_json& schedule) {
    const ordered_json& applied = schedule["partD"];
    out << "Losses applied: " << SummaryMoney(Amount(applied["total"]["total"])) << " (this year's "
        << SummaryMoney(Amount(applied["currentYear"]["total"])) << ", earlier years' "
        << SummaryMoney(Amount(applied["priorYears"]["total"])) << ", transferred in "
        << SummaryMoney(Amount(applied["transferredIn"]["total"])) << ")\n";
}

void Labels(std::ostringstream& out, const ordered_json& labels) {
    out << "Labels sent to the return:\n";
    const auto line = [&](const std::string& name, const ordered_json& field,
                          const std::string& value) {
        out << "  " << Padded(name, 36) << RightAligned(value, 12) << "  (field "
            << field["field"].get<int>() << ")\n";
    };
    const auto money = [&](const std::string& name, const ordered_json& field) {
        line(name, field, field["value"].is_null() ? "blank" : SummaryMoney(Amount(field)));
    };
    money("Total current year capital gains", labels["totalCurrentYearGains"]);
    const ordered_json& yes = labels["cgtEvent"]["yes"];
    const ordered_json& no = labels["cgtEvent"]["no"];
    line("CGT event during the year", yes,
         yes["value"] == true ? "yes" : (no["value"] == true ? "no" : "not answered"));
    money("Net capital gain", labels["netCapitalGain"]);
    money("Net capital losses carried forward", labels["netCapitalLossesCarriedForward"]);
}

}  // namespace

std::string SummaryMoney(double amount) {
    const long long cents = std::llround(std::fabs(amount) * 100);
    std::string digits = std::to_string(cents / 100);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
    std::string text = (cents != 0 && amount < 0 ? "-$" : "$") + digits;
    if (cents % 100 != 0) {
        char fraction[4];
        std::snprintf(fraction, sizeof fraction, ".%02lld", cents % 100);
        text += fraction;
    }
    return text;
}

std::string CalcSummaryText(const ordered_json& result) {
    std::ostringstream out;
    Assets(out, result["choiceTable"]);
    Losses(out, result["schedule"]);
    out << "Net capital gain: " << SummaryMoney(Amount(result["netCapitalGain"])) << '\n';
    const ordered_json& carried = result["netCapitalLossesCarriedForward"];
    const double collectables = Amount(carried["collectables"]), other = Amount(carried["other"]);
    out << "Net capital losses carried forward: " << SummaryMoney(collectables + other)
        << " (collectables " << SummaryMoney(collectables) << ", other " << SummaryMoney(other)
        << ")\n";
    Labels(out, result["returnLabels"]);
    return out.str();
}
