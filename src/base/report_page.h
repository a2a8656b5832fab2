#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klv {

// The extent of "X" in the print font, in device dots: reports place every text in these.
struct ReportMetrics {
    int c = 0;  // character width
    int h = 0;  // line height
};

// One text of a report page at its place; glyph escapes are drawn as their glyphs.
struct ReportText {
    int x = 0;
    int y = 0;
    std::string text;
    bool title = false;  // in the title font
    bool operator==(const ReportText&) const = default;
};

// Characters a text takes on paper: a glyph escape takes one.
int ShownTextLength(std::string_view text);

// The texts of one page (or roll-paper band) of a report, in device dots.
class ReportPage {
public:
    explicit ReportPage(const ReportMetrics& m) : m_m(m) {}

    const ReportMetrics& Metrics() const { return m_m; }
    const std::vector<ReportText>& Texts() const { return m_texts; }

    void Text(int x, int y, std::string text);
    void TitleText(int x, int y, std::string text);
    // A line whose tab-separated parts start at the first of `stops` (device dots from x)
    // right of the end of the part before; beyond the last stop the stops repeat at its
    // distance, as a tab stop table of one entry does.
    void Tabbed(int x, int y, std::string_view line, std::span<const int> stops);
    void Replace(std::vector<ReportText> texts) { m_texts = std::move(texts); }
    int Width(std::string_view text) const { return ShownTextLength(text) * m_m.c; }

private:
    ReportMetrics m_m;
    std::vector<ReportText> m_texts;
};

// The page with every text that would run past `right` moved onto lines of its own below its
// line, from `left` and broken at `right`; the lines below move down by those lines. Answers
// how far they moved.
int WrapLongTexts(ReportPage& page, int left, int right);

// A part of a report laid out without a page bottom, handed out page by page. It breaks only
// between lines (texts of one y), so nothing is clipped at the bottom and nothing is lost.
class ReportFlow {
public:
    ReportFlow() = default;
    // `laidOut` holds texts from `top` down; `end` is where the next part of the report starts.
    // Texts too long for `left` ... `right` are wrapped first.
    ReportFlow(ReportPage laidOut, int top, int end, int left, int right);

    bool Done() const { return m_next >= m_lines.size(); }
    // Places the lines that fit between `y` and `bottom` (at least one when `y` is the page's
    // `top`); returns where the report goes on: below the last placed line, or, once every line
    // is placed, where the part ends.
    int Place(ReportPage& page, int y, int top, int bottom);

private:
    struct Line {
        int y;
        int height;  // to the next line, at least the line height
        std::vector<ReportText> texts;
    };
    std::vector<Line> m_lines;
    std::size_t m_next = 0;
    int m_from = 0;  // where the next page's part starts, from the part's top
    int m_end = 0;
};

}  // namespace klv
