#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

#include "base/check_messages.h"
#include "base/number_parse.h"
#include "base/profile.h"
#include "stats/calc_statistics.h"
#include "stats/capability.h"
#include "stats/chart_lists.h"
#include "stats/chart_scale_input.h"
#include "stats/control_chart.h"
#include "stats/form_groups.h"
#include "stats/histogram.h"
#include "stats/run_rules.h"
#include "stats/stat_columns.h"
#include "tool/group_argument.h"
#include "tool/tool_command.h"

namespace klv::tool {
namespace {

constexpr char kXbarRCondition[] =
    "X-bar-R Expression condition for X-bar-R control chart.  1 group has more than 2 data, "
    "and there are more than 2 groups' data.";
constexpr char kGroupNotFixed[] = "Data number of the one group is not fixed";

// "--name value" pairs after the channel number; false for a name not in `known`.
bool ParseOptions(std::span<const std::string> args, std::initializer_list<const char*> known,
                  std::map<std::string, std::string>& options) {
    if (args.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        bool found = false;
        for (const char* name : known)
            found = found || args[i] == name;
        if (!found)
            return false;
        options[args[i]] = args[i + 1];
    }
    return true;
}

// A channel's statistics data in one group mode, with the layer the chart shows.
struct ChartSource {
    MeasFileData d{};
    int k = 0;
    std::vector<MsrLogRecord> stored;
    FormedData formed;
    StatisticsSelection selection{GroupMode::AllData, 0, 0, 0, 1, 1};
};

// Reads channel, --layer and --group; the exit code when that fails.
std::optional<int> LoadChartSource(ToolContext& context, const std::string& channelText,
                                   const std::map<std::string, std::string>& options,
                                   ChartSource& source) {
    const int channel = ParseChannelNumber(channelText);
    if (channel < 0)
        return kExitUsage;
    if (auto g = options.find("--group");
        g != options.end() && !ParseGroupArgument(g->second, source.selection))
        return kExitUsage;
    if (!context.store.ReadConditionFile(channel - 1, source.d, true))
        return kExitFailed;
    if (auto l = options.find("--layer"); l != options.end()) {
        const std::optional<int> layer = ParseInt(l->second);
        const int layers = GetStatColumnCount(source.d);
        if (!layer || *layer < 1 || *layer > layers) {
            context.err << RangeMessage(1, layers) << '\n';
            return kExitFailed;
        }
        source.k = *layer - 1;
    }
    if (!FormGroups(context.store, channel - 1, source.d, source.selection, source.stored,
                    source.formed))
        return kExitFailed;
    return std::nullopt;
}

// Run rule numbers typed as digits ("1235"), or "none".
std::optional<unsigned> ParseRuleNumbers(const std::string& text) {
    if (text == "none")
        return 0u;
    unsigned rules = 0;
    for (char ch : text) {
        if (ch < '1' || ch > '0' + kRunRuleCount)
            return std::nullopt;
        rules |= RunRuleOf(ch - '0');
    }
    return text.empty() ? std::nullopt : std::optional<unsigned>(rules);
}

// A stored-unit value as the lists show it.
std::string Shown(double stored, const ChartSource& s) {
    return ChartValueText(stored, s.d, s.k);
}

// A manual range bound typed in the displayed unit, in the stored unit.
std::optional<double> ReadRangeBound(ToolContext& context, const std::string& text,
                                     const MeasFileData& d) {
    std::string message;
    const std::optional<double> v = ParseChartBound(text, d, false, message);
    if (!v)
        context.err << message << '\n';
    return v;
}

}  // namespace

int RunXbarRFactors(ToolContext& context, std::span<const std::string> args) {
    std::vector<int> sizes;
    for (const std::string& a : args) {
        const std::optional<int> n = ParseInt(a);
        if (!n || *n < 2 || *n > 999)
            return kExitUsage;
        sizes.push_back(*n);
    }
    if (sizes.empty())
        for (int n = 2; n <= 25; ++n)
            sizes.push_back(n);
    for (int n : sizes) {
        const ControlChartFactors f = ComputeControlChartFactors(n);
        char line[128];
        std::snprintf(line, sizeof line, "%d\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\n", n,
                      static_cast<double>(f.d2), static_cast<double>(f.d3),
                      static_cast<double>(f.A2), static_cast<double>(f.D3),
                      static_cast<double>(f.D4));
        context.out << line;
    }
    return kExitOk;
}

int RunXbarR(ToolContext& context, std::span<const std::string> args) {
    std::map<std::string, std::string> options;
    if (args.empty() ||
        !ParseOptions(args.subspan(1), {"--layer", "--group", "--n", "--rules"}, options))
        return kExitUsage;
    unsigned enabled = LoadRunRules(ProfileFile(context.store.DataDirectory() + "KLV570.ini"));
    if (auto r = options.find("--rules"); r != options.end()) {
        const std::optional<unsigned> given = ParseRuleNumbers(r->second);
        if (!given)
            return kExitUsage;
        enabled = *given;
    }
    ChartSource s;
    s.selection = {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 5};
    if (const auto code = LoadChartSource(context, args[0], options, s))
        return *code;
    if (s.selection.mode != GroupMode::FixedGroupAverage &&
        s.selection.mode != GroupMode::DailyAverage)
        return kExitUsage;
    if (!s.formed.bXbarR) {
        context.err << kXbarRCondition << '\n';
        return kExitFailed;
    }
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(s.d));
    const ChartGroups g =
        FormChartGroups(s.stored, s.d.nItemCt / layers, s.d, s.k, s.selection.mode,
                        s.selection.nGroupSize, s.formed.nDataCt);
    int n = g.n;
    if (auto given = options.find("--n"); n == 0 && given != options.end()) {
        std::string message;
        const std::optional<int> v = ParseGroupDataNumber(given->second, message);
        if (!v) {
            context.err << message << '\n';
            return kExitFailed;
        }
        n = *v;
    }
    if (n == 0) {
        context.err << kGroupNotFixed << '\n';
        return kExitFailed;
    }
    const bool individuals = n == 1;
    const ControlChartFactors f = ComputeControlChartFactors(std::max(n, 2));
    const ControlChart c =
        individuals ? ComputeIndividualsChart(g.groups) : ComputeControlChart(g.groups, f);
    context.out << "chart\t" << (individuals ? "I-MR" : "X-bar-R") << "\nk\t" << g.groups.size()
                << "\nn\t" << n << '\n';
    const std::pair<const char*, float> rows[] = {
        {"xbarbar", c.x.centre}, {"ucl-x", c.x.ucl},       {"lcl-x", c.x.lcl},
        {"rbar", c.r.centre},    {"ucl-r", c.r.ucl},       {"lcl-r", c.r.lcl},
        {"x-top", c.x.top},      {"x-bottom", c.x.bottom}, {"r-top", c.r.top},
        {"r-bottom", c.r.bottom}};
    for (const auto& [name, value] : rows)
        context.out << name << '\t' << Shown(value, s) << '\n';
    const ControlChartSeries series = ChartSeriesOf(g.groups, individuals);
    for (std::size_t i = 0; i < g.groups.size(); ++i) {
        context.out << i + 1 << '\t' << Shown(series.x[i], s) << '\t'
                    << (i < series.rFirst ? std::string("-")
                                          : Shown(series.r[i - series.rFirst], s))
                    << '\n';
    }
    const ChartRuleBreaks breaks = FindChartRuleBreaks(series, c, enabled);
    const char* plotNames[] = {individuals ? "X" : "X-bar", individuals ? "MR" : "R"};
    for (int number = 1; number <= kRunRuleCount; ++number) {
        const RunRule rule = RunRuleOf(number);
        for (int plot = 0; plot < 2; ++plot) {
            const unsigned applies = plot == 0 ? enabled : enabled & kRangeChartRules;
            if ((applies & rule) == 0)
                continue;
            context.out << "rule\t" << number << '\t' << plotNames[plot] << '\t'
                        << RunRulePoints(plot == 0 ? breaks.x : breaks.r, rule,
                                         plot == 0 ? 1 : series.rFirst + 1)
                        << '\n';
        }
    }
    return kExitOk;
}

int RunHistogram(ToolContext& context, std::span<const std::string> args) {
    std::map<std::string, std::string> options;
    if (args.empty() ||
        !ParseOptions(args.subspan(1), {"--layer", "--group", "--lower", "--upper", "--divisions"},
                      options))
        return kExitUsage;
    const std::size_t manual =
        options.count("--lower") + options.count("--upper") + options.count("--divisions");
    if (manual != 0 && manual != 3)
        return kExitUsage;
    ChartSource s;
    if (const auto code = LoadChartSource(context, args[0], options, s))
        return *code;
    const ChartStatistics stats = ToChartUnits(CalcStatistics(s.formed, s.d).layer[s.k], s.d);
    HistogramScale scale = AutoHistogramScale(stats, s.formed.nDataCt);
    if (manual == 3) {
        const std::optional<double> lower = ReadRangeBound(context, options["--lower"], s.d);
        const std::optional<double> upper = ReadRangeBound(context, options["--upper"], s.d);
        if (!lower || !upper)
            return kExitFailed;
        std::string message;
        const std::optional<unsigned> divisions =
            ParseDivisionNumber(options["--divisions"], message);
        if (!divisions) {
            context.err << message << '\n';
            return kExitFailed;
        }
        scale = {std::min(*lower, *upper), std::max(*lower, *upper), *divisions};
    }
    const std::vector<double> values = LayerChartValues(s.formed.items, s.formed.nDataCt, s.d, s.k);
    const Histogram h = ComputeHistogram(values, scale, stats);
    context.out << "lower\t" << Shown(h.scale.lower, s) << "\nupper\t" << Shown(h.scale.upper, s)
                << "\ndivisions\t" << h.scale.divisions << "\ntop\t" << h.top << '\n';
    for (std::uint32_t count : h.counts)
        context.out << count << '\n';
    return kExitOk;
}

int RunCapability(ToolContext& context, std::span<const std::string> args) {
    std::map<std::string, std::string> options;
    if (args.empty() || !ParseOptions(args.subspan(1), {"--layer", "--group"}, options))
        return kExitUsage;
    ChartSource s;
    if (const auto code = LoadChartSource(context, args[0], options, s))
        return *code;
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(s.d));
    const CapabilityFigures c =
        ComputeCapability(s.d, s.stored, s.d.nItemCt / layers, s.formed, s.selection, s.k);
    const auto number = [](const std::optional<double>& v) {
        if (!v)
            return std::string("-");
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", *v);
        return std::string(text);
    };
    const CapabilityTexts t = FormatCapability(c);
    context.out << "n\t" << c.n << "\nmean\t" << (c.n == 0 ? std::string("-") : number(c.mean))
                << "\nsigma-within\t" << number(c.sigmaWithin) << "\nsigma-overall\t"
                << number(c.sigmaOverall) << "\ncp\t" << t.cp << "\ncpk\t" << t.cpk << "\npp\t"
                << t.pp << "\nppk\t" << t.ppk << '\n';
    return kExitOk;
}

}  // namespace klv::tool
