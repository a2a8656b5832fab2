#include "stats/general_page_texts.h"

#include "reference/layer_value_format.h"

namespace klv {

GeneralPageTexts BuildGeneralPageTexts(const MeasFileData& d, int index,
                                       const StatisticsSelection& s, std::uint32_t dataCount) {
    GeneralPageTexts t;
    t.file = FormatFileTitle(index + 1, d);
    if (d.nItemCt != 0)
        t.dates = FormatPackedDate(d.wFirstDate) + "--" + FormatPackedDate(d.wLastDate);
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    t.totalData = std::to_string(layers == 0 ? 0 : d.nItemCt / layers);
    t.groupMode = FormatGroupModeText(s);
    t.dataNumber = std::to_string(dataCount);
    return t;
}

}  // namespace klv
