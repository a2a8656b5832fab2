#include "output/raster_rows.h"

#include <algorithm>

#include "output/roll_paper_model.h"

namespace klv {

std::vector<std::uint8_t> MakeRasterRecord(std::span<const std::uint8_t> row) {
    const auto width = static_cast<std::uint16_t>(row.size());
    std::vector<std::uint8_t> record{0x1D,
                                     0x76,
                                     0x30,
                                     0x30,
                                     static_cast<std::uint8_t>(width & 0xFF),
                                     static_cast<std::uint8_t>(width >> 8),
                                     0x01,
                                     0x00};
    record.reserve(8 + row.size());
    for (std::uint8_t b : row)
        record.push_back(static_cast<std::uint8_t>(~b));
    return record;
}

bool CRollPaperPrinter::PrintRasterRows(const MonoBitmap& bitmap, int rows) {
    const int count = std::clamp(rows, 0, bitmap.height);
    if (m_simulation != nullptr) {
        m_simulation->AppendRows(bitmap, count);
        return true;
    }
    if (!ProbeRollPaperPrinter(false, true))
        return false;
    const bool sent = SendRows(bitmap, count);
    m_queue.Close();
    // A queue that takes no job loses the line as a missing one would: the operator is told.
    if (!sent)
        m_op.ShowMessage(kMsgRollPaperUnusable, MsgIcon::Information, MsgButtons::Ok);
    return sent;
}

bool CRollPaperPrinter::SendRows(const MonoBitmap& bitmap, int rows) {
    if (!m_queue.StartDocument(kPrintDocumentName))
        return false;
    bool ok = true;
    for (int r = 0; r < rows && ok; ++r)
        ok = m_queue.Write(MakeRasterRecord(bitmap.Row(r)));
    // What was taken still goes out, so the paper shows where the output stopped.
    return m_queue.EndDocument() && ok;
}

bool CRollPaperPrinter::ProbeModel(int modelId, bool message) {
    if (!OpenRollPaperQueue(m_queue, modelId)) {
        if (message)
            m_op.ShowMessage(kMsgRollPaperUnusable, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    m_queue.Close();
    return true;
}

bool CRollPaperPrinter::ProbeRollPaperPrinter(bool close, bool message) {
    if (!OpenRollPaperQueue(m_queue, m_modelId)) {
        if (message)
            m_op.ShowMessage(kMsgRollPaperUnusable, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    if (close)
        m_queue.Close();
    return true;
}

}  // namespace klv
