#include <cstdio>

#include "results/measurement_log.h"

namespace klv {

namespace {

constexpr char kCancelQuestion[] = "Delete all data of data number %d. \n\n Is it OK?";
constexpr char kCancellationText[] = "--Cancellation of data--";
constexpr int kNumberWidth = 4;

}  // namespace

std::string FormatCancellationLine(std::uint32_t number) {
    char format[32];
    std::snprintf(format, sizeof format, "%%%dd    %s", kNumberWidth, kCancellationText);
    char line[96];
    std::snprintf(line, sizeof line, format, static_cast<int>(number));
    return line;
}

CancelResult CancelLastMeasurement(ConditionStore& store, MeasFileData& d, int index,
                                   CancellationPrinter* printer) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    const std::uint32_t n = GetDataQuantity(d);
    if (n == 0)
        return CancelResult::Declined;
    char question[128];
    std::snprintf(question, sizeof question, kCancelQuestion, static_cast<int>(n));
    if (store.Op().ShowMessage(question, MsgIcon::Exclamation, MsgButtons::YesNo) != IDYES)
        return CancelResult::Declined;

    MeasFileData next = d;
    next.nItemCt = layers * (n - 1);
    if (next.nItemCt == 0) {
        // Stale dates would keep the next first measurement from setting the first date.
        next.wFirstDate = 0;
        next.wLastDate = 0;
    } else if (d.nItemCt % layers == 0) {
        MsrLogRecord first;
        if (!ReadMsrLogFile(store, index, &first, next.nItemCt - layers, 1, true))
            return CancelResult::Failed;
        next.wLastDate = first.wDate;
    }
    if (!store.WriteConditionFile(index, next))
        return CancelResult::Failed;
    d = next;
    // The count is already lowered: a failed truncation leaves ignored bytes behind only.
    TruncateMsrLogFile(store, index, next.nItemCt);
    if (printer != nullptr)
        printer->PrintCancellationLine(FormatCancellationLine(n));
    return CancelResult::Cancelled;
}

}  // namespace klv
