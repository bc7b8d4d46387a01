#include "controls/core/markup_layout.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

#include "base/markup_parser.h"
#include "base/message_box.h"
#include "base/module_state.h"
#include "base/numbers.h"
#include "base/text_encoding.h"
#include "base/text_variables.h"

namespace {
enum class Alignment { Left, Right, Centre };

// One pending link of each type; its record is made when its first run is drawn.
struct PendingLink {
    bool active = false;
    int id = 0;
    std::string target;
    int record = -1;
    int lastLine = -1;  // the line of the record's last run
};

class Layouter {
public:
    Layouter(const MarkupLayoutInput& input, const TextMeasurer& measurer)
        : in_(input), measure_(measurer) {
        section_ = in_.section;
        spacing_ = in_.lineSpacing;
        font_ = LabelFont();
        leftEdge_ = in_.kind != tlkNone ? in_.kindIconWidth + 4 : 0;
        indent_ = in_.visionImpaired ? 2 : 0;
        lineStart_ = leftEdge_ + indent_ + in_.bevelWidths;
        x_ = lineStart_;
        y_ = in_.bevelWidths;
    }

    MarkupPlan Run() {
        for (const std::string& line : in_.lines) LayOutLine(line);
        plan_.endY = y_;
        plan_.finalSection = section_;
        return std::move(plan_);
    }

private:
    bool Shown() const { return section_ == in_.currentSection || section_ == AlwaysShownSection; }

    int Scaled(int n) const { return static_cast<int>(RoundEvenToInt(n * in_.positionScale)); }

    int LineAdvance() const {
        return static_cast<int>(RoundEvenToInt(measure_.TextHeight(font_) * spacing_ / 10.0L));
    }

    int ScaledFontSize(int size) const {
        return std::max(1, static_cast<int>(Trunc(size * static_cast<long double>(in_.fontScale))));
    }

    MarkupFont LabelFont() const {
        MarkupFont font = in_.baseFont;
        font.size = ScaledFontSize(in_.baseFont.size);
        return font;
    }

    std::string ValueOf(const std::string& name) const {
        return in_.variables ? Latin1ToUtf8(in_.variables->GetVariable(name)) : std::string();
    }

    void LayOutLine(const std::string& source) {
        plan_.plainTextLines.emplace_back();
        ++lineNumber_;
        const std::string line =
            ExpandVariablesWith(source, [this](const std::string& name) { return ValueOf(name); });
        if (!line.empty() && line[0] == ';') return;
        dropped_ = false;
        for (const MarkupToken& token : TokenizeMarkupLine(line)) {
            if (token.isTag)
                RunTag(token.commands);
            else
                DrawRun(token.text);
            if (dropped_) break;
        }
        if (Shown() && !dropped_) y_ += LineAdvance();
        x_ = lineStart_;
    }

    void RunTag(const std::vector<MarkupCommand>& commands) {
        for (size_t i = 0; i < commands.size() && !dropped_; ++i)
            RunCommand(commands[i], i + 1 == commands.size());
        if (jump_.active || screen_.active || hyperlink_.active) font_.style &= ~msUnderline;
    }

    void Unreadable() { ++plan_.unreadableCommands; }

    void RunCommand(const MarkupCommand& command, bool lastInTag) {
        const std::string& arg = command.argument;
        if (command.letter == 's') {
            section_ = ReadCommandNumber(arg, 5).value_or(1);
            return;
        }
        if (!Shown()) return;
        if (in_.visionImpaired &&
            std::string_view("CFTc").find(command.letter) != std::string::npos)
            return;
        switch (command.letter) {
            case '.':
                font_ = LabelFont();
                jump_ = screen_ = hyperlink_ = PendingLink{};
                break;
            case '@':
                if (!lastInTag) plan_.variableNotLastInTag = true;
                DrawRun(ValueOf("@" + arg));
                break;
            case 'A':
                alignment_ = arg.empty()     ? Alignment::Left
                             : arg[0] == 'R' ? Alignment::Right
                             : arg[0] == 'C' ? Alignment::Centre
                                             : Alignment::Left;
                break;
            case 'C': {
                MarkupColor color;
                const auto index = ReadCommandNumber(arg, 2);
                if (index && TryMarkupColorTableEntry(*index, color))
                    font_.color = color;
                else
                    Unreadable();
                break;
            }
            case 'F':
                if (arg.empty())
                    Unreadable();
                else
                    font_.name = Utf8Prefix(arg, 30);
                break;
            case 'G':
                StartNumberedLink(screen_, ReadCommandNumber(arg, 5), true);
                break;
            case 'H':
                if (TrimmedText(arg).empty()) {
                    Unreadable();
                } else {
                    hyperlink_ = PendingLink{true, ++linkNumber_, TrimmedText(arg), -1};
                }
                break;
            case 'I': {
                TTextLblKind kind = tlkNone;
                if (TryReadKindName(arg, kind)) DrawSmallIcon(kind);
                break;
            }
            case 'J':
                StartNumberedLink(jump_, ReadCommandNumber(arg, 5).value_or(0), false);
                break;
            case 'L':
                spacing_ = ReadCommandNumber(arg, 2).value_or(10);
                break;
            case 'S':
                if (const auto size = ReadCommandNumber(arg, 3))
                    font_.size = ScaledFontSize(*size);
                else
                    Unreadable();
                break;
            case 'T':
                if (const auto style = ReadCommandNumber(arg, 3))
                    font_.style = *style & (msBold | msItalic | msUnderline);
                else
                    Unreadable();
                break;
            case 'V':
                if (const auto id = ReadCommandNumber(arg, 5)) {
                    std::string tag;
                    if (in_.handlers.screenTag) in_.handlers.screenTag(*id, tag);
                    DrawRun(tag);
                } else {
                    Unreadable();
                }
                break;
            case 'X':
                if (const auto n = ReadCommandNumber(arg, 4)) {
                    lineStart_ = leftEdge_ + indent_ + Scaled(*n) + in_.bevelWidths;
                    x_ = lineStart_;
                } else {
                    Unreadable();
                }
                break;
            case 'Y':
                if (const auto n = ReadCommandNumber(arg, 4)) {
                    if (TrimmedText(arg)[0] == '-')
                        y_ = in_.clientHeight - Scaled(-*n) - in_.bevelWidths - LineAdvance();
                    else
                        y_ = Scaled(*n) + in_.bevelWidths;
                } else {
                    Unreadable();
                }
                break;
            case 'c':
                if (const auto id = ReadCommandNumber(arg, 5)) {
                    if (*id == 0)
                        font_.color = in_.baseFont.color;
                    else if (in_.handlers.colorTag)
                        in_.handlers.colorTag(*id, font_.color);
                } else {
                    Unreadable();
                }
                break;
            case 'f':
                if (arg.empty()) {
                    font_ = LabelFont();
                } else if (in_.handlers.fontTag) {
                    MarkupFont changed = font_;
                    in_.handlers.fontTag(arg, changed);
                    font_ = changed;
                }
                break;
            case 'i':
                if (in_.handlers.iconTag) {
                    TTextLblKind kind = tlkNone;
                    in_.handlers.iconTag(arg, kind);
                    DrawSmallIcon(kind);
                }
                break;
            case 'v':
                if (const auto id = ReadCommandNumber(arg, 5)) {
                    bool pass = true;
                    if (*id != 0 && in_.handlers.checkTag) in_.handlers.checkTag(*id, pass);
                    dropped_ = !pass;
                } else {
                    Unreadable();
                }
                break;
            case 'x':
                if (const auto n = ReadCommandNumber(arg, 4))
                    x_ += Scaled(*n);
                else
                    Unreadable();
                break;
            case 'y':
                if (const auto n = ReadCommandNumber(arg, 4))
                    y_ += Scaled(*n);
                else
                    Unreadable();
                break;
            default:
                break;  // other letters mean nothing
        }
    }

    // Zero (and below) is no link; unreadable numbers are reported only when asked.
    void StartNumberedLink(PendingLink& link, std::optional<int> id, bool reportUnreadable) {
        if (!id) {
            if (reportUnreadable) Unreadable();
            return;
        }
        link = *id > 0 ? PendingLink{true, *id, {}, -1} : PendingLink{};
    }

    void DrawSmallIcon(TTextLblKind kind) {
        if (kind == tlkNone) return;
        plan_.icons.push_back({x_, y_ + 2, kind});
        x_ += SmallIconSize;
    }

    template <typename Record>
    int RecordFor(PendingLink& link, std::vector<Record>& records, const MarkupRect& rect,
                  const std::string& text) {
        if (!link.active) return -1;
        if (link.record < 0) {
            link.record = static_cast<int>(records.size());
            Record record;
            if constexpr (std::is_same_v<Record, THLink>) {
                record.linkNumber = link.id;
                record.target = link.target;
            } else if constexpr (std::is_same_v<Record, TJump>) {
                record.JumpID = link.id;
            } else {
                record.ScreenID = link.id;
            }
            records.push_back(std::move(record));
        }
        Record& record = records[static_cast<size_t>(link.record)];
        record.rects.push_back(rect);
        if (link.lastLine >= 0 && link.lastLine != lineNumber_) record.text += ' ';
        record.text += text;
        link.lastLine = lineNumber_;
        return link.record;
    }

    void DrawRun(const std::string& text) {
        if (text.empty() || !Shown() || dropped_) return;
        const int width = measure_.TextWidth(font_, text);
        const int height = measure_.TextHeight(font_);
        int runX = alignment_ == Alignment::Right    ? x_ - width
                   : alignment_ == Alignment::Centre ? x_ - width / 2
                                                     : x_;
        if (in_.kind == tlkAttention) runX = std::max(runX, in_.kindIconWidth + 12);

        MarkupRun run;
        run.x = runX;
        run.y = y_;
        run.width = width;
        run.height = height;
        run.text = text;
        run.font = font_;
        const MarkupRect rect{runX, y_, width, height};
        run.jump = RecordFor(jump_, plan_.jumps, rect, text);
        run.screenLink = RecordFor(screen_, plan_.screenLinks, rect, text);
        run.hyperlink = RecordFor(hyperlink_, plan_.hyperlinks, rect, text);
        plan_.runs.push_back(std::move(run));

        const std::string plain = TrimmedText(text);
        std::string& entry = plan_.plainTextLines.back();
        if (!plain.empty()) {
            if (!entry.empty()) entry += ' ';
            entry += plain;
        }
        x_ = runX + width;
    }

    const MarkupLayoutInput& in_;
    const TextMeasurer& measure_;
    MarkupPlan plan_;

    int section_ = 1;
    int spacing_ = 10;
    MarkupFont font_;
    Alignment alignment_ = Alignment::Left;
    int leftEdge_ = 0, indent_ = 0, lineStart_ = 0;
    int x_ = 0, y_ = 0;
    bool dropped_ = false;
    PendingLink jump_, screen_, hyperlink_;
    int linkNumber_ = 0;
    int lineNumber_ = -1;
};
}  // namespace

MarkupPlan LayOutMarkup(const MarkupLayoutInput& input, const TextMeasurer& measurer) {
    return Layouter(input, measurer).Run();
}

void ReportMarkupProblems(const MarkupPlan& plan) {
    for (int i = 0; i < plan.unreadableCommands; ++i) Beep();
    if (plan.variableNotLastInTag) PlainMessageBox(VariableNotLastMessage);
}
