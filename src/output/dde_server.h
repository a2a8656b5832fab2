#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/operator.h"
#include "output/dde_items.h"
#include "output/meas_data_line.h"
#include "output/pub_sub_server.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// The result service: the current measurement, a history of up to 100 measurements since the
// channel was selected, and the statistics, served to other programs through the server.
class CDdeServer final : public PubSubHandler {
public:
    CDdeServer(PubSubServer& server, Operator& op);
    ~CDdeServer() override;
    CDdeServer(const CDdeServer&) = delete;
    CDdeServer& operator=(const CDdeServer&) = delete;

    // Empties every item and publishes them; when that fails the operator is told once and the
    // program goes on without the service. True while the service runs.
    bool StartDdeServer();
    void StopDdeServer();
    bool IsRunning() const { return m_running; }

    // Empties the history and every MEAS item.
    void ResetDdeHistory();
    // The measurement's items, and the next history entry while fewer than 100 are filled; the
    // entry is dated `now`. Notifies what changed.
    void UpdateMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                           std::uint32_t dataNumber, const LineFormat& format,
                           const LocalTime& now);
    // A STAT item's text, cut to its buffer; false for an unknown item.
    bool SetStatisticsText(const std::string& item, const std::string& text);
    // Tells the watchers of every STAT item its text.
    void NotifyStatistics();
    // While set, a command on the "Command" topic is answered as busy.
    void SetBusy(bool busy) { m_busy = busy; }
    int HistoryCount() const { return m_historyCount; }

    // PubSubHandler
    const std::vector<std::string>& Items(DdeTopic topic) const override;
    std::optional<std::string> Request(DdeTopic topic, const std::string& item) const override;
    DdeAnswer Poke(DdeTopic topic, const std::string& item, const std::string& text) override;
    DdeAnswer Execute(DdeTopic topic, const std::string& command) override;

private:
    struct Topic {
        DdeItemTable table;
        std::vector<std::string> texts;
    };

    Topic& Of(DdeTopic topic) { return m_topics[static_cast<std::size_t>(topic)]; }
    const Topic& Of(DdeTopic topic) const { return m_topics[static_cast<std::size_t>(topic)]; }
    void SetText(DdeTopic topic, const std::string& item, const std::string& text);
    void ClearTopic(DdeTopic topic);
    // Notifies the items of the topic that `pick` chooses, in listing order.
    template <typename Pick>
    void NotifyItems(DdeTopic topic, Pick pick);

    PubSubServer& m_server;
    Operator& m_op;
    std::array<Topic, kDdeTopicCount> m_topics;
    int m_historyCount = 0;
    bool m_running = false;
    bool m_busy = false;
};

}  // namespace klv
