#include "app/sender_block.h"

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
    switch (WriteFileAtomically(path, &block, sizeof block)) {
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
