#pragma once

namespace klv {

inline constexpr const char* kMsgCantUseComPort =
    "Can't use COM port to transmit the measurement result\n\nStop transmission.";
inline constexpr const char* kMsgCantTransmitRs232c =
    "Can't transmit the measurement result with RS-232C.";
inline constexpr const char* kMsgServiceNameTaken =
    "Another program already uses the name org.klv570.KLV570 on the D-Bus session bus.\n\n"
    "The measurement results are not published to other programs.";
inline constexpr const char* kMsgServiceObjectsTaken =
    "The objects of the result service are already in use on this D-Bus connection.\n\n"
    "The measurement results are not published to other programs.";
inline constexpr const char* kMsgNoSessionBus =
    "There is no D-Bus session bus.\n\n"
    "The measurement results are not published to other programs.";

}  // namespace klv
