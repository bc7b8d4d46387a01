#include "import/trade_columns.h"

#include <cctype>
#include <set>

namespace {

// Lower case words of the name, with what says whether GST is included left out.
std::string Normalised(const std::string& name, bool keepGst = false) {
    static const std::set<std::string> noise = {"inc",  "incl",      "including", "ex",
                                                "excl", "excluding", "aud",       "the"};
    std::string words, word;
    auto flush = [&] {
        if (!word.empty() && !noise.count(word) && (keepGst || word != "gst")) {
            if (!words.empty()) words += ' ';
            words += word;
        }
        word.clear();
    };
    for (char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else
            flush();
    }
    flush();
    return words;
}

struct Known {
    TradeColumn role;
    std::set<std::string> names;
};

const std::vector<Known>& KnownNames() {
    static const std::vector<Known> known = {
        {TradeColumn::Date,
         {"date", "trade date", "transaction date", "contract date", "trade dt"}},
        {TradeColumn::SettlementDate, {"settlement date", "settle date", "settlement"}},
        {TradeColumn::Code,
         {"code", "asx code", "security code", "stock code", "security", "stock", "ticker",
          "symbol", "asx"}},
        {TradeColumn::Company,
         {"company", "name", "company name", "security name", "stock name", "description"}},
        {TradeColumn::Action,
         {"buy sell", "b s", "type", "action", "transaction type", "trade type", "side",
          "transaction"}},
        {TradeColumn::Quantity, {"quantity", "units", "qty", "volume", "number", "shares"}},
        {TradeColumn::Price,
         {"price", "unit price", "average price", "avg price", "trade price", "price per unit"}},
        {TradeColumn::Brokerage,
         {"brokerage", "fees", "fee", "commission", "brokerage fee", "brokerage and fees"}},
        {TradeColumn::Consideration,
         {"consideration", "total", "amount", "value", "trade value", "gross amount", "gross value",
          "total amount", "gross"}},
        {TradeColumn::NetAmount, {"net amount", "net", "net value", "net consideration"}},
        {TradeColumn::Parcel, {"parcel", "parcel id", "lot", "lot id", "parcels"}},
    };
    return known;
}

const std::map<std::string, TradeColumn>& RoleNames() {
    static const std::map<std::string, TradeColumn> roles = {
        {"date", TradeColumn::Date},
        {"code", TradeColumn::Code},
        {"company", TradeColumn::Company},
        {"action", TradeColumn::Action},
        {"quantity", TradeColumn::Quantity},
        {"price", TradeColumn::Price},
        {"brokerage", TradeColumn::Brokerage},
        {"gst", TradeColumn::Gst},
        {"consideration", TradeColumn::Consideration},
        {"net", TradeColumn::NetAmount},
        {"parcel", TradeColumn::Parcel}};
    return roles;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::string NormalisedColumnName(const std::string& name) { return Normalised(name); }

bool ParseColumnMap(const std::string& text, ColumnMap& map, std::string& error) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(',', start);
        const std::string pair = text.substr(start, comma - start);
        const size_t equals = pair.find('=');
        const std::string role = Lower(Trim(pair.substr(0, equals)));
        const auto it = RoleNames().find(role);
        if (equals == std::string::npos || it == RoleNames().end() ||
            Trim(pair.substr(equals + 1)).empty()) {
            error = "\"" + pair +
                    "\" is not ROLE=COLUMN (roles: date, code, company, action, quantity, price, "
                    "brokerage, gst, consideration, net, parcel)";
            return false;
        }
        map[it->second] = Trim(pair.substr(equals + 1));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return true;
}

bool PlaceColumns(const std::vector<std::string>& header, const ColumnMap& map,
                  ColumnPlaces& places) {
    places.fill(-1);
    std::set<int> taken;
    for (const auto& [role, name] : map) {
        for (size_t i = 0; i < header.size(); ++i) {
            if (Lower(Trim(header[i])) != Lower(name)) continue;
            places[static_cast<size_t>(role)] = static_cast<int>(i);
            taken.insert(static_cast<int>(i));
            break;
        }
        if (places[static_cast<size_t>(role)] < 0) return false;
    }
    for (size_t i = 0; i < header.size(); ++i) {
        if (taken.count(static_cast<int>(i))) continue;
        const std::string withGst = Normalised(header[i], true);
        const std::string name = Normalised(header[i]);
        TradeColumn role = TradeColumn::Count;
        if (withGst == "gst") {
            role = TradeColumn::Gst;
        } else {
            for (const Known& known : KnownNames())
                if (known.names.count(name)) role = known.role;
        }
        if (role == TradeColumn::Count || places[static_cast<size_t>(role)] >= 0) continue;
        places[static_cast<size_t>(role)] = static_cast<int>(i);
    }
    // The contract date is the date of purchase and of the event; settlement only without it.
    if (At(places, TradeColumn::Date) < 0)
        places[static_cast<size_t>(TradeColumn::Date)] = At(places, TradeColumn::SettlementDate);
    return At(places, TradeColumn::Date) >= 0 && At(places, TradeColumn::Code) >= 0 &&
           At(places, TradeColumn::Action) >= 0 && At(places, TradeColumn::Quantity) >= 0 &&
           (At(places, TradeColumn::Price) >= 0 || At(places, TradeColumn::Consideration) >= 0 ||
            At(places, TradeColumn::NetAmount) >= 0);
}
