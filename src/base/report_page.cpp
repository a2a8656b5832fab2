#include "base/report_page.h"

#include <algorithm>
#include <map>

namespace klv {

int ShownTextLength(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++n)
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '?')
            ++i;
    return n;
}

void ReportPage::Text(int x, int y, std::string text) {
    if (!text.empty())
        m_texts.push_back({x, y, std::move(text)});
}

void ReportPage::TitleText(int x, int y, std::string text) {
    if (!text.empty())
        m_texts.push_back({x, y, std::move(text), true});
}

void ReportPage::Tabbed(int x, int y, std::string_view line, std::span<const int> stops) {
    int at = x;
    bool first = true;
    for (;;) {
        const std::size_t tab = line.find('\t');
        const std::string_view part = line.substr(0, tab);
        if (!first) {
            const int end = at - x;
            int stop = -1;
            for (int s : stops)
                if (s > end) {
                    stop = s;
                    break;
                }
            if (stop < 0) {
                const int last = stops.empty() ? m_m.c : stops.back();
                const int step = stops.size() > 1 ? last - stops[stops.size() - 2] : last;
                stop = last;
                while (step > 0 && stop <= end)
                    stop += step;
                if (step <= 0)
                    stop = end + m_m.c;
            }
            at = x + stop;
        }
        Text(at, y, std::string(part));
        at += Width(part);
        first = false;
        if (tab == std::string_view::npos)
            break;
        line.remove_prefix(tab + 1);
    }
}

namespace {

// The text cut into pieces of at most `count` shown characters; a glyph escape stays whole.
std::vector<std::string> BreakText(std::string_view text, int count) {
    std::vector<std::string> pieces(1);
    int shown = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (shown == count) {
            pieces.emplace_back();
            shown = 0;
        }
        pieces.back() += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '?')
            pieces.back() += text[++i];
        ++shown;
    }
    return pieces;
}

}  // namespace

int WrapLongTexts(ReportPage& page, int left, int right) {
    const ReportMetrics& m = page.Metrics();
    const int pitch = 5 * m.h / 4;
    const int count = m.c > 0 ? std::max(1, (right - left) / m.c) : 1;
    std::map<int, std::vector<ReportText>> byLine;
    for (const ReportText& t : page.Texts())
        byLine[t.y].push_back(t);
    std::vector<ReportText> texts;
    int moved = 0;
    for (auto& [y, line] : byLine) {
        std::vector<ReportText> wrapped;
        for (ReportText& t : line) {
            t.y += moved;
            // Titles are centred by their own rule.
            if (t.title || t.x + page.Width(t.text) <= right)
                texts.push_back(t);
            else
                wrapped.push_back(t);
        }
        int below = y + moved;
        for (const ReportText& t : wrapped) {
            for (std::string& piece : BreakText(t.text, count)) {
                below += pitch;
                texts.push_back({left, below, std::move(piece)});
            }
        }
        moved = below - y;
    }
    page.Replace(std::move(texts));
    return moved;
}

ReportFlow::ReportFlow(ReportPage laidOut, int top, int end, int left, int right) {
    end += WrapLongTexts(laidOut, left, right);
    std::map<int, std::vector<ReportText>> byLine;
    for (const ReportText& t : laidOut.Texts())
        byLine[t.y].push_back(t);
    const int h = laidOut.Metrics().h;
    for (auto it = byLine.begin(); it != byLine.end(); ++it) {
        const auto next = std::next(it);
        const int below = next == byLine.end() ? std::max(end, it->first + h) : next->first;
        m_lines.push_back({it->first - top, std::max(h, below - it->first), it->second});
    }
    m_end = end - top;
}

int ReportFlow::Place(ReportPage& page, int y, int top, int bottom) {
    if (Done())
        return y;
    // The part's own spacing holds within a page; the page after a break starts with the line
    // that did not fit.
    const int shift = y - m_from;
    while (!Done()) {
        const Line& line = m_lines[m_next];
        const int at = line.y + shift;
        // A title stands taller than a line: it must fit with the space below it.
        const bool title = std::any_of(line.texts.begin(), line.texts.end(),
                                       [](const ReportText& t) { return t.title; });
        const int needed = title ? line.height : page.Metrics().h;
        // A page's first line is always placed, so that a page too short for it ends the job.
        if (at + needed > bottom && at != top)
            break;
        for (const ReportText& t : line.texts) {
            if (t.title)
                page.TitleText(t.x, at, t.text);
            else
                page.Text(t.x, at, t.text);
        }
        y = at + line.height;
        ++m_next;
    }
    if (!Done())
        m_from = m_lines[m_next].y;
    return Done() ? m_end + shift : y;
}

}  // namespace klv
