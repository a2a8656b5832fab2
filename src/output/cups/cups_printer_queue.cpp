#include "output/cups/cups_printer_queue.h"

#include <cups/cups.h>

namespace klv {

bool CCupsPrinterQueue::Open(const std::string& name) {
    Close();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (dest == nullptr)
        return false;
    m_name = dest->name;
    cupsFreeDests(1, dest);
    return true;
}

bool CCupsPrinterQueue::StartDocument(const std::string& documentName) {
    if (m_name.empty() || m_job != 0)
        return false;
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, m_name.c_str(), documentName.c_str(), 0, nullptr);
    if (job == 0)
        return false;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, m_name.c_str(), job, documentName.c_str(),
                          CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, m_name.c_str(), job, 0);
        return false;
    }
    m_job = job;
    return true;
}

bool CCupsPrinterQueue::Write(std::span<const std::uint8_t> bytes) {
    if (m_job == 0)
        return false;
    return cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(bytes.data()),
                                bytes.size()) == HTTP_STATUS_CONTINUE;
}

bool CCupsPrinterQueue::EndDocument() {
    if (m_job == 0)
        return false;
    m_job = 0;
    return cupsFinishDocument(CUPS_HTTP_DEFAULT, m_name.c_str()) == IPP_STATUS_OK;
}

void CCupsPrinterQueue::Close() {
    if (m_job != 0)
        EndDocument();
    m_name.clear();
}

}  // namespace klv
