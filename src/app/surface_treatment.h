#pragma once

#include <string>
#include <vector>

namespace klv {

// One entry of "Surface treatment": the short name padded to 7 characters, then the full name.
struct SurfaceTreatmentEntry {
    int coatingCode;
    std::string caption;
};

// Every coating with a short name and a surface-treatment text, in the coatings' display order.
std::vector<SurfaceTreatmentEntry> SurfaceTreatmentEntries();

// The entry of `coatingCode`, or 0 when it has none.
int SurfaceTreatmentEntryOf(const std::vector<SurfaceTreatmentEntry>& entries, int coatingCode);

}  // namespace klv
