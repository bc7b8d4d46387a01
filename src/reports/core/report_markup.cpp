#include "reports/core/report_markup.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/markup_parser.h"
#include "base/text_variables.h"
#include "reports/core/report_palette.h"

namespace {

struct Piece {
    std::string text;
    CanvasFont font;
    int width = 0, height = 0;
};

class MarkupWriter {
public:
    MarkupWriter(const TRect& box, LineAlign align, const CanvasFont& start,
                 const MarkupScale& scale, TCanvas& canvas)
        : box_(box),
          align_(align),
          start_(start),
          font_(start),
          scale_(scale),
          canvas_(canvas),
          x_(box.left),
          y_(box.top) {}

    int Write(const std::string& text) {
        size_t from = 0;
        while (true) {
            const size_t end = text.find('\n', from);
            std::string line = text.substr(from, end == std::string::npos ? end : end - from);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            for (const MarkupToken& token : TokenizeMarkupLine(line)) {
                if (token.isTag)
                    for (const MarkupCommand& c : token.commands) Command(c);
                else
                    Words(token.text);
            }
            NewLine();
            if (end == std::string::npos) break;
            from = end + 1;
        }
        return unreadable_;
    }

private:
    void Command(const MarkupCommand& c) {
        const auto number = [&](size_t digits) { return ReadCommandNumber(c.argument, digits); };
        switch (c.letter) {
            case '.':
                font_ = start_;
                spacing_ = 10;
                return;
            case '@':
                Words(GetVariable("@" + c.argument));
                return;
            case 'F':
                if (c.argument.empty()) break;
                font_.name = c.argument.substr(0, 30);
                return;
            case 'C':
                if (const auto n = number(2)) {
                    font_.colour = ReducedTextColour(*n);
                    return;
                }
                break;
            case 'L':
                if (const auto n = number(2); n && *n > 0) {
                    spacing_ = *n;
                    return;
                }
                break;
            case 'S':
                if (const auto n = number(3); n && *n > 0) {
                    font_.size = std::max(1, static_cast<int>(std::lround(*n * scale_.fontZoom)));
                    return;
                }
                break;
            case 'T':
                if (const auto n = number(1)) {
                    font_.bold = *n & 1;
                    font_.italic = *n & 2;
                    font_.underline = *n & 4;
                    return;
                }
                break;
            case 'X':
                if (const auto n = number(4)) {
                    Flush();
                    x_ = box_.left + Px(*n, scale_.unitX);
                    return;
                }
                break;
            case 'Y':
                if (const auto n = number(4)) {
                    Flush();
                    y_ = box_.top + Px(*n, scale_.unitY);
                    return;
                }
                break;
            default:
                break;
        }
        ++unreadable_;
    }

    static int Px(int units, double perUnit) {
        return static_cast<int>(std::lround(units * perUnit));
    }

    void Words(const std::string& text) {
        canvas_.SetFont(font_);
        size_t at = 0;
        while (at < text.size()) {
            size_t end = text.find(' ', at);
            end = end == std::string::npos ? text.size() : end + 1;  // keep the space
            Add(text.substr(at, end - at));
            at = end;
        }
    }

    void Add(const std::string& word) {
        const int width = canvas_.TextWidth(word);
        if (x_ + LineWidth() + width > box_.right && !pieces_.empty()) NewLine();
        pieces_.push_back({word, font_, width, canvas_.TextHeight(word)});
    }

    int LineWidth() const {
        int w = 0;
        for (const Piece& p : pieces_) w += p.width;
        return w;
    }

    // Draws the pieces gathered for the line so far, sharing one bottom.
    void Flush() {
        if (pieces_.empty()) return;
        int height = 0;
        for (const Piece& p : pieces_) height = std::max(height, p.height);
        const int width = LineWidth();
        int x = x_;
        if (align_ == LineAlign::Right) x = box_.right - width;
        if (align_ == LineAlign::Centre) x = box_.left + (box_.Width() - width) / 2;
        if (y_ + height <= box_.bottom || y_ == box_.top) {
            for (const Piece& p : pieces_) {
                canvas_.SetFont(p.font);
                canvas_.TextOut(x, y_ + height - p.height, p.text);
                x += p.width;
            }
        }
        x_ += width;
        lastHeight_ = height;
        pieces_.clear();
    }

    void NewLine() {
        Flush();
        if (lastHeight_ == 0) {
            canvas_.SetFont(font_);
            lastHeight_ = canvas_.TextHeight("X");
        }
        y_ += lastHeight_ * spacing_ / 10;
        x_ = box_.left;
        lastHeight_ = 0;
    }

    TRect box_;
    LineAlign align_;
    CanvasFont start_, font_;
    MarkupScale scale_;
    TCanvas& canvas_;
    int x_, y_;
    int spacing_ = 10, lastHeight_ = 0, unreadable_ = 0;
    std::vector<Piece> pieces_;
};

}  // namespace

int DrawMarkupText(const std::string& text, const TRect& box, LineAlign align,
                   const CanvasFont& start, const MarkupScale& scale, TCanvas& canvas) {
    return MarkupWriter(box, align, start, scale, canvas).Write(text);
}
