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
    int Width(std::string_view text) const { return ShownTextLength(text) * m_m.c; }

private:
    ReportMetrics m_m;
    std::vector<ReportText> m_texts;
};

}  // namespace klv
