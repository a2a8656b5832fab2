#include "app/surface_treatment.h"

#include "reference/coating_table.h"

namespace klv {

std::vector<SurfaceTreatmentEntry> SurfaceTreatmentEntries() {
    std::vector<SurfaceTreatmentEntry> entries;
    for (std::uint8_t code : CoatingDisplayOrder) {
        const CoatingRow& row = GetCoatingRow(code);
        if (row.shortName.empty() || row.surfaceText.empty())
            continue;
        std::string caption(row.shortName);
        if (caption.size() < 7)
            caption.resize(7, ' ');
        caption += row.fullName;
        entries.push_back({code, caption});
    }
    return entries;
}

int SurfaceTreatmentEntryOf(const std::vector<SurfaceTreatmentEntry>& entries, int coatingCode) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].coatingCode == coatingCode)
            return static_cast<int>(i);
    return 0;
}

}  // namespace klv
