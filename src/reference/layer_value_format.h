#pragma once

#include <cstdint>
#include <string>

#include "reference/meas_file_data.h"

namespace klv {

// The 6-character value text of layer k: " -----" without a value; "%f" with the WT gasket;
// else fixed-point with the decimals of the layer's resolution, or of an adjacent alloy
// layer's when those are more.
std::string FormatLayerValue(float valueInUnit, const MeasFileData& d, int k, bool wt,
                             bool noValue);

// The running line of the layer being measured: padded name, value text and the unit name,
// or "CNT" for display modes 2 and 3.
std::string FormatLayerLine(const MeasFileData& d, int k, float valueInUnit, int displayMode,
                            bool noValue);

// "%d : %s" of the channel number and the condition name; the name alone for number 0.
std::string FormatFileTitle(int channelNumber, const MeasFileData& d);

// "Null" when auto stop is off, else the auto stop thickness of layer k in the unit.
std::string FormatAutoStop(const MeasFileData& d, int k);

// The auto-stop page's guidance: the reference thicknesses of gaskets A, B and C in the unit.
std::string FormatAutoStopReference(const MeasFileData& d);

// A range bound given in µm, cut to layer k's resolution, without leading blanks.
std::string FormatRangeBound(float micrometres, const MeasFileData& d, int k);

// "%04d/%02d/%02d" of a packed date; "" for date 0.
std::string FormatPackedDate(std::uint16_t packed);

}  // namespace klv
