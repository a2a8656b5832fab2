#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace klv {

inline constexpr int kDdeHistorySize = 100;

// The items of one topic: their names in listing order and the text slot each one reads.
// Several names may read one slot ("COAT" and "COAT1"). Names match without regard to case.
class DdeItemTable {
public:
    const std::vector<std::string>& Names() const { return m_names; }
    std::size_t SlotCount() const { return m_slotSizes.size(); }
    // The buffer of the slot in bytes, its closing NUL included.
    std::size_t SlotSize(std::size_t slot) const { return m_slotSizes[slot]; }
    std::optional<std::size_t> Find(const std::string& name) const;
    // The slot of a name the table is known to hold.
    std::size_t Slot(const std::string& name) const { return *Find(name); }

    std::size_t AddSlot(std::size_t size);
    void AddName(const std::string& name, std::size_t slot);

private:
    std::vector<std::string> m_names;
    std::vector<std::size_t> m_slotSizes;
    std::unordered_map<std::string, std::size_t> m_lookup;
};

DdeItemTable BuildMeasItemTable();
DdeItemTable BuildStatItemTable();
// "Topics", "SysItems" and "Formats".
DdeItemTable BuildSystemItemTable();

// The item name prefix of history entry n: "No%d"; entry 0 also answers to "No".
std::string HistoryItemName(int entry);
// The MEAS items notified when history entry n is filled: "No%d" and "No%d.*" for n >= 1,
// "No" and "No.*" for entry 0.
bool IsNotifiedHistoryItem(const std::string& name, int entry);
// The MEAS items of the "current" group: all but the history.
bool IsCurrentMeasItem(const std::string& name);

// The names of the STAT quantities that carry one text per layer, in listing order.
inline constexpr const char* kStatLayerItems[] = {"COAT",    "TOTAL",  "MAX",   "MIN",
                                                  "AVERAGE", "RANGE",  "STDEV", "L3SIGMA",
                                                  "H3SIGMA", "HLIMIT", "LLIMIT"};

}  // namespace klv
