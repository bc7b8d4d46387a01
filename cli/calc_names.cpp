#include "calc_names.h"

namespace {

using Fields = std::vector<NamedField>;

// Three amounts side by side: index method, discount method, other.
void Methods(Fields& out, int first, const std::string& path, const std::string& label) {
    out.push_back({first, path + ".indexed", label + " (index method)"});
    out.push_back({first + 1, path + ".discount", label + " (discount method)"});
    out.push_back({first + 2, path + ".other", label + " (other)"});
}

// Part D's rows: the three method columns and a total.
void WithTotal(Fields& out, int first, int total, const std::string& path,
               const std::string& label) {
    Methods(out, first, path, label);
    out.push_back({total, path + ".total", label + " (total)"});
}

Fields Schedule() {
    Fields f;
    Methods(f, 711, "partA.shares", "Capital gains: shares and units");
    Methods(f, 714, "partA.realEstate", "Capital gains: real estate");
    Methods(f, 717, "partA.other", "Capital gains: other CGT assets and events");
    Methods(f, 720, "partA.collectables", "Capital gains: collectables");
    Methods(f, 723, "partA.active.shares", "Capital gains: active assets, shares and units");
    Methods(f, 726, "partA.active.realEstate", "Capital gains: active assets, real estate");
    Methods(f, 729, "partA.active.other", "Capital gains: active assets, other");
    Methods(f, 732, "partA.total", "Total current year capital gains");
    f.push_back({735, "partB.shares", "Current year capital losses: shares and units"});
    f.push_back({736, "partB.realEstate", "Current year capital losses: real estate"});
    f.push_back({737, "partB.other", "Current year capital losses: other"});
    f.push_back({738, "partB.total", "Total current year capital losses"});
    WithTotal(f, 739, 742, "partD.currentYear", "Current year capital losses applied");
    WithTotal(f, 743, 746, "partD.priorYears", "Prior year capital losses applied");
    WithTotal(f, 747, 1100, "partD.transferredIn", "Capital losses transferred in applied");
    WithTotal(f, 1101, 1104, "partD.total", "Total capital losses applied");
    Methods(f, 1105, "partE.nonActive", "Gains after losses: non-active assets");
    Methods(f, 1108, "partE.active", "Gains after losses: active assets");
    Methods(f, 1111, "partE.total", "Gains after losses");
    f.push_back({1114, "partF.nonActive", "CGT discount: non-active assets"});
    f.push_back({1115, "partF.active", "CGT discount: active assets"});
    Methods(f, 1116, "partG.activeAssetReduction", "Small business active asset reduction");
    Methods(f, 1119, "partG.retirementExemption", "Small business retirement exemption");
    Methods(f, 1122, "partG.rollOver", "Small business roll-over");
    Methods(f, 1125, "partH.reductions", "CGT discount and small business concessions");
    WithTotal(f, 1128, 1131, "partH.netCapitalGain", "Net capital gain");
    f.push_back({1132, "partI.collectables", "Net capital losses carried forward: collectables"});
    f.push_back({1133, "partI.other", "Net capital losses carried forward: other"});
    f.push_back({1134, "partJ.exemptGains", "Small business 15-year exemption"});
    f.push_back({1135, "partJ.code", "15-year exemption: CGT asset or event code"});
    f.push_back({1136, "partK.rollOverChosen", "Scrip for scrip roll-over chosen", true});
    f.push_back({1167, "partK.rollOverNotChosen", "Scrip for scrip roll-over not chosen", true});
    f.push_back({1137, "partK.originalCostBase", "Original interests cost base"});
    f.push_back({1138, "partK.replacementMarketValue", "Replacement interests market value"});
    f.push_back({1139, "partK.cashAndOther", "Cash and other considerations"});
    return f;
}

Fields Labels() {
    return {
        {169, "totalCurrentYearGains", "Total current year capital gains"},
        {170, "cgtEvent.yes", "CGT event during the year: yes", true},
        {171, "cgtEvent.no", "CGT event during the year: no", true},
        {174, "netCapitalGain", "Net capital gain"},
        {175, "netCapitalLossesCarriedForward", "Net capital losses carried forward"},
        {1578, "module.netCapitalGain", "Net capital gain (the module's)"},
        {1579, "module.totalCurrentYearGains", "Total current year capital gains (the module's)"},
        {1585, "module.hasCgtRecords", "The return has CGT records", true},
    };
}

Fields AssetResults() {
    Fields f;
    f.push_back({1112, "costBase.nonIndexed", "Cost base (not indexed)"});
    f.push_back({1113, "costBase.indexed", "Cost base (indexed)"});
    f.push_back({1114, "costBase.reduced", "Reduced cost base"});
    f.push_back({1118, "adjustedCostBase.nonIndexed", "Adjusted cost base (not indexed)"});
    f.push_back({1119, "adjustedCostBase.indexed", "Adjusted cost base (indexed)"});
    f.push_back({1120, "adjustedCostBase.reduced", "Adjusted reduced cost base"});
    f.push_back({1132, "gain.indexed", "Capital gain (index method)"});
    f.push_back({1135, "gain.discount", "Capital gain (discount method)"});
    f.push_back({1138, "gain.other", "Capital gain (other method)"});
    f.push_back({1141, "loss", "Capital loss"});
    f.push_back({1152, "payments.nonIndexed", "Non-assessable payments (not indexed)"});
    f.push_back({1153, "payments.indexed", "Non-assessable payments (indexed)"});
    f.push_back({1154, "payments.reduced", "Non-assessable payments (reduced cost base)"});
    f.push_back({1155, "payments.gain.discount", "Payments' gain (discount method)"});
    f.push_back(
        {1156, "payments.gain.discountPriorYears", "Payments' gain of prior years (discount)"});
    f.push_back({1157, "payments.gain.indexed", "Payments' gain (index method)"});
    f.push_back(
        {1158, "payments.gain.indexedPriorYears", "Payments' gain of prior years (indexed)"});
    f.push_back({1159, "payments.gain.other", "Payments' gain (other method)"});
    f.push_back({1160, "payments.gain.otherPriorYears", "Payments' gain of prior years (other)"});
    f.push_back({1196, "proceedsAboveZero", "Capital proceeds above zero", true});
    f.push_back({1198, "payments.gainThisYear", "Payments made a gain this year", true});
    return f;
}

}  // namespace

const std::vector<NamedField>& ScheduleFieldNames() {
    static const Fields fields = Schedule();
    return fields;
}

const std::vector<NamedField>& ReturnLabelNames() {
    static const Fields fields = Labels();
    return fields;
}

const std::vector<NamedField>& AssetResultNames() {
    static const Fields fields = AssetResults();
    return fields;
}

const std::vector<ChoiceColumnName>& ChoiceColumnNames() {
    static const std::vector<ChoiceColumnName> columns = {
        {"section", false},
        {"description", false},
        {"type", false},
        {"indexedGain", true},
        {"discountGain", true},
        {"choiceRequired", false},
        {"method", false},
        {"otherGain", true},
        {"loss", true},
        {"canDefer", false},
        {"deferAutomatic", false},
        {"defer", false},
        {"collectableLossApplied", true},
        {"priorCollectableLossApplied", true},
        {"otherLossApplied", true},
        {"transferredLossApplied", true},
        {"netGain", true},
        {"worksheet", true},
        {"item", true},
        {"part", false},
        {"indexFactor", true},
    };
    return columns;
}
