#include "base/report_page.h"

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

}  // namespace klv
