#pragma once

#include <string>
#include <vector>

#include "records/lot_certificate.h"
#include "records/pdf_document.h"

namespace klv {

// The lab's sender block (tester.dat), UTF-8; empty lines are left out.
struct CertificateSender {
    std::string title;
    std::vector<std::string> lines;
};

// The certificate laid out on pages of `paper`: a fixed-pitch face in columns that line up,
// every text inside the margins, a table going on over pages with its header repeated, "Page
// X of Y" on every page. `madeOn` is when it is made (YYYY-MM-DD HH:MM:SS).
PdfDocument LayOutCertificate(const LotCertificate& certificate, const CertificateSender& sender,
                              PaperSize paper, const std::string& madeOn);

// Characters on one line of the certificate; every paper size takes them inside its margins.
inline constexpr int kCertificateColumns = 92;

}  // namespace klv
