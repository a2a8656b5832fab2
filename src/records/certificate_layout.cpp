#include "records/certificate_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace klv {

namespace {

constexpr double kMargin = 42.5;  // 15 mm
constexpr double kFontSize = 9;
constexpr double kCharWidth = kFontSize * kCourierAdvance;
constexpr double kLineHeight = 11;
constexpr int kHistogramLines = 10;
constexpr int kHistogramBoxLines = 7;
constexpr int kHistogramLeft = 8;  // columns
constexpr int kHistogramRight = 84;

struct Line {
    std::string text;
    bool bold = false;
    int header = -1;     // the line repeated above it at the top of a page
    int keep = 0;        // lines after it that stay on its page
    int histogram = -1;  // the layer whose histogram this line stands for
};

std::string Fixed(double v, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

std::string Fixed(const std::optional<double>& v, int decimals) {
    return v ? Fixed(*v, decimals) : std::string("-");
}

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        if (item.empty())
            continue;
        out += (out.empty() ? "" : ", ") + item;
    }
    return out.empty() ? std::string("-") : out;
}

// UTF-8 characters in `text`.
std::size_t Length(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// `text` in `width` columns: cut when longer, padded on the left when `right`.
std::string Cell(const std::string& text, std::size_t width, bool right = false) {
    std::string t;
    std::size_t shown = 0;
    for (char ch : text) {
        const bool starts = (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        if (starts && shown == width)
            break;
        shown += starts ? 1 : 0;
        t += ch;
    }
    const std::string pad(width - shown, ' ');
    return right ? pad + t : t + pad;
}

class Body {
public:
    std::vector<Line> lines;

    // A text broken at blanks into lines of the page's width; the lines after the first are
    // indented by `indent`.
    void Text(const std::string& text, bool bold = false, std::size_t indent = 0) {
        std::string rest = text;
        std::size_t width = kCertificateColumns;
        std::string lead;
        while (Length(rest) > width) {
            std::size_t cut = rest.rfind(' ', width);
            if (cut == std::string::npos || cut == 0)
                cut = width;
            lines.push_back({lead + rest.substr(0, cut), bold});
            rest = rest.substr(cut);
            rest.erase(0, rest.find_first_not_of(' '));
            lead.assign(indent, ' ');
            width = kCertificateColumns - indent;
        }
        lines.push_back({lead + rest, bold});
    }
    void Heading(const std::string& text) {
        Blank();
        lines.push_back({text, true, -1, 2});
    }
    void Field(const std::string& label, const std::string& value) {
        Text(Cell(label, 15) + value, false, 15);
    }
    int TableHeader(const std::string& text) {
        lines.push_back({text, true, -1, 1});
        return static_cast<int>(lines.size()) - 1;
    }
    void Row(const std::string& text, int header, int keep = 0) {
        lines.push_back({text, false, header, keep});
    }
    void Blank() { lines.push_back({}); }
};

std::string VerdictText(const CertificateValue& v) {
    if (!v.present)
        return "";
    if (!v.micrometres)
        return "no value";
    if (v.verdict == "inside")
        return "OK";
    if (v.verdict == "above")
        return "above USL";
    if (v.verdict == "below")
        return "below LSL";
    return "-";
}

void AddHeader(Body& b, const LotCertificate& c, const CertificateSender& sender,
               const std::string& madeOn) {
    if (!sender.title.empty())
        b.Text(sender.title, true);
    for (const std::string& line : sender.lines)
        b.Text(line);
    b.Blank();
    b.Field("Customer:", Join(c.customers));
    b.Field("Goods:", Join(c.goods));
    b.Field("Lot:", c.lot);
    b.Field("Operator(s):", Join(c.operators));
    b.Field("Measured:",
            c.firstDate == c.lastDate ? c.firstDate : c.firstDate + " to " + c.lastDate);
    b.Field("Tester(s):", Join(c.testers));
    b.Field("Readings:", std::to_string(c.readings.size()));
    b.Field("Issued:", madeOn);
}

void AddCondition(Body& b, const LotCertificate& c, double factor, const std::string& unit) {
    b.Heading("Condition");
    int h = b.TableHeader(Cell("Name", 24) + " " + Cell("Base", 24) + " " + Cell("Unit", 6) + " " +
                          "Gasket");
    for (const CertificateCondition& k : c.conditions)
        b.Row(Cell(k.name, 24) + " " + Cell(k.base, 24) + " " + Cell(k.unit, 6) + " " + k.gasket,
              h);
    b.Blank();
    h = b.TableHeader(Cell("Layer", 5, true) + " " + Cell("Coating", 16) + " " +
                      Cell("Lower limit", 14, true) + " " + Cell("Upper limit", 14, true));
    for (std::size_t k = 0; k < c.layers.size(); ++k) {
        const CertificateLayer& l = c.layers[k];
        auto limit = [&](const std::optional<double>& v) {
            return v ? Fixed(*v / factor, 3) + " " + unit : std::string("none");
        };
        b.Row(Cell(std::to_string(k + 1), 5, true) + " " + Cell(l.coating, 16) + " " +
                  Cell(limit(l.lower), 14, true) + " " + Cell(limit(l.upper), 14, true),
              h);
    }
}

void AddReadings(Body& b, const LotCertificate& c, double factor, const std::string& unit) {
    b.Heading("Readings");
    const int h =
        b.TableHeader(Cell("No.", 4, true) + " " + Cell("Date", 10) + " " + Cell("Time", 8) + " " +
                      Cell("Tester", 10) + " " + Cell("Ch", 3, true) + " " + Cell("Data", 5, true) +
                      " " + Cell("L", 2, true) + " " + Cell("Coating", 8) + " " +
                      Cell("Value", 14, true) + " " + Cell("Verdict", 10) + " " + "Calib.");
    for (std::size_t i = 0; i < c.readings.size(); ++i) {
        const CertificateReading& r = c.readings[i];
        // A reading's layers stay together on one page.
        const int rows = static_cast<int>(std::count_if(
            r.values.begin(), r.values.end(), [](const CertificateValue& v) { return v.present; }));
        bool first = true;
        for (std::size_t k = 0; k < r.values.size(); ++k) {
            const CertificateValue& v = r.values[k];
            if (!v.present)
                continue;
            // A corrected value has no shown text of its own.
            std::string value = "-";
            if (v.micrometres)
                value = v.shown.empty() ? Fixed(*v.micrometres / factor, 3) + " " + unit : v.shown;
            const std::string who = first ? Cell(std::to_string(i + 1), 4, true) + " " +
                                                Cell(r.date, 10) + " " + Cell(r.time, 8) + " " +
                                                Cell(r.tester, 10) + " " +
                                                Cell(std::to_string(r.channel), 3, true) + " " +
                                                Cell(std::to_string(r.number), 5, true)
                                          : std::string(45, ' ');
            b.Row(who + " " + Cell(std::to_string(k + 1), 2, true) + " " +
                      Cell(c.layers[k].coating, 8) + " " + Cell(value, 14, true) + " " +
                      Cell(VerdictText(v), 10) + " " +
                      (first && r.calibrationOverdue ? "overdue" : ""),
                  h, first ? rows - 1 : 0);
            first = false;
        }
    }
}

void AddFigures(Body& b, const LotCertificate& c, double factor, const std::string& unit) {
    b.Heading("Statistics (" + unit + ")");
    const int h = b.TableHeader(
        Cell("L", 2, true) + " " + Cell("Coating", 8) + " " + Cell("n", 5, true) + " " +
        Cell("Mean", 9, true) + " " + Cell("Std.dev.", 9, true) + " " + Cell("Minimum", 9, true) +
        " " + Cell("Maximum", 9, true) + " " + Cell("Cp", 6, true) + " " + Cell("Cpk", 6, true) +
        " " + Cell("Pp", 6, true) + " " + Cell("Ppk", 6, true));
    for (std::size_t k = 0; k < c.layers.size(); ++k) {
        const CertificateFigures& f = c.layers[k].figures;
        const bool any = f.n > 0;
        auto inUnit = [&](double v) { return any ? Fixed(v / factor, 3) : std::string("-"); };
        b.Row(Cell(std::to_string(k + 1), 2, true) + " " + Cell(c.layers[k].coating, 8) + " " +
                  Cell(std::to_string(f.n), 5, true) + " " + Cell(inUnit(f.mean), 9, true) + " " +
                  Cell(f.stdDev ? Fixed(*f.stdDev / factor, 3) : std::string("-"), 9, true) + " " +
                  Cell(inUnit(f.minimum), 9, true) + " " + Cell(inUnit(f.maximum), 9, true) + " " +
                  Cell(Fixed(f.cp, 2), 6, true) + " " + Cell(Fixed(f.cpk, 2), 6, true) + " " +
                  Cell(Fixed(f.pp, 2), 6, true) + " " + Cell(Fixed(f.ppk, 2), 6, true),
              h);
    }
}

void AddCalibration(Body& b, const LotCertificate& c) {
    b.Heading("Gasket calibration");
    const int h = b.TableHeader(Cell("Gasket", 8) + " " + Cell("Calibration", 12, true) + " " +
                                Cell("Calibrated on", 14) + " " + "Due on");
    for (const CertificateCalibration& k : c.calibrations)
        b.Row(Cell(k.gasket, 8) + " " +
                  Cell(k.value ? Fixed(*k.value, 2) + " %" : std::string("none"), 12, true) + " " +
                  Cell(k.date.empty() ? std::string("-") : k.date, 14) + " " +
                  (k.due.empty() ? std::string("-") : k.due),
              h);
    b.Text("Readings measured with an overdue calibration: " + std::to_string(c.overdueReadings));
}

void AddVerdict(Body& b, const LotCertificate& c) {
    b.Heading("Verdict");
    b.Text(
        c.conforms ? "The lot conforms to its limits." : "The lot does not conform to its limits.",
        true);
    for (const std::string& reason : c.reasons)
        b.Text("- " + reason, false, 2);
}

void AddSignatures(Body& b) {
    b.Blank();
    b.lines.push_back({"", false, -1, 4});
    const std::string line(30, '_');
    b.Text(Cell("Tested by:", 13) + line + "   Date: " + std::string(14, '_'));
    b.Blank();
    b.Blank();
    b.Text(Cell("Approved by:", 13) + line + "   Date: " + std::string(14, '_'));
}

struct Frame {
    PaperSize paper;
    double top;     // first body line's top
    double bottom;  // below the last body line
    double X(int column) const { return kMargin + column * kCharWidth; }
};

// Classes from the lower limit or the smallest value to the upper limit or the largest.
void DrawHistogram(PdfDocument& pdf, const Frame& f, double y, const LotCertificate& c,
                   std::size_t k, double factor, const std::string& unit) {
    const CertificateLayer& l = c.layers[k];
    std::vector<double> values;
    for (const CertificateReading& r : c.readings) {
        if (r.values[k].micrometres)
            values.push_back(*r.values[k].micrometres / factor);
    }
    double lo = l.figures.minimum / factor;
    double hi = l.figures.maximum / factor;
    if (l.lower)
        lo = std::min(lo, *l.lower / factor);
    if (l.upper)
        hi = std::max(hi, *l.upper / factor);
    if (!(hi > lo)) {
        lo -= 0.5;
        hi += 0.5;
    }
    const int classes = std::clamp(
        static_cast<int>(std::ceil(std::sqrt(static_cast<double>(values.size())))), 5, 20);
    const double width = (hi - lo) / classes;
    std::vector<int> counts(static_cast<std::size_t>(classes), 0);
    for (double v : values)
        ++counts[static_cast<std::size_t>(
            std::clamp(static_cast<int>(std::floor((v - lo) / width)), 0, classes - 1))];
    const int top = std::max(1, *std::max_element(counts.begin(), counts.end()));

    pdf.Text(f.X(0), y + kFontSize, kFontSize,
             "Histogram of layer " + std::to_string(k + 1) + " (" + l.coating +
                 "): " + std::to_string(classes) + " classes of " + Fixed(width, 3) + " " + unit,
             true);
    const double boxTop = y + kLineHeight * 1.5;
    const double boxHeight = kLineHeight * (kHistogramBoxLines - 1);
    const double left = f.X(kHistogramLeft);
    const double right = f.X(kHistogramRight);
    const double barWidth = (right - left) / classes;
    for (int j = 0; j < classes; ++j) {
        const double h = boxHeight * counts[static_cast<std::size_t>(j)] / top;
        if (h > 0)
            pdf.FillRect(left + j * barWidth + 1, boxTop + boxHeight - h, barWidth - 2, h, 0.6);
    }
    pdf.Line(left, boxTop, left, boxTop + boxHeight);
    pdf.Line(left, boxTop + boxHeight, right, boxTop + boxHeight);
    auto mark = [&](const std::optional<double>& limit) {
        if (!limit)
            return;
        const double x = left + (*limit / factor - lo) / (hi - lo) * (right - left);
        pdf.Line(x, boxTop - 2, x, boxTop + boxHeight, 1.2);
    };
    mark(l.lower);
    mark(l.upper);
    const std::string topText = std::to_string(top);
    pdf.Text(left - (topText.size() + 1) * kCharWidth, boxTop + kFontSize * 0.7, kFontSize,
             topText);
    pdf.Text(left - 2 * kCharWidth, boxTop + boxHeight, kFontSize, "0");
    const double labels = boxTop + boxHeight + kLineHeight;
    const std::string loText = Fixed(lo, 3);
    const std::string hiText = Fixed(hi, 3);
    pdf.Text(left, labels, kFontSize, loText);
    pdf.Text(right - hiText.size() * kCharWidth, labels, kFontSize, hiText);
    std::string limits = "limits (thick lines):";
    limits += l.lower ? " LSL " + Fixed(*l.lower / factor, 3) : std::string(" no LSL");
    limits += l.upper ? ", USL " + Fixed(*l.upper / factor, 3) : std::string(", no USL");
    pdf.Text(f.X(kHistogramLeft + 12), labels, kFontSize, limits);
}

int Height(const Line& line) {
    return line.histogram >= 0 ? kHistogramLines : 1;
}

}  // namespace

PdfDocument LayOutCertificate(const LotCertificate& c, const CertificateSender& sender,
                              PaperSize paper, const std::string& madeOn) {
    const std::string unit =
        c.conditions.empty() || c.conditions[0].unit.empty() ? "um" : c.conditions[0].unit;
    const double factor = UnitFactor(unit);
    Body b;
    AddHeader(b, c, sender, madeOn);
    AddVerdict(b, c);
    AddCondition(b, c, factor, unit);
    AddReadings(b, c, factor, unit);
    AddFigures(b, c, factor, unit);
    b.Heading("Histograms");
    for (std::size_t k = 0; k < c.layers.size(); ++k)
        b.lines.push_back({"", false, -1, 0, static_cast<int>(k)});
    AddCalibration(b, c);
    AddSignatures(b);

    const Frame f{paper, kMargin + 2.5 * kLineHeight, paper.height - kMargin - 2 * kLineHeight};
    const int rows = static_cast<int>((f.bottom - f.top) / kLineHeight);
    // Which line starts each page's rows, with the repeated header first where one belongs.
    std::vector<std::vector<int>> pages(1);
    int used = 0;
    for (std::size_t i = 0; i < b.lines.size(); ++i) {
        const Line& line = b.lines[i];
        int need = Height(line);
        for (int j = 1; j <= line.keep && i + j < b.lines.size(); ++j)
            need += Height(b.lines[i + j]);
        if (used > 0 && used + need > rows) {
            pages.emplace_back();
            used = 0;
            if (line.header >= 0) {
                pages.back().push_back(line.header);
                ++used;
            }
        }
        if (used == 0 && line.text.empty() && line.histogram < 0 && line.keep == 0)
            continue;  // no blank line at the top of a page
        pages.back().push_back(static_cast<int>(i));
        used += Height(line);
    }

    PdfDocument pdf(paper);
    const int count = static_cast<int>(pages.size());
    for (int p = 0; p < count; ++p) {
        pdf.NewPage();
        const double right = f.X(kCertificateColumns);
        const std::string lot = "Lot " + c.lot;
        pdf.Text(f.X(0), kMargin + kFontSize, kFontSize, "CERTIFICATE OF CONFORMANCE", true);
        pdf.Text(right - std::min<std::size_t>(Length(lot), 60) * kCharWidth, kMargin + kFontSize,
                 kFontSize, lot.substr(0, 60));
        pdf.Line(f.X(0), kMargin + 1.5 * kLineHeight, right, kMargin + 1.5 * kLineHeight);
        double y = f.top;
        for (int i : pages[static_cast<std::size_t>(p)]) {
            const Line& line = b.lines[static_cast<std::size_t>(i)];
            if (line.histogram >= 0)
                DrawHistogram(pdf, f, y, c, static_cast<std::size_t>(line.histogram), factor, unit);
            else if (!line.text.empty())
                pdf.Text(f.X(0), y + kFontSize, kFontSize, line.text, line.bold);
            y += Height(line) * kLineHeight;
        }
        const std::string page = "Page " + std::to_string(p + 1) + " of " + std::to_string(count);
        pdf.Line(f.X(0), f.bottom + 0.5 * kLineHeight, right, f.bottom + 0.5 * kLineHeight);
        pdf.Text(right - page.size() * kCharWidth, paper.height - kMargin, kFontSize, page);
    }
    return pdf;
}

}  // namespace klv
