#include "screens/core/schedule_layout.h"

namespace {

using Fields = std::array<int, ScheduleColumns>;
using Texts = std::array<std::string, ScheduleColumns>;

const Texts GainTitles = {"Capital gains - index method", "Capital gains - disc method",
                          "Other capital gains", ""};

SchedulePart MakePart(std::string name, std::string heading, Texts titles,
                      std::vector<ScheduleRow> rows) {
    SchedulePart part;
    part.name = std::move(name);
    part.heading = std::move(heading);
    part.columnTitles = std::move(titles);
    part.rows = std::move(rows);
    return part;
}

// Captions that name the row, then the column in brackets.
ScheduleRow Suffixed(const std::string& label, const Fields& fields, const Texts& columns,
                     const std::string& spoken = {}) {
    ScheduleRow row;
    row.label = label;
    const std::string stem = spoken.empty() ? label : spoken;
    for (int col = 0; col < ScheduleColumns; ++col) {
        if (fields[col] == 0) continue;
        row.amounts[col] = {fields[col], stem + " (" + columns[col] + ")"};
    }
    return row;
}

// Part A captions name the column first: "Capital gains, Index method, Real estate".
ScheduleRow GainRow(const std::string& subHeading, const std::string& label, int first,
                    const std::string& spoken) {
    static const Texts columns = {"Capital gains, Index method", "Capital gains, discount method",
                                  "Other capital gains", ""};
    ScheduleRow row;
    row.subHeading = subHeading;
    row.label = label;
    for (int col = 0; col < 3; ++col)
        row.amounts[col] = {first + col, columns[col] + ", " + spoken};
    return row;
}

// One amount in the fourth column; its label is read as it stands.
ScheduleRow SingleRow(const std::string& label, int field, const std::string& spoken = {}) {
    ScheduleRow row;
    row.label = label;
    row.amounts[3] = {field, spoken.empty() ? label : spoken};
    return row;
}

SchedulePart PartA() {
    SchedulePart part =
        MakePart("Part A", "Capital gains from CGT assets and CGT events", GainTitles, {});
    part.rows = {
        GainRow("Non-active assets", "Shares and units (in unit trusts)", 711, "Shares and units"),
        GainRow("", "Real estate", 714, "Real estate"),
        GainRow("", "Other CGT assets and any other CGT events", 717,
                "Other CGT assets and any other CGT events"),
        GainRow("", "Collectables", 720, "collectables"),
        GainRow("Active assets", "Shares and units (in unit trusts)", 723,
                "Active assets, Shares and units"),
        GainRow("", "Real estate", 726, "Active assets, Real estate"),
        GainRow("", "Other CGT assets and any other CGT events", 729,
                "Active assets, Other CGT assets and any other CGT events"),
    };
    ScheduleRow total;
    total.label = "Total current year capital gains (CYCG0";
    const Texts totals = {"index method", "discount method", "other", ""};
    for (int col = 0; col < 3; ++col)
        total.amounts[col] = {732 + col, "Total current year capital gains, " + totals[col]};
    part.rows.push_back(total);
    return part;
}

SchedulePart PartB() {
    return MakePart(
        "Part B",
        "Current year capital losses (CYCL) from CGT assets and CGT events - other than\n"
        "capital losses from collectables",
        {"", "", "", "Total current year capital losses"},
        {SingleRow("Shares and units (in unit trusts)", 735), SingleRow("Real estate", 736),
         SingleRow("Other CGT assets and any other CGT events", 737),
         SingleRow("Total current year capital losses", 738)});
}

SchedulePart PartD() {
    Texts titles = GainTitles;
    titles[3] = "Total capital losses applied";
    const Texts columns = {"index method", "discount method", "other capital gains",
                           "Total Capital losses"};
    return MakePart(
        "Part D", "Applying capital losses against current year capital gains", titles,
        {Suffixed("Current year capital losses applied", {739, 740, 741, 742}, columns),
         Suffixed("Prior year capital losses applied", {743, 744, 745, 746}, columns),
         Suffixed("Capital losses transferred in applied", {747, 748, 749, 1100}, columns),
         Suffixed("Total capital losses applied", {1101, 1102, 1103, 1104}, columns)});
}

SchedulePart PartE() {
    const Texts columns = {"capital gains index method", "capital gains discount method",
                           "other capital gains", ""};
    return MakePart(
        "Part E", "Current year capital gains (CYCG) after applying capital losses ", GainTitles,
        {Suffixed("Non active assets", {1105, 1106, 1107, 0}, columns, "non Active Assets"),
         Suffixed("Active assets", {1108, 1109, 1110, 0}, columns, "Active Assets"),
         Suffixed("Totals-CYCG after applying capital losses", {1111, 1112, 1113, 0}, columns)});
}

SchedulePart PartF() {
    const Texts columns = {"", "discount method", "", ""};
    return MakePart("Part F", "Applying the CGT discount on capital gains",
                    {"", GainTitles[1], "", ""},
                    {Suffixed("From non active assets", {0, 1114, 0, 0}, columns,
                              "Capital gains from non-active assets"),
                     Suffixed("From active assets", {0, 1115, 0, 0}, columns,
                              "Capital gains from active assets")});
}

SchedulePart PartG() {
    const Texts columns = {"capital gains, index method", "capital gains, discount method",
                           "other capital gains", ""};
    return MakePart(
        "Part G", "Applying the CGT concessions for small business", GainTitles,
        {Suffixed("Small business active asset reduction", {1116, 1117, 1118, 0}, columns),
         Suffixed("Small business retirement exemption", {1119, 1120, 1121, 0}, columns),
         Suffixed("Small business roll-over", {1122, 1123, 1124, 0}, columns)});
}

SchedulePart PartH() {
    Texts titles = GainTitles;
    titles[3] = "Total net capital gain";
    return MakePart(
        "Part H", "Calculating net capital gain", titles,
        {Suffixed("Totals - CGT discount & small business concessions", {1125, 1126, 1127, 0},
                  {"capital gains, index method", "capital gains, discount method",
                   "Other capital gains", ""}),
         Suffixed("Net capital gains", {1128, 1129, 1130, 1131},
                  {"capital gains, index method", "capital gains, discount method",
                   "other capital gains", "total"})});
}

SchedulePart PartI() {
    return MakePart("Part I",
                    "Unapplied net capital losses (UNCL) carried forward to later income years", {},
                    {SingleRow("UNCL from collectables", 1132),
                     SingleRow("UNCL from all other CGT assets and other CGT events", 1133)});
}

SchedulePart PartJ() {
    ScheduleRow code = SingleRow("CGT asset or CGT event code", 1135);
    code.codeText = true;
    return MakePart("Part J", "Small business 15-year exemption", {},
                    {SingleRow("Exempt capital gains", 1134), code});
}

SchedulePart PartK() {
    ScheduleRow cost;
    cost.label = "Original interests cost base";
    cost.amounts[1] = {1137, cost.label};
    SchedulePart part = MakePart(
        "Part K", "Scrip for scrip roll-over relief for exchanging taxpayer", {},
        {cost, SingleRow("Replacement interests market value", 1138),
         SingleRow("Cash and other\nconsiderations", 1139, "Cash and other considerations")});
    part.checkField = 1136;
    part.checkCaption = "Roll-over chosen?";
    return part;
}

}  // namespace

const std::vector<SchedulePart>& ScheduleParts() {
    static const std::vector<SchedulePart> parts = {PartA(), PartB(), PartD(), PartE(), PartF(),
                                                    PartG(), PartH(), PartI(), PartJ(), PartK()};
    return parts;
}

int PartShownAfterLeaving(int field) {
    // Parts A, B, D, E, F, G and H end on these boxes; the next part follows each.
    static const std::array<int, 7> lastFields = {734, 738, 1104, 1113, 1115, 1124, 1131};
    for (size_t i = 0; i < lastFields.size(); ++i)
        if (lastFields[i] == field) return static_cast<int>(i) + 1;
    return -1;
}
