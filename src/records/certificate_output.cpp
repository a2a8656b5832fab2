#include "records/certificate_output.h"

#include "base/file_io.h"
#include "records/certificate_layout.h"
#include "records/lot_certificate.h"
#include "records/record_builder.h"
#include "stats/sender_block.h"

namespace klv {

namespace {

CertificateSender LoadSender(const std::string& dataDir) {
    SenderBlock block{};
    const SenderLoadResult loaded = LoadSenderBlock(dataDir + "tester.dat", block);
    const SenderRecord record = MakeSenderRecord(block, loaded == SenderLoadResult::Loaded);
    CertificateSender sender;
    sender.title = RecordTextToUtf8(record.title);
    for (const std::string& line : record.lines) {
        if (line.find_first_not_of(' ') != std::string::npos)
            sender.lines.push_back(RecordTextToUtf8(line));
    }
    return sender;
}

}  // namespace

CertificateOutcome WriteLotCertificate(ResultsDatabase& db, const std::string& dataDir,
                                       const std::string& lot, std::optional<int> channel,
                                       std::span<const int> intervalDays, PaperSize paper,
                                       const std::string& madeOn, const std::string& path) {
    LotCertificate certificate;
    if (DbResult r = LoadLotCertificate(db, lot, channel, certificate); !r.ok())
        return {false, "The results database " + db.Where() + " cannot be read: " + r.message};
    if (certificate.readings.empty())
        return {false, "No measurement of lot " + lot + " is recorded."};
    SetCalibrationDueDates(certificate, intervalDays);
    const PdfDocument pdf = LayOutCertificate(certificate, LoadSender(dataDir), paper, madeOn);
    const std::string bytes = pdf.Bytes();
    if (WriteFileAtomically(path, bytes.data(), bytes.size()) != FileWriteResult::Ok)
        return {false, "The certificate cannot be written to " + path + "."};
    return {true, "The certificate of lot " + lot + " is written to " + path + " (" +
                      std::to_string(pdf.PageCount()) +
                      (pdf.PageCount() == 1 ? " page)." : " pages).")};
}

}  // namespace klv
