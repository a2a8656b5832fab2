#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/messages.h"
#include "base/file_messages.h"
#include "base/fixed_text.h"
#include "reference/coating_table.h"
#include "reference/condition_checks.h"
#include "reference/condition_rules.h"
#include "reference/solution_defaults.h"
#include "reference/substance_table.h"
#include "tool/tool_command.h"

namespace klv::tool {

namespace {

struct NewOptions {
    std::string name;
    std::vector<std::string> layers;
    std::string base = "Fe";
    int gasket = 1;
    int range = 2;
    int unit = 1;
    bool alloy = false;
};

std::optional<int> ParseSmallNumber(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos)
        return std::nullopt;
    const int n = std::stoi(text);
    if (n < low || n > high)
        return std::nullopt;
    return n;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');)
        parts.push_back(part);
    return parts;
}

// A standard coating by its short name (free names are the editor's business).
int FindCoating(const std::string& name) {
    for (int code = 1; code <= kCoatingCount; ++code) {
        if (!IsFreeNameCoating(code) && GetCoatingShortName(code) == name)
            return code;
    }
    return 0;
}

int FindBase(const std::string& name) {
    for (int code = 1; code <= kSubstanceCount; ++code) {
        if (!IsFreeNameSubstance(code) && GetSubstanceShortName(code) == name)
            return code;
    }
    return 0;
}

bool ParseOptions(std::span<const std::string> args, NewOptions& o, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--alloy") {
            o.alloy = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "missing value after " << flag << "\n";
            return false;
        }
        const std::string& value = args[++i];
        std::optional<int> number;
        if (flag == "--name") {
            o.name = value;
        } else if (flag == "--layers") {
            o.layers = SplitList(value);
        } else if (flag == "--base") {
            o.base = value;
        } else if (flag == "--gasket" && (number = ParseSmallNumber(value, 1, 4))) {
            o.gasket = *number;
        } else if (flag == "--range" && (number = ParseSmallNumber(value, 1, 8))) {
            o.range = *number;
        } else if (flag == "--unit" && (number = ParseSmallNumber(value, 1, 9))) {
            o.unit = *number;
        } else {
            err << "bad option " << flag << " " << value << "\n";
            return false;
        }
    }
    if (o.layers.empty() || o.layers.size() > static_cast<std::size_t>(kMaxLayers)) {
        err << "--layers needs one to five coatings, top first\n";
        return false;
    }
    return true;
}

// The refused item in the words of the options: the editor points at the control, the tool can
// only name it.
std::string RefusalText(const ConditionCheck& check) {
    std::string name;
    switch (check.field) {
        case ConditionField::FileName:
            name = "name";
            break;
        case ConditionField::LayerCoating:
            name = "coating";
            break;
        case ConditionField::Base:
            name = "base";
            break;
        case ConditionField::Unit:
            name = "unit";
            break;
        case ConditionField::Gasket:
            name = "gasket";
            break;
        case ConditionField::Range:
            name = "range";
            break;
        case ConditionField::Solution:
            name = "test solution";
            break;
        case ConditionField::Sensitivity:
            name = "sensitivity";
            break;
        default:
            return check.message;
    }
    if (check.layer >= 0)
        name += " of layer " + std::to_string(check.layer + 1);
    return check.message + " (" + name + ")";
}

bool BuildCondition(const NewOptions& o, MeasFileData& d, std::ostream& err) {
    d = NewMeasFileData();
    SetFixedText(d.szFileName, o.name);
    for (std::size_t k = 0; k < o.layers.size(); ++k) {
        const int code = FindCoating(o.layers[k]);
        if (code == 0) {
            err << "unknown coating " << o.layers[k] << "\n";
            return false;
        }
        LayerCondition& c = d.coat[k];
        c.bCode = static_cast<std::uint8_t>(code);
        c.bRange = static_cast<std::uint8_t>(o.range);
        SetFixedText(c.Name, GetCoatingShortName(code));
    }
    const int base = FindBase(o.base);
    if (base == 0) {
        err << "unknown base " << o.base << "\n";
        return false;
    }
    d.bBaseCode = static_cast<std::uint8_t>(base);
    SetFixedText(d.baseName, o.base);
    d.bUnit = static_cast<std::uint8_t>(o.unit);
    d.bGasket = static_cast<std::uint8_t>(o.gasket);
    if (o.alloy && CanTestAlloyLayer(d))
        InsertAlloyLayer(d);
    RemoveInvalidAlloyLayers(d);
    for (int k = 0; k < GetCoatCount(d); ++k)
        d.coat[k].bRange = static_cast<std::uint8_t>(o.range);
    ApplyCombinationDefaults(d);
    // Tin over an alloy layer takes the first special pair the editor would offer.
    const SpecialPairLayers special = ApplyAlloySolutionRules(d);
    for (int k = 0; k < kMaxLayers; ++k) {
        if (special[static_cast<std::size_t>(k)])
            ApplySpecialSolutionPair(d, k, 0);
    }
    const ConditionCheck check = CheckConditionBeforeSave(d);
    if (!check.ok()) {
        err << RefusalText(check) << "\n";
        return false;
    }
    return true;
}

}  // namespace

int RunNew(ToolContext& context, std::span<const std::string> args) {
    if (args.empty())
        return kExitUsage;
    const int channel = ParseChannelNumber(args[0]);
    NewOptions options;
    if (channel < 0 || !ParseOptions(args.subspan(1), options, context.err))
        return kExitUsage;
    if (!context.store.CreateConditionDirectories()) {
        context.err << kMsgCannotMakeDirectory << "\n";
        return kExitFailed;
    }
    context.store.ScanChannels();
    if (context.store.Channels().Exists(channel - 1)) {
        context.err << "channel " << channel << " already has a condition\n";
        return kExitFailed;
    }
    if (context.store.Channels().Unreadable(channel - 1)) {
        MeasFileData d;
        context.err << "channel " << channel << " has a condition that can't be read: "
                    << ReadFailureText(context.store.ReadConditionImage(channel - 1, d)) << "\n";
        return kExitFailed;
    }
    MeasFileData d;
    if (!BuildCondition(options, d, context.err))
        return kExitFailed;
    if (!context.store.WriteConditionFile(channel - 1, d))
        return kExitFailed;
    context.out << channel << " : " << GetFixedText(d.szFileName) << "\n";
    return kExitOk;
}

}  // namespace klv::tool
