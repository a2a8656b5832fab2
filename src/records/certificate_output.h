#pragma once

#include <optional>
#include <span>
#include <string>

#include "records/pdf_document.h"
#include "records/results_database.h"

namespace klv {

struct CertificateOutcome {
    bool ok = false;
    std::string message;  // for the operator, success or failure
};

// Writes the certificate of conformance of `lot` (of `channel` only, when set) as a PDF to
// `path`, with the lab's sender block from tester.dat of `dataDir` and the calibrations' due
// dates after `intervalDays` (by gasket code). Nothing is written when the database cannot be
// read or holds no measurement of the lot.
CertificateOutcome WriteLotCertificate(ResultsDatabase& db, const std::string& dataDir,
                                       const std::string& lot, std::optional<int> channel,
                                       std::span<const int> intervalDays, PaperSize paper,
                                       const std::string& madeOn, const std::string& path);

}  // namespace klv
