#include "import/company_names.h"

#include "base/latin1_case.h"
#include "base/text_encoding.h"

bool ReadCompanyNames(const std::string& text, CompanyNames& names, ImportProblem& problem) {
    for (const auto& [line, record] : CsvRecords(text)) {
        if (TrimmedText(record).empty()) continue;
        const std::vector<std::string> cells = SplitCsvRecord(record, CsvSeparator(record));
        const std::string code = cells.empty() ? std::string() : TrimmedText(cells[0]);
        const std::string name = cells.size() < 2 ? std::string() : TrimmedText(cells[1]);
        if (code.empty() || name.empty()) {
            problem = {line, "\"" + record + "\" is not CODE,Name"};
            return false;
        }
        names[Latin1UpperText(code)] = name;
    }
    return true;
}

bool ParseCompanyName(const std::string& text, CompanyNames& names, std::string& error) {
    const size_t equals = text.find('=');
    const std::string code =
        equals == std::string::npos ? std::string() : TrimmedText(text.substr(0, equals));
    const std::string name = code.empty() ? std::string() : TrimmedText(text.substr(equals + 1));
    if (name.empty()) {
        error = "--name takes CODE=Name, not \"" + text + "\"";
        return false;
    }
    names[Latin1UpperText(code)] = name;
    return true;
}

void NameCompanies(const CompanyNames& names, TradeList& list) {
    for (Trade& trade : list.trades) {
        if (!trade.company.empty()) continue;
        const auto it = names.find(trade.code);
        if (it != names.end()) trade.company = it->second;
    }
}
