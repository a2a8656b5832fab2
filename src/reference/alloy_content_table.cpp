#include "reference/alloy_content_table.h"

#include "reference/meas_file_data.h"

namespace klv {

// Densities mixed: SO Sn/Pb, Zn-Sn Sn/Zn, BRS Cu/Zn, NiP Ni/P.
const std::array<AlloyContentRow, kAlloyContentCount> AlloyContentTable = {{
    {7, "Pb", 100, 0.045f, 0.0f, 0.061f, 1.0f, 7.31f, 11.35f},
    {8, "Zn", 30, -0.725f, 0.288f, 0.0f, 1.0f, 7.31f, 7.13f},
    {1, "Zn", 50, 0.23f, 0.06f, 0.0f, 0.931f, 8.96f, 7.13f},
    {17, "P", 14, -2.75f, 6.94f, 0.0f, 1.0f, 8.902f, 3.9f},
}};

const AlloyContentRow* FindAlloyContentForCoating(int coating) {
    for (const AlloyContentRow& row : AlloyContentTable)
        if (row.coating == coating)
            return &row;
    return nullptr;
}

const AlloyContentRow* FindAlloyContent(const MeasFileData& d) {
    const int layers = GetCoatCount(d);
    for (const AlloyContentRow& row : AlloyContentTable)
        for (int k = 0; k < layers; ++k)
            if (d.coat[k].bCode == row.coating)
                return &row;
    return nullptr;
}

}  // namespace klv
