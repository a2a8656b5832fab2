#include "app/ui/statistics_link.h"

#include <QLocale>
#include <filesystem>

#include "app/calibration_due_gate.h"
#include "app/klv570_app.h"
#include "app/publish_statistics.h"
#include "app/ui/main_channel.h"
#include "app/ui/text_output.h"
#include "base/fixed_text.h"
#include "output/result_transmission.h"
#include "records/certificate_output.h"
#include "records/database_url.h"
#include "records/engines/open_results_database.h"
#include "records/record_builder.h"
#include "records/schema.h"
#include "stats/sender_block.h"
#include "stats/ui/statistics_window.h"

namespace klv {

namespace {

// On its own connection: the recorder's belongs to its thread.
CertificateOutcome WriteCertificate(CKLV570App& app, const std::string& lot,
                                    const std::string& path) {
    OpenedResultsDatabase opened = OpenResultsDatabase(
        app.Profile().GetProfileString(kResultsDatabaseSection, kResultsDatabaseUrlKey, ""),
        app.DataDirectory());
    if (!opened.db)
        return {false, opened.problem};
    DbResult r = opened.db->Open();
    if (r.ok())
        r = MigrateSchema(*opened.db);
    if (!r.ok())
        return {false,
                "The results database " + opened.db->Where() + " cannot be read: " + r.message};
    const PaperSize paper = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                ? kPaperLetter
                                : kPaperA4;
    const CalibrationSchedule schedule = LoadCalibrationSchedule(app.Profile(), app.Time());
    return WriteLotCertificate(*opened.db, app.DataDirectory(), lot, std::nullopt,
                               schedule.intervalDays, paper, FormatIsoDateTime(app.Time().Now()),
                               path);
}

}  // namespace

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
    links.certificate = [&app](const std::string& lot, const std::string& path,
                               std::string& message) {
        const CertificateOutcome outcome = WriteCertificate(app, lot, path);
        message = outcome.message;
        return outcome.ok;
    };
    RunStatisticsWindow(caption, channel.WorkingCondition(), channel.Index(), links, parent);
}

}  // namespace klv
