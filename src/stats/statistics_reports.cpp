#include "stats/statistics_reports.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/fixed_text.h"
#include "reference/condition_print_block.h"
#include "reference/condition_rules.h"
#include "reference/layer_value_format.h"
#include "reference/unit_gasket_tables.h"
#include "results/synthetic_result.h"
#include "stats/calc_statistics.h"
#include "stats/chart_lists.h"
#include "stats/stat_columns.h"
#include "stats/stat_item_rules.h"
#include "stats/statistics_mode.h"
#include "stats/statistics_texts.h"

namespace klv {

namespace {

constexpr int kFiveDataValues = 5;

std::string Number4(std::uint32_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%4u", n);
    return text;
}

std::uint32_t Layers(const MeasFileData& d) {
    return static_cast<std::uint32_t>(GetCoatCount(d));
}

std::span<const MsrLogRecord> DataItems(std::span<const MsrLogRecord> stored, const MeasFileData& d,
                                        std::uint32_t number) {
    const std::size_t layers = Layers(d);
    const std::size_t at = static_cast<std::size_t>(number - 1) * layers;
    if (at >= stored.size())
        return {};
    return stored.subspan(at, std::min(layers, stored.size() - at));
}

// The packed date of data `number` (1-based), 0 when it is not stored.
std::uint16_t DateOf(std::span<const MsrLogRecord> stored, const MeasFileData& d,
                     std::uint32_t number) {
    const std::span<const MsrLogRecord> items = DataItems(stored, d, number);
    return items.empty() ? 0 : items[0].wDate;
}

int PrintTitle(ReportPage& page, const PrintRect& area, int y, const SenderRecord& sender,
               TitleMetrics title) {
    const ReportMetrics& m = page.Metrics();
    // Each character advanced by 1.05 of the title font's width, centred between the margins.
    const int advance = static_cast<int>(1.05 * title.charWidth + 0.5);
    const int width = advance * ShownTextLength(sender.title);
    int x = area.left + (area.right - area.left - width) / 2;
    for (char ch : sender.title) {
        page.TitleText(x, y, std::string(1, ch));
        x += advance;
    }
    return y + title.height + 5 * m.h / 4;
}

int PrintHeaderLines(ReportPage& page, int x, int y, const ReportChannel& ch, std::uint16_t items,
                     PrintRange range, std::span<const MsrLogRecord> stored) {
    const ReportMetrics& m = page.Metrics();
    const int stops[] = {9 * m.c};
    const MeasFileData& d = ch.d;
    auto line = [&](bool on, const char* label, const std::string& value) {
        if (!on)
            return;
        page.Tabbed(x, y, std::string(label) + "\t" + value, stops);
        y += 5 * m.h / 4;
    };
    line((items & kPrintCustomer) != 0, "Name of customer", GetFixedText(d.szCustomer));
    line((items & kPrintGoods) != 0, "Name of goods  ", GetFixedText(d.szGoods));
    line((items & kPrintLotNo) != 0, "Lot No.", GetFixedText(d.szLotNo));
    if (d.nItemCt != 0)
        line((items & kPrintDate) != 0, "Measurement date",
             FormatPackedDate(DateOf(stored, d, range.first)) + "--" +
                 FormatPackedDate(DateOf(stored, d, range.last)));
    line((items & kPrintTester) != 0, "Measurement done by", GetFixedText(d.szTester));
    line(true, "Measure File", FormatFileTitle(ch.index + 1, d));
    return y;
}

// The sender lines as printed; an empty line is left out.
std::vector<std::string> SenderLines(const SenderRecord& sender) {
    static constexpr const char* kPrefix[] = {"", "", "Tel ", "FAX ", "", "", ""};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < sender.lines.size(); ++i)
        if (!sender.lines[i].empty())
            lines.push_back(kPrefix[i] + sender.lines[i]);
    return lines;
}

int PrintSenderBlock(ReportPage& page, int x, int y, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        page.Text(x, y, line);
        y += 5 * page.Metrics().h / 4;
    }
    return y;
}

int PrintRangeLine(ReportPage& page, int x, int y, const MeasFileData& d, PrintRange range) {
    std::string text = "Data number (Range)    ";
    if (d.nItemCt != 0)
        text += std::to_string(range.last - range.first + 1) + " ( " + std::to_string(range.first) +
                "--" + std::to_string(range.last) + " )";
    else
        text += "0";
    page.Text(x, y, text);
    return y + 3 * page.Metrics().h / 2;
}

}  // namespace

std::uint16_t GetPrintItems(const MeasFileData& d) {
    return d.bPrintLineMode == 0 ? kPrintAllItems : d.wPrintItems;
}

int GetPrintLineMode(const MeasFileData& d) {
    return GetCoatCount(d) == 1 && d.bPrintLineMode == 5 ? 5 : 1;
}

int PrintReportHead(ReportPage& page, const PrintRect& area, int y, const ReportChannel& ch,
                    std::uint16_t items, PrintRange range, std::span<const MsrLogRecord> stored,
                    TitleMetrics title) {
    y = PrintTitle(page, area, y, ch.sender, title);
    const int header = PrintHeaderLines(page, area.left, y, ch, items, range, stored);
    if ((items & kPrintSender) == 0 || !ch.sender.present)
        return header;
    const std::vector<std::string> lines = SenderLines(ch.sender);
    const int beside = area.left + 49 * page.Metrics().c;
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, page.Width(line));
    // Paper too narrow for it beside the header (the roll paper) takes it below the header.
    if (beside + widest > area.right)
        return PrintSenderBlock(page, area.left, header, lines);
    // Below the longer of the two, so that what follows overprints neither.
    return std::max(header, PrintSenderBlock(page, beside, y, lines));
}

int StatisticsConditionBlock(ReportPage& page, int x, int y, const MeasFileData& d) {
    const ReportMetrics& m = page.Metrics();
    const std::size_t mode = d.bStatMode < StatisticsModeTable.size() ? d.bStatMode : 0;
    std::string line = "Statistics mode:" + std::string(StatisticsModeTable[mode].text);
    if ((d.bStatFlags & kStatTotalOn) != 0)
        line += "    Statistis total:" + std::to_string(d.nStatTotal);
    page.Text(x, y, line);
    y += 3 * m.h / 2;
    if ((d.bStatFlags & kStatLimitCheckOn) == 0)
        return y;
    const int w = static_cast<int>(
        std::max(std::string_view("Upper limit").size(), std::string_view("Lower limit").size()));
    std::vector<int> stops;
    for (int j = 0; j <= 5; ++j)
        stops.push_back(m.c * (w + 11 * j + 4));
    std::string coats = "Coating", upper = "Upper limit", lower = "Lower limit";
    for (int k : LimitRowLayers(d)) {
        coats += "\t" + GetCoatName(d, k);
        upper += "\t" + FormatLimitEdit(d.limits[k].fUpperLimit, d.bUnit);
        lower += "\t" + FormatLimitEdit(d.limits[k].fLowerLimit, d.bUnit);
    }
    page.Tabbed(x, y, coats, stops);
    y += 5 * m.h / 4;
    page.Tabbed(x, y, upper, stops);
    y += 5 * m.h / 4;
    page.Tabbed(x, y, lower, stops);
    return y + 3 * m.h / 2;
}

namespace {

// Where the layer columns of the statistics volume start.
int VolumeColumn(const ReportMetrics& m, int x, const StatisticsTexts& t) {
    int longest = 0;
    for (const std::string& label : t.rowLabels)
        longest = std::max(longest, ShownTextLength(label));
    return x + m.c * (longest + 8);
}

}  // namespace

int StatisticsVolumeTable(ReportPage& page, int x, int y, const StatisticsResult& r,
                          const MeasFileData& d) {
    const ReportMetrics& m = page.Metrics();
    const StatisticsTexts t = BuildStatisticsTexts(r, d, r.nDataCt);
    const int column = VolumeColumn(m, x, t);
    const int layers = GetStatColumnCount(d);
    page.Text(x, y, "Coating");
    for (int k = 0; k < layers; ++k)
        page.Text(column + 14 * m.c * k, y, t.columnTitles[k]);
    for (int j = 0; j < kStatisticsListRows; ++j) {
        const int rowY = y + 5 * m.h / 4 * (j + 1);
        page.Text(x, rowY, t.rowLabels[j]);
        for (int k = 0; k < layers; ++k)
            page.Text(column + 14 * m.c * k, rowY, t.cells[j][k]);
    }
    return y + 10 * m.h + 3 * m.h / 2;
}

int ProcessCapabilityTable(ReportPage& page, int x, int y, const StatisticsResult& r,
                           const MeasFileData& d, std::span<const CapabilityFigures> capability) {
    if ((d.bStatFlags & kStatLimitCheckOn) == 0)
        return y;
    const ReportMetrics& m = page.Metrics();
    const int column = VolumeColumn(m, x, BuildStatisticsTexts(r, d, r.nDataCt));
    const char* labels[] = {"Cp", "Cpk", "Pp", "Ppk"};
    for (int row = 0; row < 4; ++row)
        page.Text(x, y + 5 * m.h / 4 * row, labels[row]);
    const int columns = std::min(GetStatColumnCount(d), static_cast<int>(capability.size()));
    for (int k = 0; k < columns; ++k) {
        const CapabilityTexts c = FormatCapability(capability[static_cast<std::size_t>(k)]);
        const std::string* texts[] = {&c.cp, &c.cpk, &c.pp, &c.ppk};
        for (int row = 0; row < 4; ++row)
            page.Text(column + 14 * m.c * k, y + 5 * m.h / 4 * row, *texts[row]);
    }
    return y + 5 * m.h + 3 * m.h / 4;
}

StatisticsResult CalcRangeStatistics(const MeasFileData& d, std::span<const MsrLogRecord> stored,
                                     PrintRange range) {
    const std::uint32_t layers = Layers(d);
    if (layers == 0 || range.first < 1 || range.last < range.first)
        return CalcStatistics(std::span<const MsrLogRecord>(), 0, d);
    const std::size_t begin = static_cast<std::size_t>(range.first - 1) * layers;
    const std::size_t complete = stored.size() / layers;
    const std::uint32_t last =
        std::min<std::uint32_t>(range.last, static_cast<std::uint32_t>(complete));
    if (begin >= stored.size() || last < range.first)
        return CalcStatistics(std::span<const MsrLogRecord>(), 0, d);
    const std::uint32_t count = last - range.first + 1;
    return CalcStatistics(stored.subspan(begin, static_cast<std::size_t>(count) * layers), count,
                          d);
}

namespace {

constexpr char kDueCalibrationMark[] = "calibration overdue";

}  // namespace

CMeasDataReport::CMeasDataReport(const ReportChannel& ch, std::span<const MsrLogRecord> stored,
                                 PrintRange range, const StatisticsResult& rangeResult,
                                 TitleMetrics title)
    : m_ch(ch),
      m_stored(stored),
      m_range(range),
      m_result(rangeResult),
      m_title(title),
      m_items(GetPrintItems(ch.d)),
      m_lineMode(GetPrintLineMode(ch.d)),
      m_next(range.first) {}

int CMeasDataReport::PrintTop(ReportPage& page, const PrintRect& area) {
    const ReportMetrics& m = page.Metrics();
    const MeasFileData& d = m_ch.d;
    const int x = area.left;
    int y = PrintReportHead(page, area, area.top, m_ch, m_items, m_range, m_stored, m_title);
    if ((m_items & kPrintCondition) != 0)
        y = ConditionPrintBlock(page, x, y + 5 * m.h / 4, area.right, d, m_ch.calibration);
    if ((m_items & kPrintRange) != 0)
        y = PrintRangeLine(page, x, y + 5 * m.h / 4, d, m_range);
    if ((m_items & kPrintStatCondition) != 0)
        y = StatisticsConditionBlock(page, x, y, d);
    if ((m_items & kPrintStatVolume) != 0)
        y = StatisticsVolumeTable(page, x, y, m_result, d);
    return y;
}

int CMeasDataReport::PrintLine(ReportPage& page, int left, int y) {
    const ReportMetrics& m = page.Metrics();
    const MeasFileData& d = m_ch.d;
    const std::string unit(GetUnitName(d.bUnit));
    SyntheticResult r;
    if (m_lineMode == 5) {
        page.Text(left, y, Number4(m_next));
        std::string due;
        // Values 8 characters apart, so the unit at 54 characters follows the fifth.
        for (int i = 0; i < kFiveDataValues && m_next <= m_range.last; ++i, ++m_next) {
            EditSyntheticResult(d, DataItems(m_stored, d, m_next), r, false);
            page.Text(left + 14 * m.c + 8 * m.c * i, y, r.item[0].szMeasValue);
            if (TakenWithDueCalibration(m_next))
                due += " " + std::to_string(m_next);
        }
        page.Text(left + 54 * m.c, y, unit);
        y += 5 * m.h / 4;
        // Five data share the line: the mark names the data it is for.
        if (!due.empty()) {
            page.Text(left + 14 * m.c, y, std::string(kDueCalibrationMark) + ":" + due);
            y += 5 * m.h / 4;
        }
        return y;
    }
    if (!m_headerDone) {
        const int layers = GetCoatCount(d);
        int end = left + 9 * m.c;
        for (int k = 0; k < layers; ++k) {
            const std::string name = GetCoatName(d, k);
            page.Text(left + 9 * m.c + 16 * m.c * k, y, name);
            end = left + 9 * m.c + 16 * m.c * k + page.Width(name);
        }
        page.Text(end, y, "   " + GetFixedText(d.baseName));
        m_headerDone = true;
        return y + 3 * m.h / 2;
    }
    page.Text(left, y, Number4(m_next));
    EditSyntheticResult(d, DataItems(m_stored, d, m_next), r, false);
    int x = left + 7 * m.c;
    int lastColumn = x;
    for (const SyntheticItem& item : r.item) {
        if (!IsItemUsed(item) || item.uIsAlloy != kItemOfLayer)
            continue;
        page.Text(x, y, item.szMeasValue);
        lastColumn = x;
        x += 16 * m.c;
    }
    std::string tail = unit;
    if (GetCoatCount(d) == 1 && (d.bStatFlags & kStatLimitCheckOn) != 0 &&
        r.item[0].nLimitMark != kLimitInside)
        tail += "   " + GetFixedText(r.item[0].szLimit);
    page.Text(lastColumn + 11 * m.c, y, tail);
    y += 5 * m.h / 4;
    if (TakenWithDueCalibration(m_next)) {
        page.Text(left + 7 * m.c, y, kDueCalibrationMark);
        y += 5 * m.h / 4;
    }
    ++m_next;
    return y;
}

bool CMeasDataReport::PrintPage(ReportPage& page, const PrintRect& area, int& used) {
    if (m_firstPage) {
        // Laid out whole, then handed out over as many pages as it needs.
        ReportPage all(page.Metrics());
        int y = PrintTop(all, area);
        if ((m_items & kPrintMeasData) != 0 && m_ch.d.nItemCt != 0)
            while (m_next <= m_range.last)
                y = PrintLine(all, area.left, y);
        m_flow = ReportFlow(std::move(all), area.top, y, area.left, area.right);
        m_firstPage = false;
    }
    used = std::min(m_flow.Place(page, area.top, area.top, area.bottom), area.bottom);
    return !m_flow.Done();
}

int PrintStatisticsGeneral(ReportPage& page, const PrintRect& area, const ReportChannel& ch,
                           std::span<const MsrLogRecord> stored, const GeneralPageTexts& texts,
                           const StatisticsResult& r, std::span<const CapabilityFigures> capability,
                           TitleMetrics title) {
    const ReportMetrics& m = page.Metrics();
    const MeasFileData& d = ch.d;
    const std::uint32_t layers = Layers(d);
    const PrintRange all{1, std::max<std::uint32_t>(1, layers == 0 ? 0 : d.nItemCt / layers)};
    int y = PrintReportHead(page, area, area.top, ch, GetPrintItems(d), all, stored, title);
    const int x = area.left;
    y += 5 * m.h / 4;
    page.Text(x, y, "[ Statistics volume ]");
    y += 2 * m.h;
    page.Text(x, y, "File  " + texts.file);
    y += 5 * m.h / 4;
    const char* labels[] = {"Measurement date", "Total number of data", "How to devide into groups",
                            "Statistics data number"};
    const std::size_t first = texts.groupMode.find_first_not_of(' ');
    const std::string values[] = {
        texts.dates, texts.totalData,
        first == std::string::npos ? std::string() : texts.groupMode.substr(first),
        texts.dataNumber};
    int longest = 0;
    for (const char* label : labels)
        longest = std::max(longest, ShownTextLength(label));
    const int stops[] = {m.c * (longest + 4)};
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        page.Tabbed(x, y, std::string(labels[i]) + "\t" + values[i], stops);
        y += 5 * m.h / 4;
    }
    y += 2 * m.h;
    y = StatisticsVolumeTable(page, x, y, r, d);
    return ProcessCapabilityTable(page, x, y, r, d, capability);
}

}  // namespace klv
