#include "reference/coating_table.h"

#include "reference/table_row.h"

namespace klv {

namespace {

constexpr std::string_view T1 = "Polish several times with plastic eraser.";
constexpr std::string_view T2 =
    "Polish with fine type sand eraser.  If the surface is rough, remove Chromate completely.";
constexpr std::string_view T3 =
    "First remove grease with organic solution, and polish with PD, then wash in water.";
constexpr std::string_view T4 =
    "Firs polish several times with plastic eraser, and drop P-12 on test portion.  Then 2--3 "
    "seconds later wash in water, and wipe it with a dry cloth.";
constexpr std::string_view T5 = "Polish several times with a soft material cloth or tissue paper.";
constexpr std::string_view T6 = "Polish with PD, and wipe it with a dry cloth.";
constexpr std::string_view T7 =
    "After polish and wash in water, drop P-11 on the test portion.  Then, 2--5 seconds later "
    "wash in water, and wipe it with a dry cloth.";
constexpr std::string_view T8 =
    "After polish and wash in water, drop P-11 on the test portion.  Then, 2--4 seconds later "
    "wash in water, and wipe it with a dry cloth.";
constexpr std::string_view T9 =
    "After polish and wash in water, drop P-11 on the test portion.  Then, 2--3 seconds later "
    "wash in water, and wipe it with a dry cloth.";

}  // namespace

const std::array<std::string_view, 9> SurfaceTreatmentTexts = {T1, T2, T3, T4, T5, T6, T7, T8, T9};

// Densities of SO, Zn-Sn, NiP and BRS are not used: those follow the alloy mixing rule.
const std::array<CoatingRow, kCoatingCount + 1> CoatingTable = {{
    {"", "", 0, 0.0f, false, ""},
    {"BRS", "Brass", 3, 8.54f, false, T1},
    {"Cd", "Cadmiun", 18, 8.65f, false, T2},
    {"Cr", "Chrome", 24, 7.2f, false, T3},
    {"BCr", "Black Chrome", 25, 0.87f, false, T3},
    {"Cu", "Copper", 4, 8.96f, false, T4},
    {"Pb", "Lead", 17, 11.35f, false, T5},
    {"SO", "Solder", 26, 1.0f, false, T5},
    {"Zn-Sn", "Zinc-Tin Alloy", 27, 7.24f, false, T5},
    {"Zn", "Zinc", 28, 7.13f, false, T2},
    {"Ag", "Silver", 23, 10.5f, false, T1},
    {"Sn", "Tin", 7, 7.31f, false, T5},
    {"SnW", "Tin plating wire", 29, 7.31f, false, T6},
    {"Co", "Cobalt", 19, 8.9f, false, T7},
    {"PAM", "Permalloy", 9, 8.67f, false, T8},
    {"Fe", "Steel", 1, 7.874f, false, T3},
    {"Ni", "Nickel", 5, 8.902f, false, T9},
    {"NiP", "Electroless Nickel", 21, 1.0f, false, T9},
    {"Au", "Gold", 30, 19.32f, false, T1},
    {"In", "Indiumn", 31, 7.31f, false, T6},
    {"", "", 33, 0.0f, true, ""},
}};

const std::array<std::uint8_t, kCoatingCount> CoatingDisplayOrder = {
    3, 4, 16, 17, 14, 13, 5, 15, 1, 9, 19, 2, 11, 12, 7, 8, 6, 10, 18, 20};

const CoatingRow& GetCoatingRow(int code) {
    return TableRow(CoatingTable, code);
}

std::string_view GetCoatingShortName(int code) {
    return GetCoatingRow(code).shortName;
}
std::string_view GetCoatingFullName(int code) {
    return GetCoatingRow(code).fullName;
}
float GetCoatingDensity(int code) {
    return GetCoatingRow(code).density;
}
std::uint8_t GetCoatingSubstance(int code) {
    return GetCoatingRow(code).substance;
}
std::string_view GetSurfaceText(int code) {
    return GetCoatingRow(code).surfaceText;
}
bool IsFreeNameCoating(int code) {
    return GetCoatingRow(code).freeName;
}

bool IsTinTypeCoating(int code) {
    return code == kCoatSolder || code == kCoatTin || code == kCoatTinWire;
}

bool IsCopperTypeCoating(int code) {
    return code == kCoatBrass || code == kCoatCopper;
}

}  // namespace klv
