#include "stats/stat_columns.h"

#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/condition_texts.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr int kDisplayAlloyInvolved = 3;  // of GetDisplayMode

bool IsTinOverAlloy(const MeasFileData& d) {
    const int layers = GetCoatCount(d);
    return (layers == 2 || layers == 3) && IsAlloyLayer(d.coat[1]);
}

StatColumn LayerColumn(const MeasFileData& d, int k) {
    const bool alloy = k < kMaxLayers && IsAlloyLayer(d.coat[k]);
    return {k, k, alloy ? -1 : k, k < kMaxLayers ? GetCoatName(d, k) : std::string()};
}

}  // namespace

std::vector<StatColumn> GetStatColumns(const MeasFileData& d) {
    std::vector<StatColumn> columns;
    if (!IsTinOverAlloy(d)) {
        for (int k = 0; k < GetCoatCount(d); ++k)
            columns.push_back(LayerColumn(d, k));
        return columns;
    }
    // The item numbers and titles of the tin-alloy result.
    const std::string sn = d.coat[0].bCode == kCoatSolder ? "SO" : "Sn";
    columns = {{0, 0, -1, "Solid " + sn}, {1, 0, -1, sn + " of alloy"}, {2, 0, 0, "All " + sn}};
    if (GetCoatCount(d) == 3) {
        columns.push_back({3, 2, -1, "Solid Cu"});
        columns.push_back({5, 2, 2, "All Cu"});
    }
    return columns;
}

StatColumn GetStatColumn(const MeasFileData& d, int k) {
    const std::vector<StatColumn> columns = GetStatColumns(d);
    if (k >= 0 && static_cast<std::size_t>(k) < columns.size())
        return columns[static_cast<std::size_t>(k)];
    return LayerColumn(d, k < 0 ? 0 : k);
}

int GetStatColumnCount(const MeasFileData& d) {
    return static_cast<int>(GetStatColumns(d).size());
}

std::string GetStatUnitName(const MeasFileData& d, int k) {
    const int layer = GetStatColumn(d, k).formatLayer;
    // A layer next to an alloy layer runs in counts, but its results are thicknesses.
    if (GetDisplayMode(d, layer) == kDisplayAlloyInvolved)
        return std::string(GetUnitName(d.bUnit));
    return GetLayerUnitName(d, layer);
}

}  // namespace klv
