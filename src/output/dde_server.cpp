#include "output/dde_server.h"

#include <cstdio>

#include "base/fixed_text.h"
#include "output/meas_data_line.h"
#include "reference/condition_rules.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

std::string JoinedByTab(std::initializer_list<const char*> names) {
    std::string text;
    for (const char* name : names)
        text += (text.empty() ? "" : "\t") + std::string(name);
    return text;
}

std::string TimeText(const LocalTime& now) {
    char text[16];
    // The history items carry their time with the seconds cut down to an even number.
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.hour % 100, now.minute % 100,
                  (now.second & ~1) % 100);
    return text;
}

}  // namespace

CDdeServer::CDdeServer(PubSubServer& server, Operator& op) : m_server(server), m_op(op) {
    Of(DdeTopic::System).table = BuildSystemItemTable();
    Of(DdeTopic::Meas).table = BuildMeasItemTable();
    Of(DdeTopic::Stat).table = BuildStatItemTable();
    for (Topic& topic : m_topics)
        topic.texts.assign(topic.table.SlotCount(), std::string());
    SetText(DdeTopic::System, "Topics", JoinedByTab({"System", "MEAS", "STAT", "Command"}));
    SetText(DdeTopic::System, "SysItems", JoinedByTab({"Topics", "SysItems", "Formats"}));
    SetText(DdeTopic::System, "Formats", "TEXT");
}

CDdeServer::~CDdeServer() {
    StopDdeServer();
}

bool CDdeServer::StartDdeServer() {
    StopDdeServer();
    ClearTopic(DdeTopic::Meas);
    ClearTopic(DdeTopic::Stat);
    m_historyCount = 0;
    const std::string problem = m_server.Start(*this);
    m_running = problem.empty();
    if (!m_running)
        m_op.ShowMessage(problem, MsgIcon::Information, MsgButtons::Ok);
    return m_running;
}

void CDdeServer::StopDdeServer() {
    if (!m_running)
        return;
    m_server.Stop();
    m_running = false;
}

void CDdeServer::ClearTopic(DdeTopic topic) {
    for (std::string& text : Of(topic).texts)
        text.clear();
}

void CDdeServer::ResetDdeHistory() {
    ClearTopic(DdeTopic::Meas);
    m_historyCount = 0;
}

void CDdeServer::SetText(DdeTopic topic, const std::string& item, const std::string& text) {
    Topic& t = Of(topic);
    const std::size_t slot = t.table.Slot(item);
    t.texts[slot] = text.substr(0, t.table.SlotSize(slot) - 1);
}

bool CDdeServer::SetStatisticsText(const std::string& item, const std::string& text) {
    if (!Of(DdeTopic::Stat).table.Find(item))
        return false;
    SetText(DdeTopic::Stat, item, text);
    return true;
}

template <typename Pick>
void CDdeServer::NotifyItems(DdeTopic topic, Pick pick) {
    if (!m_running)
        return;
    for (const std::string& name : Of(topic).table.Names())
        if (pick(name))
            m_server.Notify(topic, name, *Request(topic, name));
}

void CDdeServer::NotifyStatistics() {
    NotifyItems(DdeTopic::Stat, [](const std::string&) { return true; });
}

void CDdeServer::UpdateMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                                   std::uint32_t dataNumber, const LineFormat& format,
                                   const LocalTime& now) {
    constexpr DdeTopic meas = DdeTopic::Meas;
    SetText(meas, "RESULT", FormatMeasDataLine(d, records, dataNumber, format));
    SetText(meas, "BASE", GetFixedText(d.baseName));
    SetText(meas, "UNIT", std::string(GetUnitName(d.bUnit)));
    std::string res[kMaxLayers];
    int kept = 0;
    const int layers = std::min(GetCoatCount(d), static_cast<int>(records.size()));
    for (int k = 0; k < layers && kept < kMaxLayers; ++k) {
        if (IsAlloyLayer(d.coat[k]))
            continue;
        SetText(meas, "COAT" + std::to_string(kept + 1), GetCoatName(d, k));
        res[kept] = FormatMeasDataValue(d, records[static_cast<std::size_t>(k)], k);
        ++kept;
    }
    for (int i = kept; i < kMaxLayers; ++i)
        SetText(meas, "COAT" + std::to_string(i + 1), "");
    for (int i = 0; i < kMaxLayers; ++i)
        SetText(meas, "RES" + std::to_string(i + 1), res[i]);
    NotifyItems(meas, IsCurrentMeasItem);

    if (m_historyCount >= kDdeHistorySize)
        return;
    const int n = m_historyCount;
    const std::string prefix = HistoryItemName(n);
    for (int i = 0; i < kMaxLayers; ++i)
        SetText(meas, prefix + ".RES" + std::to_string(i + 1), res[i]);
    SetText(meas, prefix, std::to_string(dataNumber));
    const std::uint16_t today = PackDate(now.year, now.month, now.day);
    SetText(meas, prefix + ".DAY", FormatOutputDate(today, format.dateFormat));
    SetText(meas, prefix + ".TIME", TimeText(now));
    NotifyItems(meas, [n](const std::string& name) { return IsNotifiedHistoryItem(name, n); });
    ++m_historyCount;
}

const std::vector<std::string>& CDdeServer::Items(DdeTopic topic) const {
    return Of(topic).table.Names();
}

std::optional<std::string> CDdeServer::Request(DdeTopic topic, const std::string& item) const {
    const Topic& t = Of(topic);
    const std::optional<std::size_t> slot = t.table.Find(item);
    if (!slot)
        return std::nullopt;
    const std::string& text = t.texts[*slot];
    return text.empty() ? std::string(" ") : text;
}

DdeAnswer CDdeServer::Poke(DdeTopic, const std::string&, const std::string&) {
    return DdeAnswer::NotProcessed;
}

DdeAnswer CDdeServer::Execute(DdeTopic topic, const std::string&) {
    // No command is defined yet; a client still learns when the program is busy.
    if (topic == DdeTopic::Command && m_busy)
        return DdeAnswer::Busy;
    return DdeAnswer::NotProcessed;
}

}  // namespace klv
