#include "screens/core/asset_tables.h"

#include <algorithm>
#include <map>

#include "base/dates.h"
#include "base/text_encoding.h"

namespace {

std::string Trimmed(const std::string& text) { return TrimmedText(text); }

}  // namespace

const char* const PreCgtDateMessage =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although\r"
    "there is an exception for some shares and trust interests. If your asset falls within\r"
    "this exception, you should manually calculate your capital gain or capital loss";

double CgtStartDate() { return static_cast<double>(EncodeDate(1985, 9, 20)); }

double IndexationCutOff() { return static_cast<double>(EncodeDate(1999, 9, 21)); }

double ReadDateText(const std::string& text) {
    double serial = NoDate;
    return TryReadDate(text, serial) ? serial : NoDate;
}

bool DatePresent(double date) { return date != NoDate; }

bool DateBefore(double date, double limit) {
    return DatePresent(date) && DatePresent(limit) && date < limit;
}

std::vector<std::string> AssetTypeLines(int k) {
    switch (k) {
        case 451:
            return {"SA - Active asset - Shares", "SN - Non-active asset - Shares"};
        case 452:
            return {"UA - Active asset - Units in a unit trust",
                    "UN - Non-active asset - Units in a unit trust",
                    "OA - Active asset - Other trust", "ON - Non-active asset - Other trust"};
        case 454:
            return {"RA - Active asset - Real estate", "RN - Non-active asset - Real estate"};
        case 455:
            return {"A  - Collectables", "P  - Personal use assets"};
        case 456:
            return {"G  - Goodwill on sale of business",
                    "OA - Active asset - Other asset or CGT event",
                    "ON - Non-active asset - Other asset or CGT event"};
        case 458:
            return {"P - Personal use asset", "ON - Non-active asset - Other asset or CGT event"};
        default:
            return {};
    }
}

int DefaultAssetTypeLine(int k) {
    switch (k) {
        case 451:
        case 452:
        case 454:
        case 458:
            return 2;
        case 456:
            return 3;
        default:
            return 0;
    }
}

std::string LineCode(const std::string& line) { return Trimmed(line.substr(0, 2)); }

std::vector<std::string> CostElementLines(int k) {
    const std::string purchase = "1 - Purchase/Acquisition cost";
    const std::string holding = "2A - Incidentals re holding and acquisition";
    const std::string event = "2B - Incidentals re specific CGT event";
    const std::string ownership = "3A - Non-capital costs of ownership";
    const std::string increases = "4 - Capital expenditure - increases value";
    const std::string maintain = "5 - Capital expenditure - maintain ownership";
    switch (k) {
        case 451:
            return {purchase,
                    "1D - Instalment payment",
                    "2A - Incidentals re holding & acquisition",
                    event,
                    "3A - Costs of owning the asset",
                    maintain};
        case 452:
            return {purchase,
                    "1D - Purchase by instalments",
                    "2A - Incidentals re holding & acquisition",
                    event,
                    ownership,
                    maintain};
        case 455:
            return {purchase, holding, event, increases, maintain};
        case 454:
        case 456:
        case 458:
            return {purchase,
                    holding,
                    event,
                    ownership,
                    "3B - Balancing charges",
                    increases,
                    maintain,
                    "6C - Adjustments to the cost base",
                    "6R - Adjustments to the reduced cost base"};
        default:
            return {};
    }
}

int CostElementHelpTopic(const std::string& code) {
    static const std::map<std::string, int> topics = {
        {"1", 21},  {"1D", 378}, {"2A", 22}, {"2B", 379}, {"3A", 23},
        {"3B", 24}, {"4", 25},   {"5", 26},  {"6C", 380}, {"6R", 381},
    };
    const auto it = topics.find(Trimmed(code));
    return it == topics.end() ? 0 : it->second;
}

int CostElementColumnHelpSection(int col, int k) {
    if (col == 1) return k == 451 || k == 452 ? 2 : 9;
    return std::clamp(col, 0, 7) + 1;
}

int ExamplesHelpTopic(int k) {
    switch (k) {
        case 451:
            return 192;
        case 452:
            return 194;
        case 454:
            return 256;
        case 455:
            return 307;
        case 458:
            return 354;
        default:
            return 318;
    }
}

int RegistrationSkip(int k) { return k == 451 || k == 452 ? 8 : 6; }

int PathWorksheetOfScreen(int number) {
    static const struct {
        int first, last, k;
    } paths[] = {{2009, 2017, 451}, {2022, 2030, 452}, {2035, 2041, 454},
                 {2045, 2051, 458}, {2055, 2061, 455}, {2065, 2071, 456}};
    for (const auto& path : paths)
        if (number >= path.first && number <= path.last) return path.k;
    return 0;
}
