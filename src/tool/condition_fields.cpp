#include "tool/condition_fields.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/fixed_text.h"
#include "reference/coating_table.h"
#include "reference/layer_setting_tables.h"
#include "reference/substance_table.h"
#include "reference/unit_gasket_tables.h"
#include "tool/text_decode.h"

namespace klv::tool {
namespace {

constexpr std::array<std::string_view, 3> kStatModeNames = {"None", "N", "N-1"};
constexpr std::array<std::string_view, 5> kWtModeNames = {"none", "round rod", "square rod",
                                                          "small parts", "direct WT coefficient"};

class FieldWriter {
public:
    explicit FieldWriter(std::ostream& out) : m_out(out) {}

    void Line(const std::string& name, const std::string& value) {
        m_out << name << " = " << value << '\n';
    }
    template <std::size_t N>
    void Text(const std::string& name, const char (&field)[N]) {
        Line(name, DecodeRecordText(GetFixedText(field)));
    }
    void Number(const std::string& name, long long value) { Line(name, std::to_string(value)); }
    void Code(const std::string& name, int code, std::string_view tableName) {
        std::string value = std::to_string(code);
        if (!tableName.empty())
            value += " (" + std::string(tableName) + ")";
        Line(name, value);
    }
    void Hex(const std::string& name, unsigned value, int digits) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%0*X", digits, value);
        Line(name, buf);
    }
    // The shortest decimal that reads back as the same float.
    void Float(const std::string& name, float value) {
        char buf[32];
        for (int precision = 1; precision <= 9; ++precision) {
            std::snprintf(buf, sizeof buf, "%.*g", precision, static_cast<double>(value));
            if (std::strtof(buf, nullptr) == value)
                break;
        }
        Line(name, buf);
    }
    void PackedDate(const std::string& name, std::uint16_t packed) {
        char buf[40];
        if (packed == 0) {
            std::snprintf(buf, sizeof buf, "0");
        } else {
            Date d = UnpackDate(packed);
            std::snprintf(buf, sizeof buf, "0x%04X (%04d/%02d/%02d)", packed, d.year, d.month,
                          d.day);
        }
        Line(name, buf);
    }

private:
    std::ostream& m_out;
};

template <std::size_t N>
std::string_view NameAt(const std::array<std::string_view, N>& names, int code) {
    return code >= 0 && static_cast<std::size_t>(code) < N ? names[code] : std::string_view();
}

std::string_view CoatingName(int code) {
    return code == kAlloyLayerCode ? std::string_view("Alloy layer") : GetCoatingShortName(code);
}

void WriteLayer(FieldWriter& w, const LayerCondition& c, int k) {
    std::string p = "coat[" + std::to_string(k) + "].";
    w.Hex(p + "bLayerFlags", c.bLayerFlags, 2);
    w.Code(p + "bCode", c.bCode, CoatingName(c.bCode));
    w.Code(p + "bSolution", c.bSolution, GetTestSolutionName(c.bSolution));
    w.Code(p + "bRange", c.bRange, GetRangeName(c.bRange));
    w.Code(p + "bSensitivity", c.bSensitivity, GetSensitivityName(c.bSensitivity));
    w.Number(p + "bPump", c.bPump);
    w.Number(p + "bBlanking", c.bBlanking);
    w.Float(p + "fAutoStop", c.fAutoStop);
    w.Float(p + "fCurrent", c.fCurrent);
    w.Text(p + "Name", c.Name);
}

}  // namespace

void WriteConditionFields(std::ostream& out, const MeasFileData& d) {
    FieldWriter w(out);
    w.Text("szFileName", d.szFileName);
    for (int k = 0; k < kMaxLayers; ++k)
        WriteLayer(w, d.coat[k], k);
    w.Code("bBaseCode", d.bBaseCode, GetSubstanceShortName(d.bBaseCode));
    w.Text("baseName", d.baseName);
    w.Code("bUnit", d.bUnit, GetUnitName(d.bUnit));
    w.Code("bGasket", d.bGasket, GetGasketName(d.bGasket));
    w.Number("bContent", d.bContent);
    w.Number("bOldBlanking", d.bOldBlanking);
    w.Code("bWtMode", d.bWtMode, NameAt(kWtModeNames, d.bWtMode));
    w.Hex("bWtFlags", d.bWtFlags, 2);
    w.Float("fWtDiameter", d.fWtDiameter);
    w.Float("fWtSideA", d.fWtSideA);
    w.Float("fWtSideB", d.fWtSideB);
    w.Float("fWtLength", d.fWtLength);
    w.Float("fWtArea", d.fWtArea);
    w.Float("fWtCoef", d.fWtCoef);
    w.Float("fAlloyCoefSn", d.fAlloyCoefSn);
    w.Float("fAlloyCoefCu", d.fAlloyCoefCu);
    w.Hex("bStatFlags", d.bStatFlags, 2);
    w.Code("bStatMode", d.bStatMode, NameAt(kStatModeNames, d.bStatMode));
    w.Number("nStatTotal", d.nStatTotal);
    for (int k = 0; k < kMaxLayers; ++k) {
        std::string p = "limits[" + std::to_string(k) + "].";
        w.Float(p + "fUpperLimit", d.limits[k].fUpperLimit);
        w.Float(p + "fLowerLimit", d.limits[k].fLowerLimit);
    }
    w.Number("nItemCt", d.nItemCt);
    w.PackedDate("wFirstDate", d.wFirstDate);
    w.PackedDate("wLastDate", d.wLastDate);
    w.Hex("wPrintItems", d.wPrintItems, 4);
    w.Number("bPrintLineMode", d.bPrintLineMode);
    w.Text("szCustomer", d.szCustomer);
    w.Text("szGoods", d.szGoods);
    w.Text("szLotNo", d.szLotNo);
    w.Text("szTester", d.szTester);
}

}  // namespace klv::tool
