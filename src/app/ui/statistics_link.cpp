#include "app/ui/statistics_link.h"

#include <filesystem>

#include "app/klv570_app.h"
#include "app/publish_statistics.h"
#include "app/ui/main_channel.h"
#include "app/ui/text_output.h"
#include "base/fixed_text.h"
#include "output/result_transmission.h"
#include "stats/sender_block.h"
#include "stats/ui/statistics_window.h"

namespace klv {

void ShowStatisticsWindow(CKLV570App& app, CMainChannel& channel, ReportPrinter& reports,
                          const std::string& caption, QWidget* parent) {
    if (!channel.IsOpen())
        return;
    std::error_code error;
    const bool senderFile =
        std::filesystem::exists(app.DataDirectory() + "tester.dat", error) && !error;
    StatisticsLinks links{
        app.Conditions(),
        app.Op(),
        app.Profile(),
        app.EventSounds().Player(),
        reports,
        &app.Calibration(),
        MakeSenderRecord(app.Sender(), senderFile),
        (app.Calibration().dwFlags & kStoreStatDataModifiable) != 0,
        app.ListStyle().oneClickActivate,
        {},
        {},
        [&channel] { channel.FlushRollPaperLine(); },
        &app.Recording(),
        [&channel](std::uint32_t n) { return channel.TakenWithDueCalibration(n); }};
    if (CResultTransmission* transmission = app.Transmission())
        links.publish = [transmission](const StatisticsTextBlock& block) {
            PublishStatistics(transmission->Dde(), &block);
        };
    links.textOutput = [&app](const MeasFileData& d, std::span<const MsrLogRecord> records,
                              QWidget* owner) { RunTextOutput(app, d, records, owner); };
    RunStatisticsWindow(caption, channel.WorkingCondition(), channel.Index(), links, parent);
}

}  // namespace klv
