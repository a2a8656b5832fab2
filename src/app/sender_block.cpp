#include "app/sender_block.h"

#include <cstring>

#include "app/messages.h"
#include "base/file_io.h"

namespace klv {

SenderBlock LoadSenderBlock(const std::string& path) {
    SenderBlock block{};
    if (ReadFileAt(path, 0, &block, sizeof block) != FileReadResult::Ok)
        block = SenderBlock{};
    return block;
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
            op.ShowMessage(kMsgCannotMakeFile, MsgIcon::Stop, MsgButtons::Ok);
            return false;
        case FileWriteResult::WriteFailed:
            break;
    }
    op.ShowMessage(kMsgCannotInputData, MsgIcon::Stop, MsgButtons::Ok);
    return false;
}

}  // namespace klv
