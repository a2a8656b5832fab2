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
    if (!DirectoryExists(store.DataDirectory() + "KlvMeasF")) {
        context.err << kMsgFileNotFound << '\n';
        return kExitFailed;
    }
    store.ScanChannels();
    for (int i = 0; i < kChannelCount; ++i) {
        if (!store.Channels().Exists(i))
            continue;
        MeasFileData d;
        if (!store.ReadConditionFile(i, d, true))
            return kExitFailed;
        context.out << (i + 1) << '\t' << DecodeRecordText(GetFixedText(d.szFileName)) << '\t'
                    << GetCoatCount(d) << '\t' << GetDataQuantity(d) << '\n';
    }
    return kExitOk;
}

}  // namespace klv::tool
