#pragma once

#include <optional>
#include <string>

#include "reference/meas_file_data.h"

namespace klv {

// Rules on the layer structure of a measurement condition. Layer indices k are 0-4 (top = 0);
// an index outside that range is treated as an unused layer.

// "" for an unused layer, "Alloy layer" for an alloy layer, else the stored coating name.
std::string GetCoatName(const MeasFileData& d, int k);
// The same, padded with blanks to 6 characters, for printing.
std::string GetCoatNamePadded(const MeasFileData& d, int k);

struct UnderSubstance {
    int coating;    // the coating used for table lookups: an alloy layer takes the one above
    int substance;  // the material directly under the layer
};
UnderSubstance GetUnderSubstance(const MeasFileData& d, int k);
// Nickel over nickel at layer k: measured with the electro-rod.
bool IsNickelOnNickel(const MeasFileData& d, int k);

// 3 around an alloy layer, 2 with the WT gasket, else 0.
int GetDisplayMode(const MeasFileData& d, int k);

// Base, unit, gasket, at least one layer, and solution, range and sensitivity on every layer.
bool IsComplete(const MeasFileData& d);

bool CanTestAlloyLayer(const MeasFileData& d);
void InsertAlloyLayer(MeasFileData& d);
void RemoveAlloyLayers(MeasFileData& d);
void RemoveInvalidAlloyLayers(MeasFileData& d);
// Moves the layers below k up and clears layer 5.
void DeleteLayer(MeasFileData& d, int k);

// Index of the SO, Sn or SnW layer that lies directly over an alloy layer.
std::optional<int> HasAlloySn(const MeasFileData& d);
// That layer, when a layer exists two places below it (the copper under the alloy layer).
std::optional<int> HasAlloyCu(const MeasFileData& d);

// Every used layer's (unit, range) pair has a resolution row.
bool CheckUnitRange(const MeasFileData& d);
// The first used layer whose pair has none.
std::optional<int> FindUnitRangeConflict(const MeasFileData& d);

// Statistics on with a total, and as many complete measurements stored: a measurement that
// reaches the total is finished before the channel counts as full.
// GrossStatisticsReached (stats) counts an incomplete last data too: it answers after the first
// layer of that measurement, this rule only once it is complete.
bool IsTotalReached(const MeasFileData& d);

// True when the fifth layer must stay empty: tin-type layer 1 over an alloy layer over a Cu
// or brass layer 3, whose tin and copper split takes every result item.
bool DonotsetLayerNo5(const MeasFileData& d);

}  // namespace klv
