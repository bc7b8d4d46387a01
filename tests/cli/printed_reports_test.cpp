// Every report of the sample return, and of a return whose share parcel has 500 cost
// elements and 100 payments, printed with orvana-tax print and read back with pdftotext:
// every stored name, amount and list row its script prints is on the pages, whole, inside
// its own box, and no word prints over another.

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "long_lists_return.h"
#include "orvana_tax_fixture.h"
#include "pdf_text.h"

namespace {

const std::string Bin = ORVANA_BIN_DIR;
const std::string Scripts = ORVANA_SOURCE_DIR "/src/reports/scripts/";
const std::string LongName = "Alexandra Catherine Montgomery-Whitfield";  // 40 characters

// What a script prints from the store: a field or a list column, in a box.
struct Printed {
    int field = 0;
    int column = -1, stride = 0;  // a list column, when column >= 0
    double left = 0, right = 0;   // the box, points from the paper's edge
};

// The field and list-column records of a script's source, each with the box before it.
// Totals, loss markers and wrapped notes are worked out or reworded on the page, not stored.
std::vector<Printed> PrintedFields(const std::string& report) {
    std::string name = report;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::ifstream in(Scripts + name + ".rpt");
    const std::regex box(R"(^\s*box (-?\d+) (-?\d+) (-?\d+) (-?\d+))");
    const std::regex field(R"(^\s*field (\d+)(.*))");
    const std::regex column(R"(ref=C:(\d+):(\d+):(\d+))");
    const std::regex kind(R"(kind=(\d+))"), at(R"(column=(\d+) width=(\d+))");
    const auto points = [](int units) { return PdfPoints(15 + units / 10.0); };
    std::vector<Printed> printed;
    double left = 0, right = 0;
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, box)) {
            left = points(std::stoi(m[1]));
            right = points(std::stoi(m[3]));
        } else if (std::regex_search(line, m, field)) {
            const std::string rest = m[2];
            std::smatch k, c;
            const int alignment = std::regex_search(rest, k, kind) ? std::stoi(k[1]) : 0;
            if (alignment == 9 && std::regex_search(rest, c, at))
                printed.push_back({std::stoi(m[1]), std::stoi(c[1]), std::stoi(c[2]), left, right});
            else if (alignment <= 6)
                printed.push_back({std::stoi(m[1]), -1, 0, left, right});
        } else if (std::regex_search(line, m, column)) {
            printed.push_back({std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), left, right});
        }
    }
    return printed;
}

// Words as pdftotext reads them: single spaces between them, none around them.
std::string Trimmed(const std::string& text) {
    std::string words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words += (words.empty() ? "" : " ") + word;
    return words;
}

// A field's text as a printed field shows it: without a minus, the TFN grouped.
std::string Shown(int field, const json& value) {
    std::string text = value.value("text", "");
    if (field == 1) {
        std::string digits;
        for (char c : text)
            if (c != ' ') digits += c;
        text = digits.size() == 9
                   ? digits.substr(0, 3) + " " + digits.substr(3, 3) + " " + digits.substr(6)
                   : text;
    }
    if (!text.empty() && text[0] == '-') text.erase(0, 1);
    return Trimmed(text);
}

// The words of a page whose left edge lies inside the box, line by line, as one text.
std::string BoxText(const PdfPage& page, double left, double right) {
    std::string text = " ";
    for (const std::string& line : PdfColumnLines(page, left - 0.5, right)) text += line + " ";
    return text;
}

bool Overlap(const PdfWord& a, const PdfWord& b) {
    constexpr double slack = 0.3;  // points: glyph boxes of neighbouring words may touch
    return a.xMin + slack < b.xMax && b.xMin + slack < a.xMax && a.yMin + slack < b.yMax &&
           b.yMin + slack < a.yMax;
}

// The printed schedule's labelled amounts, keyed "PART.LABEL" ("A.W", "H.G"; the transfer to
// the return is part "T"), read from the page lines: a label is a lone capital letter that
// stands before an amount, another label or the line's end. A blank label reads 0.
std::map<std::string, long> ScheduleLabels(const std::vector<PdfPage>& pages) {
    std::map<std::string, long> labels;
    std::string part;
    for (const PdfPage& page : pages) {
        // A line's words share a middle to within a few points, whatever their font.
        std::vector<const PdfWord*> byMiddle;
        for (const PdfWord& w : page) byMiddle.push_back(&w);
        const auto middle = [](const PdfWord* w) { return (w->yMin + w->yMax) / 2; };
        std::stable_sort(byMiddle.begin(), byMiddle.end(),
                         [&](const PdfWord* a, const PdfWord* b) { return middle(a) < middle(b); });
        std::vector<std::vector<const PdfWord*>> lines;
        for (const PdfWord* w : byMiddle) {
            if (lines.empty() || middle(w) - middle(lines.back().front()) > 4) lines.emplace_back();
            lines.back().push_back(w);
        }
        for (auto& words : lines) {
            std::sort(words.begin(), words.end(),
                      [](const PdfWord* a, const PdfWord* b) { return a->xMin < b->xMin; });
            std::vector<std::string> tokens;
            for (const PdfWord* w : words) tokens.push_back(w->text);
            if (tokens.size() >= 2 && tokens[0] == "Part") part = tokens[1];
            if (tokens.size() >= 2 && tokens[0] == "Transfer" && tokens[1] == "to") part = "T";
            if (tokens.empty() || tokens[0] == "Part") continue;
            const auto isLabel = [](const std::string& t) {
                return t.size() == 1 && t[0] >= 'A' && t[0] <= 'Z';
            };
            const auto isAmount = [](const std::string& t) {
                return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) {
                    return std::isdigit(static_cast<unsigned char>(c)) || c == ',';
                });
            };
            for (size_t i = 0; i < tokens.size(); ++i) {
                if (!isLabel(tokens[i])) continue;
                const bool last = i + 1 == tokens.size();
                if (!last && !isLabel(tokens[i + 1]) && !isAmount(tokens[i + 1])) continue;
                long amount = 0;
                if (!last && isAmount(tokens[i + 1])) {
                    std::string digits;
                    for (char c : tokens[i + 1])
                        if (c != ',') digits += c;
                    amount = std::stol(digits);
                }
                labels[part + "." + tokens[i]] = amount;
            }
        }
    }
    return labels;
}

class PrintedReports : public OrvanaTaxTest {
protected:
    // The texts each record of the report's script should print from `fields`.
    static std::vector<std::pair<Printed, std::vector<std::string>>> Expected(
        const std::string& report, const json& fields) {
        std::vector<std::pair<Printed, std::vector<std::string>>> expected;
        for (const Printed& p : PrintedFields(report)) {
            const std::string key = std::to_string(p.field);
            if (!fields.contains(key)) continue;
            const json& value = fields[key];
            std::vector<std::string> texts;
            if (p.column < 0 && value["type"] != "dtList" && value["type"] != "dtCheckbox") {
                texts.push_back(Shown(p.field, value));
            } else if (p.column >= 0 && value["type"] == "dtList") {
                const json& cells = value["value"];
                for (size_t at = static_cast<size_t>(p.column); at < cells.size();
                     at += static_cast<size_t>(p.stride))
                    texts.push_back(Trimmed(cells[at].get<std::string>()));
            }
            std::erase(texts, std::string());
            if (!texts.empty()) expected.emplace_back(p, texts);
        }
        return expected;
    }

    // Prints the report (of the item, when given) and checks its pages against `fields`.
    void Check(const std::string& file, const std::string& tfn, const std::string& report,
               const std::string& item, const json& fields) {
        const std::string where = report + (item.empty() ? "" : " " + item);
        const auto expected = Expected(report, fields);
        const std::string pdf = scratch.File("report.pdf");
        std::vector<std::string> args = {"print", file, "--tfn", tfn, "--report", report};
        if (!item.empty()) args.insert(args.end(), {"--item", item});
        args.insert(args.end(), {"--pdf", pdf});
        const ToolRun run = Tax(args);
        if (run.err.find("no pages") != std::string::npos) {
            // A table with no rows prints nothing: then nothing it prints is stored.
            EXPECT_EQ(expected.size(), 0u) << where << " printed no pages";
            return;
        }
        ASSERT_EQ(run.status, 0) << where << ": " << run.err;
        const std::vector<PdfPage> pages = PdfWords(pdf, scratch.File("words.html"));
        ASSERT_FALSE(pages.empty()) << where;
        ++printed;

        for (const auto& [p, texts] : expected) {
            // Each in order down the box's column, across the pages, whole.
            std::string column;
            for (const PdfPage& page : pages) column += BoxText(page, p.left, p.right);
            size_t from = 0;
            for (const std::string& text : texts) {
                const size_t found = column.find(" " + text + " ", from);
                ASSERT_NE(found, std::string::npos)
                    << where << ": field " << p.field << " column " << p.column << " \"" << text
                    << "\" not whole in its box after:\n"
                    << column.substr(from, 400);
                from = found + text.size() + 1;
                ++values;
            }
        }
        // Nothing prints over anything else.
        for (size_t n = 0; n < pages.size(); ++n)
            for (size_t i = 0; i < pages[n].size(); ++i)
                for (size_t j = i + 1; j < pages[n].size(); ++j)
                    ASSERT_FALSE(Overlap(pages[n][i], pages[n][j]))
                        << where << " page " << n + 1 << ": \"" << pages[n][i].text << "\" and \""
                        << pages[n][j].text << "\" overlap";
    }

    // Every report of the return: the item reports for each item, the payments worksheet of
    // the items that list payments, and the return's own reports.
    void CheckEveryReport(const std::string& file, const std::string& tfn) {
        const json stored = DumpJson(file, tfn)["fields"];
        for (int field = 1202; field <= 1213; ++field) {
            const std::string key = std::to_string(field);
            if (!stored.contains(key) || !stored[key].contains("items")) continue;
            int n = 0;
            for (const json& item : stored[key]["items"]) {
                const std::string id = std::to_string(field - 751) + "." + std::to_string(++n);
                json fields = stored;
                for (const auto& [number, value] : item["fields"].items()) fields[number] = value;
                Check(file, tfn, "CGTWSHT", id, fields);
                Check(file, tfn, "CGTASSET", id, fields);
                if (item["fields"].contains("1199")) Check(file, tfn, "CGTNASS", id, fields);
                ++items;
            }
        }
        json schedule = stored;
        if (stored.contains("1220") && stored["1220"].contains("items"))
            for (const auto& [number, value] : stored["1220"]["items"][0]["fields"].items())
                schedule[number] = value;
        Check(file, tfn, "CGTCHOICEOLD", "", stored);
        Check(file, tfn, "SCHEDCGT", "", schedule);
    }

    // The two tables whose rows draw each cell in its own row box.
    void CheckRowTables(const std::string& file, const std::string& tfn) {
        const json stored = DumpJson(file, tfn)["fields"];
        for (const char* report : {"CGTCHOICE", "CGTDISEV"}) Check(file, tfn, report, "", stored);
    }

    // The printed schedule adds up: each Part's totals are its lines, the gains after losses
    // are the gains less the losses applied, the net capital gain is what is left after the
    // discount and concessions, and the transfer to the return repeats them.
    void CheckScheduleAddsUp(const std::string& file, const std::string& tfn) {
        const std::string pdf = scratch.File("schedule.pdf");
        const ToolRun run =
            Tax({"print", file, "--tfn", tfn, "--report", "SCHEDCGT", "--pdf", pdf});
        ASSERT_EQ(run.status, 0) << run.err;
        std::map<std::string, long> l = ScheduleLabels(PdfWords(pdf, scratch.File("s.html")));
        for (const char* label : {"A.V", "A.W", "A.X", "B.D", "D.P", "E.G", "H.G", "T.A", "T.H"})
            ASSERT_TRUE(l.contains(label)) << label << " is not on the schedule";
        const auto sum = [&](std::initializer_list<const char*> keys) {
            long total = 0;
            for (const char* key : keys) total += l[key];
            return total;
        };
        EXPECT_EQ(l["A.V"], sum({"A.A", "A.D", "A.G", "A.J", "A.M", "A.P", "A.S"}));
        EXPECT_EQ(l["A.W"], sum({"A.B", "A.E", "A.H", "A.K", "A.N", "A.Q", "A.T"}));
        EXPECT_EQ(l["A.X"], sum({"A.C", "A.F", "A.I", "A.L", "A.O", "A.R", "A.U"}));
        EXPECT_EQ(l["B.D"], sum({"B.A", "B.B", "B.C"}));
        EXPECT_EQ(l["D.M"], sum({"D.A", "D.E", "D.I"}));
        EXPECT_EQ(l["D.N"], sum({"D.B", "D.F", "D.J"}));
        EXPECT_EQ(l["D.O"], sum({"D.C", "D.G", "D.K"}));
        EXPECT_EQ(l["D.P"], sum({"D.M", "D.N", "D.O"}));
        EXPECT_EQ(l["D.P"], sum({"D.D", "D.H", "D.L"}));
        EXPECT_EQ(l["E.G"], l["A.V"] - l["D.M"]);
        EXPECT_EQ(l["E.H"], l["A.W"] - l["D.N"]);
        EXPECT_EQ(l["E.I"], l["A.X"] - l["D.O"]);
        EXPECT_EQ(l["E.G"], sum({"E.A", "E.D"}));
        EXPECT_EQ(l["E.H"], sum({"E.B", "E.E"}));
        EXPECT_EQ(l["E.I"], sum({"E.C", "E.F"}));
        // Half the discount gains left after losses, to the dollar.
        EXPECT_LE(std::abs(2 * sum({"F.A", "F.B"}) - l["E.H"]), 2);
        EXPECT_EQ(l["H.D"], l["E.G"] - l["H.A"]);
        EXPECT_EQ(l["H.E"], l["E.H"] - l["H.B"]);
        EXPECT_EQ(l["H.F"], l["E.I"] - l["H.C"]);
        EXPECT_EQ(l["H.G"], sum({"H.D", "H.E", "H.F"}));
        EXPECT_EQ(l["T.H"], sum({"A.V", "A.W", "A.X"}));
        EXPECT_EQ(l["T.A"], l["H.G"]);
        EXPECT_EQ(l["T.V"], sum({"I.H", "I.I"}));
        EXPECT_GT(l["T.H"], 0);
        EXPECT_GT(l["T.A"], 0);
    }

    std::string SampleTfn() const {
        std::string tfn = Slurp(Bin + "/SAMPLE.TFN");
        while (!tfn.empty() && tfn.back() == '\n') tfn.pop_back();
        return tfn;
    }

    void MakeLongLists() {
        const std::string answers = scratch.File("answers.txt");
        std::ofstream(answers) << LongListsAnswers(500, 100, LongName);
        ASSERT_EQ(Tax({"new", file, "--tfn", "123456782", "--name", LongName}).status, 0);
        const ToolRun set = Tax({"set", file, "--tfn", "123456782", "--from", answers});
        ASSERT_EQ(set.status, 0) << set.err;
        ASSERT_EQ(Tax({"calc", file, "--tfn", "123456782", "--auto"}).status, 0);
    }

    int printed = 0, items = 0, values = 0;
};

}  // namespace

TEST_F(PrintedReports, EveryReportOfTheSampleReturnShowsEveryStoredFigureWhole) {
    CheckEveryReport(Bin + "/SAMPLE.TAX", SampleTfn());
    EXPECT_EQ(items, 6);
    EXPECT_GT(values, 200);
}

TEST_F(PrintedReports, TheScheduleOfTheSampleAndOfALongReturnAddsUpPartByPart) {
    CheckScheduleAddsUp(Bin + "/SAMPLE.TAX", SampleTfn());
    MakeLongLists();
    CheckScheduleAddsUp(file, "123456782");
}

TEST_F(PrintedReports, EveryReportOfAReturnWithLongListsShowsEveryRowWhole) {
    MakeLongLists();
    CheckEveryReport(file, "123456782");
    EXPECT_EQ(items, 1);
    // Every row of the payments worksheet: 500 cost elements and 7 rows a payment.
    EXPECT_GT(values, (500 + 100 * 7) * 3);
}

// Their rows draw each cell in its own one-line box: a long name prints smaller there
// rather than running into the totals.
TEST_F(PrintedReports, TheChoiceAndEventTablesShowEveryCellWhole) {
    CheckRowTables(Bin + "/SAMPLE.TAX", SampleTfn());
    MakeLongLists();
    CheckRowTables(file, "123456782");
    EXPECT_EQ(printed, 3);
}
