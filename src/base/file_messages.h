#pragma once

#include <string>

#include "base/file_io.h"
#include "base/operator.h"

namespace klv {

// The system's file error texts, shared by every store.
inline constexpr const char kMsgFileNotFound[] = "The file can't be found.";
inline constexpr const char kMsgDataUnreadable[] = "Data can't be read, or some error in the data.";
inline constexpr const char kMsgFileNotMade[] = "The file can't be made.";
inline constexpr const char kMsgDataNotInput[] = "The data can't be input";
// Where memory or the clipboard fail, in every window alike.
inline constexpr const char kMsgShortOfMemory[] = "Short of memory";
inline constexpr const char kMsgCopyFailed[] = "It can't be copying on clipboard.";

inline const char* ReadFailureText(FileReadResult r) {
    return r == FileReadResult::CannotOpen ? kMsgFileNotFound : kMsgDataUnreadable;
}

inline const char* WriteFailureText(FileWriteResult r) {
    return r == FileWriteResult::CannotCreate ? kMsgFileNotMade : kMsgDataNotInput;
}

inline void ShowFileError(Operator& op, const char* text) {
    op.ShowMessage(text, MsgIcon::Stop, MsgButtons::Ok);
}

}  // namespace klv
