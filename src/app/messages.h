#pragma once

#include "base/file_messages.h"

// Texts of the application shell's message boxes.
namespace klv {

inline constexpr const char* kMsgAlreadyRunning = "KLV-570 has already been functioning.";
inline constexpr const char* kMsgCannotCreateMutex = "Failed to generate Mutexobject.";
inline constexpr const char* kMsgCannotMakeFile = "The file can't be made.";
inline constexpr const char* kMsgCannotInputData = "The data can't be input";
inline constexpr const char* kMsgCannotMakeDirectory = "The directory can't be made.";
inline constexpr const char* kMsgMayClose = "May the program be closed?";

}  // namespace klv
