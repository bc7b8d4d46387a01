#pragma once
// A report over an empty store that loads scripts written in the source form.

#include <map>
#include <string>

#include "reports/core/script_source.h"
#include "reports/core/txreport.h"
#include "store_fixture.h"

class ReportTest : public StoreTest {
protected:
    explicit ReportTest(TReportPrinter* printer = nullptr) : report(printer) {
        report.UnitFactor = 0.1;
        report.FindScript = [this](const std::string& name) -> std::optional<std::vector<uint8_t>> {
            const auto found = scripts_.find(name);
            if (found == scripts_.end()) return std::nullopt;
            return found->second;
        };
    }

    // Compiles the source and lays out all its sections.
    void Load(const std::string& source, bool continued = false) {
        const CompiledScript script = CompileScriptSource(source);
        scripts_[script.name] = WriteScript(script.sections);
        report.AddScript(script.name, 1, continued, 255);
    }

    // Letters of the records of a page, in order.
    std::string Letters(int page) const {
        std::string letters;
        for (const ScriptRecord& r : report.Pages().PageRecords(page)) letters += RecordLetter(r);
        return letters;
    }

    // Texts of the records of a page, in order.
    std::vector<std::string> Texts(int page) const {
        std::vector<std::string> texts;
        for (const ScriptRecord& r : report.Pages().PageRecords(page))
            if (CarriesText(RecordLetter(r))) texts.push_back(report.Pages().Text(r));
        return texts;
    }

    TXReport report;

private:
    std::map<std::string, std::vector<uint8_t>> scripts_;
};

inline bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& t : texts)
        if (t == text) return true;
    return false;
}
