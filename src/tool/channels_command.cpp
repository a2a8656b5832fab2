#include "base/file_io.h"
#include "base/file_messages.h"
#include "base/fixed_text.h"
#include "tool/text_decode.h"
#include "tool/tool_command.h"

namespace klv::tool {

int RunChannels(ToolContext& context, std::span<const std::string> args) {
    if (!args.empty())
        return kExitUsage;
    ConditionStore& store = context.store;
    const std::string folder = store.DataDirectory() + "KlvMeasF";
    if (!DirectoryExists(folder)) {
        context.err << kMsgFileNotFound << '\n';
        return kExitFailed;
    }
    // Without it every channel would look empty.
    if (!CanSearchDirectory(folder)) {
        context.err << kMsgDataUnreadable << '\n';
        return kExitFailed;
    }
    store.ScanChannels();
    int status = kExitOk;
    for (int i = 0; i < kChannelCount; ++i) {
        if (!store.Channels().Occupied(i))
            continue;
        MeasFileData d;
        FileReadResult r = store.ReadConditionImage(i, d);
        if (r != FileReadResult::Ok) {
            context.err << "channel " << (i + 1) << ": " << ReadFailureText(r) << '\n';
            status = kExitFailed;
            continue;
        }
        context.out << (i + 1) << '\t' << DecodeRecordText(GetFixedText(d.szFileName)) << '\t'
                    << GetCoatCount(d) << '\t' << GetDataQuantity(d) << '\n';
    }
    return status;
}

}  // namespace klv::tool
