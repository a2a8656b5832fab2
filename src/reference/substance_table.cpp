#include "reference/substance_table.h"

#include "reference/table_row.h"

namespace klv {

const std::array<SubstanceRow, kSubstanceCount + 1> SubstanceTable = {{
    {"", "", 0},
    {"Fe", "Steel", 0},
    {"Al", "Aluminuim", 0},
    {"BRS", "Brass", 0},
    {"Cu", "Copper", 0},
    {"Ni", "Nickel", 0},
    {"NS", "Nickel silver", 0},
    {"Sn", "Tin", 0},
    {"INC", "Inconel", 0},
    {"PAM", "Permalloy", 0},
    {"KOV", "Kovar", 0},
    {"Mo", "Molybdenum", 0},
    {"W", "Tungsten", 0},
    {"SUS", "Stainless Steel", 0},
    {"ALB", "Aluminum Bronze", 0},
    {"ZnD", "Zinc", 0},
    {"U", "Uranium", 0},
    {"Pb", "Lead", 0},
    {"Cd", "Cadomium", 0},
    {"Co", "Cobalt", 0},
    {"FeA", "Ferrous Alloy", 0},
    {"NiP", "Electroless Nickel", 0},
    {"BeCu", "Beryllium Copper", 0},
    {"Ag", "Silver", 0},
    {"Cr", "Chrome", 0},
    {"BCr", "Black Chrome", 0},
    {"SO", "Solder", 0},
    {"Zn-Sn", "Zinc-Tin Alloy", 0},
    {"Zn", "Zinc", 0},
    {"SnW", "Tin plating wire", 0},
    {"Au", "Gold", 0},
    {"In", "Indium", 0},
    {"ALY", "Alloy layer", kSubstanceAlloyLayer},
    {"", "", kSubstanceFreeName},
    {"PL", "Non-metal", 0},
}};

const std::array<std::uint8_t, 26> BaseDisplayOrder = {
    1, 34, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 28, 15, 16, 17, 18, 19, 20, 21, 22, 23, 33};

const SubstanceRow& GetSubstanceRow(int code) {
    return TableRow(SubstanceTable, code);
}

std::string_view GetSubstanceShortName(int code) {
    return GetSubstanceRow(code).shortName;
}
std::string_view GetSubstanceFullName(int code) {
    return GetSubstanceRow(code).fullName;
}
bool IsFreeNameSubstance(int code) {
    return (GetSubstanceRow(code).flag & kSubstanceFreeName) != 0;
}

}  // namespace klv
