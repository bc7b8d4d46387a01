#include "answers_file.h"

#include <charconv>
#include <sstream>

#include "base/text_encoding.h"
#include "store/file_bytes.h"

namespace {

constexpr size_t MostColumns = 100;

// "text:"A "" -> "text:A ": the quotes are there only to keep the blanks.
std::string Unquoted(const std::string& value) {
    const size_t colon = value.find(':');
    const size_t start = colon == std::string::npos ? 0 : colon + 1;
    if (value.size() - start >= 2 && value[start] == '"' && value.back() == '"')
        return value.substr(0, start) + value.substr(start + 1, value.size() - start - 2);
    return value;
}

bool ReadCount(const std::string& text, size_t& count) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, count);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

class AnswersReader {
public:
    explicit AnswersReader(std::vector<FieldAssignment>& answers) : answers_(answers) {}

    bool Line(const std::string& line, const std::string& source, std::string& error) {
        source_ = source;
        if (line.front() == '[') return Section(line, error);
        if (line.front() == '|') return Row(line, error);
        return Answer(line, error);
    }

private:
    // "[N.K]" names an item, "[]" the return itself.
    bool Section(const std::string& line, std::string& error) {
        const std::string inside = TrimmedText(line.substr(1, line.size() - 2));
        const size_t dot = inside.find('.');
        const bool item = inside.find_first_not_of("0123456789.") == std::string::npos &&
                          dot != std::string::npos && dot > 0 && dot + 1 < inside.size() &&
                          inside.find('.', dot + 1) == std::string::npos;
        if (line.back() != ']' || (!inside.empty() && !item)) {
            error = "\"" + line + "\" is not an item [FIELD.ITEM] or []";
            return false;
        }
        prefix_ = inside.empty() ? std::string() : inside + ".";
        columns_ = 0;
        return true;
    }

    bool Row(const std::string& line, std::string& error) {
        if (columns_ == 0) {
            error = "a row \"| ... |\" belongs under a FIELD=rows:COLUMNS line";
            return false;
        }
        std::string cells = line.substr(1);
        if (!cells.empty() && cells.back() == '|') cells.pop_back();
        // The table's list holds its cells as typed: Latin-1.
        std::vector<std::string> row;
        if (!SplitLatin1Cells(cells, row, error)) return false;
        for (std::string& cell : row) cell = TrimmedText(cell);
        if (row.size() > columns_) {
            error = "the row has " + std::to_string(row.size()) + " cells; the table has " +
                    std::to_string(columns_) + " columns";
            return false;
        }
        row.resize(columns_);
        std::vector<std::string>& lines = answers_.back().lines;
        lines.insert(lines.end(), row.begin(), row.end());
        return true;
    }

    bool Answer(const std::string& line, std::string& error) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            error = "\"" + line + "\" is not an answer FIELD=VALUE";
            return false;
        }
        const std::string target = prefix_ + TrimmedText(line.substr(0, equals));
        const std::string value = TrimmedText(line.substr(equals + 1));
        columns_ = 0;
        FieldAssignment answer;
        if (value.rfind("rows:", 0) == 0) {
            if (!ReadCount(value.substr(5), columns_) || columns_ == 0 || columns_ > MostColumns) {
                columns_ = 0;
                error = "\"" + value + "\" is not a table rows:COLUMNS of 1 to 100 columns";
                return false;
            }
            if (!ParseFieldAssignment(target + "=lines:", answer, error)) return false;
        } else if (!ParseFieldAssignment(target + "=" + Unquoted(value), answer, error)) {
            return false;
        }
        answer.source = source_;
        answers_.push_back(answer);
        return true;
    }

    std::vector<FieldAssignment>& answers_;
    std::string prefix_, source_;
    size_t columns_ = 0;
};

}  // namespace

bool ReadAnswersFile(const std::string& path, std::vector<FieldAssignment>& answers,
                     std::string& error) {
    // Only a regular file of a return's size: a folder, pipe or device is refused at once.
    std::vector<uint8_t> bytes;
    if (const int problem = ReadFileBytes(path, bytes)) {
        error = path + ": cannot be read: " + FileProblemText(problem, path);
        return false;
    }
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    return ReadAnswers(in, path, answers, error);
}

bool ReadAnswers(std::istream& in, const std::string& name, std::vector<FieldAssignment>& answers,
                 std::string& error) {
    AnswersReader reader(answers);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = TrimmedText(line);
        if (line.empty() || line.front() == '#') continue;
        const std::string source = name + ":" + std::to_string(number);
        if (std::string why; !reader.Line(line, source, why)) {
            error = source + ": " + why;
            return false;
        }
    }
    return true;
}
