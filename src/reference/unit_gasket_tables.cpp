#include "reference/unit_gasket_tables.h"

#include "reference/table_row.h"

namespace klv {

const std::array<UnitRow, kUnitCount + 1> UnitTable = {{
    {"", 0.0f},
    {"um", 1.0f},
    {"nm", 0.001f},
    {"mil", 25.4f},
    {"MI", 0.0254f},
}};

const std::array<GasketRow, kGasketCount + 1> GasketTable = {{
    {"", 0.0f, 0.0f, ""},
    {"A", 1.0f, 9.29f, "3.4d"},
    {"B", 0.5f, 4.645f, "2.4d"},
    {"C", 0.186567f, 1.733f, "1.7d"},
    {"WT", 0.0f, 0.0f, ""},
}};

const std::array<AutoStopReference, 3> AutoStopReferenceTable = {{
    {15.0f, 25.0f},
    {18.0f, 30.0f},
    {23.0f, 40.0f},
}};

namespace {

const GasketRow& MeasuringGasketRow(int code) {
    return TableRow(GasketTable, code == kGasketWT ? kGasketA : code);
}

}  // namespace

std::string_view GetUnitName(int code) {
    return TableRow(UnitTable, code).name;
}
float GetUnitFactor(int code) {
    return TableRow(UnitTable, code).micrometresPerUnit;
}
std::string_view GetGasketName(int code) {
    return TableRow(GasketTable, code).name;
}
std::string_view GetGasketDiameterText(int code) {
    return TableRow(GasketTable, code).diameterText;
}
float GetGasketAreaRatio(int code) {
    return MeasuringGasketRow(code).areaRatio;
}
float GetGasketArea(int code) {
    return MeasuringGasketRow(code).area;
}

}  // namespace klv
