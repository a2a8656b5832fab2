#pragma once

#include "base/file_messages.h"

// Texts of the application shell's message boxes.
namespace klv {

inline constexpr const char* kMsgAlreadyRunning = "KLV-570 has already been functioning.";
inline constexpr const char* kMsgCannotCreateMutex = "Failed to generate Mutexobject.";
inline constexpr const char* kMsgCannotMakeFile = "The file can't be made.";
inline constexpr const char* kMsgCannotInputData = "The data can't be input";
inline constexpr const char* kMsgCannotMakeDirectory = "The directory can't be made.";
// Not one of the system's texts: tester.dat is otherwise read silently.
inline constexpr const char* kMsgSenderUnreadable =
    "The sender settings (tester.dat) can't be read.\n\nThey are not saved in this run.";
inline constexpr const char* kMsgMayClose = "May the program be closed?";

}  // namespace klv
