#include "stats/sender_block.h"

#include <cstring>

#include "base/file_io.h"
#include "base/file_messages.h"
#include "base/fixed_text.h"

namespace klv {

SenderLoadResult LoadSenderBlock(const std::string& path, SenderBlock& block) {
    block = SenderBlock{};
    std::string image;
    switch (ReadWholeFile(path, image)) {
        case FileReadResult::CannotOpen:
            return SenderLoadResult::Absent;
        case FileReadResult::ReadFailed:
            return SenderLoadResult::Unreadable;
        case FileReadResult::Ok:
            break;
    }
    if (image.size() < sizeof block)
        return SenderLoadResult::Absent;
    std::memcpy(&block, image.data(), sizeof block);
    return SenderLoadResult::Loaded;
}

bool WriteSenderBlock(const std::string& path, const SenderBlock& block, Operator& op) {
    // The block goes over the start of the file; whatever follows it stays.
    std::string image;
    if (ReadWholeFile(path, image) != FileReadResult::Ok || image.size() < sizeof block)
        image.assign(sizeof block, '\0');
    std::memcpy(image.data(), &block, sizeof block);
    switch (WriteFileAtomically(path, image.data(), image.size())) {
        case FileWriteResult::Ok:
            return true;
        case FileWriteResult::CannotCreate:
            op.ShowMessage(kMsgFileNotMade, MsgIcon::Stop, MsgButtons::Ok);
            return false;
        case FileWriteResult::WriteFailed:
            break;
    }
    op.ShowMessage(kMsgDataNotInput, MsgIcon::Stop, MsgButtons::Ok);
    return false;
}

SenderRecord MakeSenderRecord(const SenderBlock& block, bool present) {
    SenderRecord r;
    r.present = present;
    r.title = GetFixedText(block.szTitle);
    r.titleSize = block.lTitleFontSize;
    for (int i = 0; i < kSenderLineCount; ++i)
        r.lines[static_cast<std::size_t>(i)] = GetFixedText(block.szLine[i]);
    return r;
}

}  // namespace klv
