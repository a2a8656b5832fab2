#include "output/roll_paper_output.h"

#include <algorithm>
#include <vector>

#include "output/roll_paper_lines.h"

namespace klv {

namespace {

constexpr int kFiveData = 5;

}  // namespace

bool CRollPaperOutput::PrintRollPaperLine(const std::string& text) {
    if (!m_selected)
        return true;
    m_feedPending = true;
    const RollPaperTextDrawer::Cell x = m_drawer.CharacterCell();
    const int width = RoundUpToRasterWidth(static_cast<int>(text.size()) * x.width);
    const MonoBitmap bitmap = m_drawer.DrawLine(text, width, x.height);
    return m_printer.PrintRasterRows(bitmap, bitmap.height);
}

bool CRollPaperOutput::FeedRollPaper() {
    if (!m_printer.IsSimulation() && !m_printer.ProbeRollPaperPrinter(true, false)) {
        m_feedPending = false;
        return false;
    }
    bool fed = true;
    if (m_selected) {
        const RollPaperTextDrawer::Cell x = m_drawer.CharacterCell();
        const MonoBitmap bitmap = m_drawer.DrawLine(" ", RoundUpToRasterWidth(x.width), x.height);
        fed = m_printer.PrintRasterRows(bitmap, bitmap.height);
    }
    m_feedPending = false;
    return fed;
}

bool CRollPaperOutput::PrintMeasurementLines(const OpenChannelRef& channel,
                                             std::span<const MsrLogRecord> records,
                                             int currentLayer) {
    if (!m_selected || channel.condition == nullptr)
        return true;
    const MeasFileData& d = *channel.condition;
    if ((m_mode & kPrintOneDataPerLine) == 0 && IsGatheredMeasurement(d)) {
        if ((m_mode & kPrintAtStatistics) != 0)
            return true;
        if ((m_mode & kPrintFiveDataPerLine) != 0) {
            if (m_pendingCount == 0)
                m_firstPending = d.nItemCt;
            if (++m_pendingCount >= kFiveData)
                return FlushFiveDataLine(channel);
            return true;
        }
    }
    if (!FlushFiveDataLine(channel))
        return false;
    for (const std::string& line : MakeMeasurementLines(d, records, currentLayer)) {
        if (!PrintRollPaperLine(line))
            return false;
    }
    return true;
}

bool CRollPaperOutput::FlushFiveDataLine(const OpenChannelRef& channel) {
    if (m_pendingCount == 0 || channel.condition == nullptr)
        return true;
    const MeasFileData& d = *channel.condition;
    const int count = m_pendingCount;
    m_pendingCount = 0;
    const auto layers = static_cast<std::uint32_t>(std::max(1, GetCoatCount(d)));
    std::vector<MsrLogRecord> records(layers);
    bool ok = true;
    for (int start = 0; start < count && ok; start += kFiveData) {
        const std::uint32_t first = m_firstPending + static_cast<std::uint32_t>(start);
        std::vector<std::string> values;
        for (int k = start; k < std::min(count, start + kFiveData); ++k) {
            const std::uint32_t number = m_firstPending + static_cast<std::uint32_t>(k);
            // A measurement removed meanwhile is no longer there to print.
            if (number == 0 || number * layers > d.nItemCt ||
                !ReadMsrLogFile(m_store, channel.index, records.data(), (number - 1) * layers,
                                layers, true))
                return false;
            values.push_back(GetFirstValueText(d, records));
        }
        ok = PrintRollPaperLine(MakeFiveDataLine(d, first, values));
    }
    return ok;
}

}  // namespace klv
