#pragma once

namespace klv {

inline constexpr char kMsgCommErrorContinuing[] =
    "Communication error occuring continulysly.  Ending \n\n measurement?";
inline constexpr char kMsgProbeOpen[] =
    "Error.  Please check following item.\n\n  .  Anode & cathode cord might be came off ?\n\n"
    "  .  Bubble in cell?\n\n  .  Using different test solution ?";
// The full-width question mark it ends with has no place in the single-byte texts of the boxes
// (it came out as three stray characters, or as a box in fonts without full-width forms);
// the plain question mark reads the same.
inline constexpr char kMsgMaximumCount[] =
    "Not possible to test coating thickness any more.  \n\nTake this value as measurement "
    "data?";
inline constexpr char kMsgChangeSolution[] =
    "Please change test solution.\n\n If you click OK, measurement is continued.";
inline constexpr char kMsgSaturation[] =
    "If further measurement is continued,test solution will be satulated. \n\nChanging test "
    "solution and re-start ?";
inline constexpr char kMsgUnknownEndReason[] =
    "The instrument ended the electrolysis for an unknown reason (%d).\n\n"
    "This layer is not valid. Please measure it again.";
inline constexpr char kMsgNoResolution[] =
    "The unit and the current range of this layer have no count period.\n\n"
    "Please check the measurement condition.";

}  // namespace klv
