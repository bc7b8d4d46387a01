#pragma once
// Which column of a trade list holds what: recognised from the usual header names, or named by
// the user ("date=Trade Date,code=Stock").

#include <array>
#include <map>
#include <string>
#include <vector>

enum class TradeColumn {
    Date,
    SettlementDate,
    Code,
    Company,
    Action,
    Quantity,
    Price,
    Brokerage,
    Gst,
    Consideration,
    NetAmount,
    Parcel,
    Count
};

// The column index of each role, -1 when the list has none.
using ColumnPlaces = std::array<int, static_cast<size_t>(TradeColumn::Count)>;

// The user's names: role -> header text (compared without case and surrounding blanks).
using ColumnMap = std::map<TradeColumn, std::string>;

// Reads "date=Trade Date,code=Stock,..."; roles are date, code, company, action, quantity,
// price, brokerage, gst, consideration, net, parcel. False with the reason.
bool ParseColumnMap(const std::string& text, ColumnMap& map, std::string& error);

// The roles of the header's cells; false when the cells do not name at least a date, a code,
// a buy/sell action, a quantity and a price or an amount.
bool PlaceColumns(const std::vector<std::string>& header, const ColumnMap& map,
                  ColumnPlaces& places);

// The header cell's lower-case words, without "inc/ex GST", "AUD" and the like: "Debit ($)"
// is "debit".
std::string NormalisedColumnName(const std::string& name);

inline int At(const ColumnPlaces& places, TradeColumn role) {
    return places[static_cast<size_t>(role)];
}
