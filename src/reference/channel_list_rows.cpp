#include "reference/channel_list_rows.h"

#include <cstdio>

#include "base/file_messages.h"
#include "base/fixed_text.h"
#include "base/number_format.h"
#include "reference/calibration_due.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

const std::array<ListColumn, kChannelListColumnCount> kChannelListColumns = {{
    {"File", ColumnAlign::Left, 244},
    {"", ColumnAlign::Left, 52},
    {"1st layer", ColumnAlign::Left, 52},
    {"2nd layer", ColumnAlign::Left, 52},
    {"3rd layer", ColumnAlign::Left, 52},
    {"4th layer", ColumnAlign::Left, 52},
    {"5th layer", ColumnAlign::Left, 58},
    {"", ColumnAlign::Left, 54},
    {"", ColumnAlign::Left, 82},
}};

namespace {

std::string Printf(const char* format, int number, const std::string& text = {}) {
    char buf[160];
    std::snprintf(buf, sizeof buf, format, number, text.c_str());
    return buf;
}

std::string Lines(const std::string& a, const std::string& b, const std::string& c,
                  const std::string& d) {
    return a + "\n" + b + "\n" + c + "\n" + d;
}

std::string CalibrationText(const MeasFileData& d, const CalibrationStore& cal,
                            const CalibrationSchedule* schedule) {
    std::string date = CalibrationDateText(d, cal, schedule);
    if (date.empty())
        return {};
    return date + "  " + FormatPercent(cal.gasket[d.bGasket].fCalValue, false);
}

}  // namespace

std::array<std::string, kChannelListColumnCount> ChannelListCells(
    int index, const MeasFileData* d, const CalibrationStore& cal,
    const CalibrationSchedule* schedule) {
    std::array<std::string, kChannelListColumnCount> cells;
    if (!d) {
        cells[0] = Printf("%2d:", index + 1);
        return cells;
    }
    cells[0] = Lines(Printf("%2d: %s", index + 1, GetFixedText(d->szFileName)), "",
                     "    Lot number :" + GetFixedText(d->szLotNo),
                     "    Data quantity :" + std::to_string(GetDataQuantity(*d)));
    cells[1] = Lines("Coating", "Test solution", "Sensitivity", "Range");
    for (int k = 0; k < GetCoatCount(*d); ++k) {
        const LayerCondition& c = d->coat[k];
        cells[2 + k] = Lines(GetCoatName(*d, k), std::string(GetTestSolutionName(c.bSolution)),
                             std::string(GetSensitivityName(c.bSensitivity)),
                             std::string(GetRangeName(c.bRange)));
    }
    cells[7] = Lines("Base", "Unit", "Gasket", "Calibration date");
    cells[8] = Lines(GetFixedText(d->baseName), std::string(GetUnitName(d->bUnit)),
                     std::string(GetGasketName(d->bGasket)), CalibrationText(*d, cal, schedule));
    return cells;
}

std::array<std::string, kChannelListColumnCount> UnreadableChannelListCells(int index) {
    std::array<std::string, kChannelListColumnCount> cells;
    cells[0] = Printf("%2d: %s", index + 1, kMsgDataUnreadable);
    return cells;
}

}  // namespace klv
