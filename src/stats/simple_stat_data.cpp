#include "stats/simple_stat_data.h"

#include <algorithm>
#include <new>
#include <vector>

#include "reference/condition_store.h"
#include "stats/form_groups.h"

namespace klv {

CSimpleStatData::CSimpleStatData(int shownCount)
    : m_shown(shownCount >= 1 ? shownCount : kSimpleStatDefaultDataCt) {}

bool CSimpleStatData::SetShownCount(int count) {
    if (count < 1 || count == m_shown)
        return false;
    m_shown = count;
    return true;
}

void CSimpleStatData::Clear() {
    m_texts = SimpleStatTexts{};
    m_completeData = 0;
}

void CSimpleStatData::Display(ConditionStore& store, const MeasFileData* d, int index) {
    Clear();
    if (d == nullptr)
        return;
    const std::uint32_t layers = static_cast<std::uint32_t>(GetCoatCount(*d));
    if (layers == 0)
        return;
    const SimpleStatRange range = GetSimpleStatRange(*d, m_hide, m_shown);
    if (range.rows == 0)
        return;
    const std::uint64_t begin = static_cast<std::uint64_t>(range.first) * layers;
    const std::uint64_t end = begin + static_cast<std::uint64_t>(range.rows) * layers;
    std::vector<MsrLogRecord> items;
    try {
        items.resize(end - begin);
    } catch (const std::bad_alloc&) {
        store.Op().ShowMessage(kMsgShortOfMemory, MsgIcon::Stop, MsgButtons::Ok);
        return;
    }
    // Records past the count may be missing from the file; they are never shown.
    const auto stored =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(end, d->nItemCt) - begin);
    if (!ReadMsrLogFile(store, index, items.data(), static_cast<std::uint32_t>(begin), stored,
                        true))
        return;
    m_texts = BuildSimpleStatTexts(*d, range.first, items);
    m_completeData = d->nItemCt / layers;
}

}  // namespace klv
