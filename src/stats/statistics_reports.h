#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "base/print_geometry.h"
#include "base/report_page.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/capability.h"
#include "stats/general_page_texts.h"
#include "stats/statistics_result.h"

namespace klv {

// MeasFileData.wPrintItems
inline constexpr std::uint16_t kPrintCustomer = 0x001;
inline constexpr std::uint16_t kPrintGoods = 0x002;
inline constexpr std::uint16_t kPrintLotNo = 0x004;
inline constexpr std::uint16_t kPrintDate = 0x008;
inline constexpr std::uint16_t kPrintTester = 0x010;
inline constexpr std::uint16_t kPrintCondition = 0x020;
inline constexpr std::uint16_t kPrintRange = 0x040;
inline constexpr std::uint16_t kPrintStatCondition = 0x080;
inline constexpr std::uint16_t kPrintStatVolume = 0x100;
inline constexpr std::uint16_t kPrintMeasData = 0x200;
inline constexpr std::uint16_t kPrintSender = 0x400;
inline constexpr std::uint16_t kPrintAllItems = 0x7FF;

// The items a report prints: every item before the first print of a channel.
std::uint16_t GetPrintItems(const MeasFileData& d);
// Data per line: 1 or 5, five only for a single layer.
int GetPrintLineMode(const MeasFileData& d);

// The sender block as reports print it.
struct SenderRecord {
    bool present = false;  // a sender file exists
    std::string title;
    int titleSize = 0;                 // points
    std::array<std::string, 7> lines;  // name, second line, telephone, fax, three more
};

// What a report is about.
struct ReportChannel {
    const MeasFileData& d;
    int index;
    const CalibrationStore* calibration;
    const SenderRecord& sender;
};

// The sender title's font: how far each character advances and how high the line is.
struct TitleMetrics {
    int charWidth = 0;
    int height = 0;
};

struct PrintRange {
    std::uint32_t first = 1;  // 1-based, first <= last
    std::uint32_t last = 1;
};

// The title, the header lines, "Measure File" and the sender block beside them; returns the y
// below the lower of the two.
int PrintReportHead(ReportPage& page, const PrintRect& area, int y, const ReportChannel& ch,
                    std::uint16_t items, PrintRange range, std::span<const MsrLogRecord> stored,
                    TitleMetrics title);

// "Statistics mode" and, with limit check, the limits of every layer that is not an alloy layer.
int StatisticsConditionBlock(ReportPage& page, int x, int y, const MeasFileData& d);
// The statistics of every statistics column under its title.
int StatisticsVolumeTable(ReportPage& page, int x, int y, const StatisticsResult& r,
                          const MeasFileData& d);

// With limit check on: Cp, Cpk, Pp and Ppk of every column in the columns of the statistics
// volume, `capability` holding one entry per column.
int ProcessCapabilityTable(ReportPage& page, int x, int y, const StatisticsResult& r,
                           const MeasFileData& d, std::span<const CapabilityFigures> capability);

// The measurement-data report of data first ... last, page by page: the head, then the data
// lines, each page holding the lines that fit.
class CMeasDataReport {
public:
    CMeasDataReport(const ReportChannel& ch, std::span<const MsrLogRecord> stored, PrintRange range,
                    const StatisticsResult& rangeResult, TitleMetrics title);
    // True while data lines remain for another page; `used` is the y below the last text.
    bool PrintPage(ReportPage& page, const PrintRect& area, int& used);
    // The title font as the printer measures it, known once the job runs.
    void SetTitle(TitleMetrics title) { m_title = title; }
    // Which data (1-based) were measured while their gasket's calibration was due: each gets
    // a "calibration overdue" line under its own.
    void SetDueCalibration(std::function<bool(std::uint32_t)> taken) {
        m_dueCalibration = std::move(taken);
    }

private:
    int PrintTop(ReportPage& page, const PrintRect& area);
    int PrintLine(ReportPage& page, int left, int y);
    bool TakenWithDueCalibration(std::uint32_t data) const {
        return m_dueCalibration && m_dueCalibration(data);
    }

    const ReportChannel& m_ch;
    std::span<const MsrLogRecord> m_stored;
    PrintRange m_range;
    const StatisticsResult& m_result;
    TitleMetrics m_title;
    std::uint16_t m_items;
    int m_lineMode;
    bool m_firstPage = true;
    ReportFlow m_flow;  // what of the report is still to print
    bool m_headerDone = false;
    std::uint32_t m_next;  // 1-based number of the next data line
    std::function<bool(std::uint32_t)> m_dueCalibration;
};

// The general page's report on one page: the report head over all data, the page's statics
// and the statistics volume.
int PrintStatisticsGeneral(ReportPage& page, const PrintRect& area, const ReportChannel& ch,
                           std::span<const MsrLogRecord> stored, const GeneralPageTexts& texts,
                           const StatisticsResult& r, std::span<const CapabilityFigures> capability,
                           TitleMetrics title);

// The statistics over data first ... last as stored, not formed into groups.
StatisticsResult CalcRangeStatistics(const MeasFileData& d, std::span<const MsrLogRecord> stored,
                                     PrintRange range);

}  // namespace klv
