#include "output/dde_items.h"

#include <cctype>
#include <string_view>

#include "reference/meas_file_data.h"

namespace klv {

namespace {

std::string Folded(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

constexpr std::size_t kNameSize = 16;
constexpr std::size_t kResSize = 20;
constexpr std::size_t kResultSize = 256;
constexpr std::size_t kTotalSize = 64;
constexpr std::size_t kStatValueSize = 32;

// "COAT", "COAT1" … "COAT5" on five slots of one size; the bare name reads the first.
void AddLayerItems(DdeItemTable& table, const std::string& name, std::size_t size) {
    std::size_t first = 0;
    for (int k = 1; k <= kMaxLayers; ++k) {
        const std::size_t slot = table.AddSlot(size);
        if (k == 1) {
            first = slot;
            table.AddName(name, first);
        }
        table.AddName(name + std::to_string(k), slot);
    }
}

// The slots of one history entry.
struct HistorySlots {
    std::size_t number = 0;
    std::size_t res[kMaxLayers] = {};
    std::size_t day = 0;
    std::size_t time = 0;
};

HistorySlots AddHistorySlots(DdeItemTable& table) {
    HistorySlots s;
    s.number = table.AddSlot(kNameSize);
    for (std::size_t& r : s.res)
        r = table.AddSlot(kResSize);
    s.day = table.AddSlot(kNameSize);
    s.time = table.AddSlot(kNameSize);
    return s;
}

void AddHistoryNames(DdeItemTable& table, const std::string& prefix, const HistorySlots& s) {
    table.AddName(prefix, s.number);
    table.AddName(prefix + ".RES", s.res[0]);
    for (int k = 0; k < kMaxLayers; ++k)
        table.AddName(prefix + ".RES" + std::to_string(k + 1), s.res[k]);
    table.AddName(prefix + ".DAY", s.day);
    table.AddName(prefix + ".TIME", s.time);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::size_t> DdeItemTable::Find(const std::string& name) const {
    const auto it = m_lookup.find(Folded(name));
    if (it == m_lookup.end())
        return std::nullopt;
    return it->second;
}

std::size_t DdeItemTable::AddSlot(std::size_t size) {
    m_slotSizes.push_back(size);
    return m_slotSizes.size() - 1;
}

void DdeItemTable::AddName(const std::string& name, std::size_t slot) {
    m_names.push_back(name);
    m_lookup.emplace(Folded(name), slot);
}

DdeItemTable BuildMeasItemTable() {
    DdeItemTable table;
    table.AddName("BASE", table.AddSlot(kNameSize));
    table.AddName("UNIT", table.AddSlot(kNameSize));
    AddLayerItems(table, "COAT", kNameSize);
    AddLayerItems(table, "RES", kResSize);
    table.AddName("RESULT", table.AddSlot(kResultSize));
    const HistorySlots entry0 = AddHistorySlots(table);
    AddHistoryNames(table, "No", entry0);
    AddHistoryNames(table, HistoryItemName(0), entry0);
    for (int n = 1; n < kDdeHistorySize; ++n)
        AddHistoryNames(table, HistoryItemName(n), AddHistorySlots(table));
    return table;
}

DdeItemTable BuildStatItemTable() {
    DdeItemTable table;
    table.AddName("DATACT", table.AddSlot(kNameSize));
    table.AddName("BASE", table.AddSlot(kNameSize));
    table.AddName("UNIT", table.AddSlot(kNameSize));
    for (const char* name : kStatLayerItems) {
        const std::string_view n(name);
        AddLayerItems(table, name,
                      n == "COAT"    ? kNameSize
                      : n == "TOTAL" ? kTotalSize
                                     : kStatValueSize);
    }
    return table;
}

DdeItemTable BuildSystemItemTable() {
    DdeItemTable table;
    for (const char* name : {"Topics", "SysItems", "Formats"})
        table.AddName(name, table.AddSlot(kResultSize));
    return table;
}

std::string HistoryItemName(int entry) {
    return "No" + std::to_string(entry);
}

bool IsNotifiedHistoryItem(const std::string& name, int entry) {
    const std::string prefix = entry == 0 ? "No" : HistoryItemName(entry);
    return name == prefix || StartsWith(name, prefix + ".");
}

bool IsCurrentMeasItem(const std::string& name) {
    return !StartsWith(name, "No");
}

}  // namespace klv
