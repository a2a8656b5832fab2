#include "measure/gra_file.h"
#include "tool/tool_command.h"

namespace klv::tool {

int RunGraph(ToolContext& context, std::span<const std::string> args) {
    if (args.size() != 1)
        return kExitUsage;
    GraFile file;
    const GraReadResult read = ReadGraFile(args[0], file);
    if (read != GraReadResult::Ok) {
        context.err << GraReadFailureText(read) << '\n';
        return kExitFailed;
    }
    const GraHeader& h = file.header;
    const std::pair<const char*, std::int32_t> fields[] = {
        {"layer", h.lLayer},          {"count", h.lCount},
        {"interval", h.lInterval},    {"maximum", h.lMaximum},
        {"minimum", h.lMinimum},      {"display-mode", h.lDisplayMode},
        {"full-scale", h.lFullScale}, {"time-per-pixel", h.lTimePerPixel},
        {"lower", h.lLower},          {"upper", h.lUpper},
    };
    for (const auto& [name, value] : fields)
        context.out << name << '\t' << value << '\n';
    for (std::int32_t sample : file.samples)
        context.out << sample << '\n';
    return kExitOk;
}

}  // namespace klv::tool
