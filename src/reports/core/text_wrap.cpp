#include "reports/core/text_wrap.h"

#include <algorithm>
#include <cmath>

namespace {

// The longest start of `word` that fits, at least one character.
size_t FittingPrefix(const std::string& word, int width, TCanvas& canvas) {
    size_t n = word.size();
    while (n > 1 && canvas.TextWidth(word.substr(0, n)) > width) --n;
    return n;
}

void WrapParagraph(const std::string& paragraph, int width, TCanvas& canvas,
                   std::vector<std::string>& lines) {
    std::string line;
    size_t at = 0;
    while (at < paragraph.size()) {
        const size_t space = paragraph.find(' ', at);
        std::string word =
            paragraph.substr(at, space == std::string::npos ? std::string::npos : space - at);
        at = space == std::string::npos ? paragraph.size() : space + 1;
        const std::string joined = line.empty() ? word : line + ' ' + word;
        if (canvas.TextWidth(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        while (canvas.TextWidth(word) > width && word.size() > 1) {
            const size_t n = FittingPrefix(word, width, canvas);
            lines.push_back(word.substr(0, n));
            word.erase(0, n);
        }
        line = word;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, int width, TCanvas& canvas,
                                  size_t maxLines) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (lines.size() < maxLines) {
        const size_t end = text.find('\n', start);
        std::string paragraph = text.substr(start, end == std::string::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        WrapParagraph(paragraph, width, canvas, lines);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    if (lines.size() > maxLines) lines.resize(maxLines);
    return lines;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

namespace {

// Sets the largest size, from the font's own down to six tenths of it, at which the line fits
// the width; true when it is smaller than the font's.
bool ShrinkLine(const std::string& line, int width, const CanvasFont& font, TCanvas& canvas) {
    if (canvas.TextWidth(line) <= width) return false;
    CanvasFont smaller = font;
    const int smallest = std::max(1, font.size * 6 / 10);
    do {
        --smaller.size;
        canvas.SetFont(smaller);
    } while (smaller.size > smallest && canvas.TextWidth(line) > width);
    return true;
}

}  // namespace

void DrawLines(const std::vector<std::string>& lines, const TRect& box, LineAlign align,
               TCanvas& canvas, double pitch, size_t rows, const CanvasFont* font) {
    int y = box.top;
    for (size_t i = 0; i < lines.size() && i < rows; ++i) {
        const std::string& line = lines[i];
        int height = 0;
        if (pitch > 0) {
            y = box.top + static_cast<int>(std::lround(static_cast<double>(i) * pitch));
        } else {
            height = canvas.TextHeight(line.empty() ? "X" : line);
            if (y + height > box.bottom && y > box.top) break;
        }
        const bool shrunk = font && font->size > 1 && ShrinkLine(line, box.Width(), *font, canvas);
        int x = box.left;
        if (align == LineAlign::Right) x = box.right - canvas.TextWidth(line);
        if (align == LineAlign::Centre) x = box.left + (box.Width() - canvas.TextWidth(line)) / 2;
        canvas.TextOut(x, y, line);
        if (shrunk) canvas.SetFont(*font);
        y += height;
    }
}
