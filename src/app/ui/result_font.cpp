#include "app/ui/result_font.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "app/settings_keys.h"
#include "base/ui/text_codec.h"
#include "base/ui/ui_resources.h"

namespace klv {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kNormalWeight = 400;
constexpr int kMaxWeight = 1000;
constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kPitchMask = 0x03;
constexpr int kFamilyMask = 0xF0;

struct FamilyHint {
    int family;
    QFont::StyleHint hint;
};
constexpr FamilyHint kFamilies[] = {
    {0x10, QFont::Serif},   {0x20, QFont::SansSerif},  {0x30, QFont::TypeWriter},
    {0x40, QFont::Cursive}, {0x50, QFont::Decorative},
};

// Rounded a * b / c, as the platform's MulDiv.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

QFont::StyleHint HintOf(int pitchAndFamily) {
    for (const FamilyHint& f : kFamilies)
        if (f.family == (pitchAndFamily & kFamilyMask))
            return f.hint;
    return QFont::AnyStyle;
}

int FamilyOf(QFont::StyleHint hint) {
    for (const FamilyHint& f : kFamilies)
        if (f.hint == hint)
            return f.family;
    return 0;
}

int ReadInt(const ProfileFile& ini, const char* key, int def) {
    return ini.GetProfileInt(ini::kMeasurement, key, def);
}

bool WriteInt(ProfileFile& ini, const char* key, int value) {
    return ini.WriteProfileInt(ini::kMeasurement, key, value);
}

// COLORREF 0x00BBGGRR.
QColor FromColorRef(int value) {
    const auto v = static_cast<unsigned>(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int ToColorRef(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

}  // namespace

int ScreenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
}

int FontPixelHeight(const QFont& font, int pixelsPerInch) {
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return static_cast<int>(std::lround(font.pointSizeF() * pixelsPerInch / kPointsPerInch));
}

int FontPointSize(const QFont& font) {
    const int ppi = ScreenPixelsPerInch();
    return MulDiv(FontPixelHeight(font, ppi), kPointsPerInch, ppi);
}

int PitchAndFamilyOf(const QFont& font) {
    const int pitch = QFontInfo(font).fixedPitch() ? kFixedPitch : kVariablePitch;
    return pitch | FamilyOf(font.styleHint());
}

ResultFont DefaultResultFont() {
    ResultFont f;
    f.font = DialogFont();
    f.font.setPixelSize(MulDiv(ini::kFontSize.def, ScreenPixelsPerInch(), kPointsPerInch));
    f.pitchAndFamily =
        (f.font.fixedPitch() ? kFixedPitch : kVariablePitch) | FamilyOf(f.font.styleHint());
    return f;
}

ResultFont LoadResultFont(const ProfileFile& ini) {
    const ResultFont def = DefaultResultFont();
    ResultFont f = def;
    int points = ini.GetProfileInt(ini::kFontSize.section, ini::kFontSize.key, ini::kFontSize.def);
    points = points > 0 ? std::clamp(points, kResultFontMinPoints, kResultFontMaxPoints)
                        : ini::kFontSize.def;
    const std::string face =
        ini.GetProfileString(ini::kMeasurement, ini::kFontFaceKey, FromQString(def.font.family()),
                             ini::kFontFaceMaxChars);
    f.font = QFont(ToQString(face));
    f.font.setPixelSize(MulDiv(points, ScreenPixelsPerInch(), kPointsPerInch));
    f.font.setItalic(ReadInt(ini, ini::kFontItalicKey, def.font.italic()) != 0);
    f.font.setUnderline(ReadInt(ini, ini::kFontUnderLineKey, def.font.underline()) != 0);
    f.font.setStrikeOut(ReadInt(ini, ini::kFontStrikeOutKey, def.font.strikeOut()) != 0);
    const int weight = ReadInt(ini, ini::kFontWeightKey, def.font.weight());
    f.font.setWeight(
        static_cast<QFont::Weight>(weight <= 0 ? kNormalWeight : std::min(weight, kMaxWeight)));
    f.charSet = ReadInt(ini, ini::kFontCharSetKey, def.charSet);
    f.pitchAndFamily = ReadInt(ini, ini::kFontFamilyKey, def.pitchAndFamily);
    f.font.setStyleHint(HintOf(f.pitchAndFamily));
    f.font.setFixedPitch((f.pitchAndFamily & kPitchMask) == kFixedPitch);
    f.color = FromColorRef(
        ini.GetProfileInt(ini::kFontColor.section, ini::kFontColor.key, ini::kFontColor.def));
    return f;
}

bool SaveResultFont(ProfileFile& ini, const ResultFont& f) {
    bool ok = WriteInt(ini, ini::kFontSize.key, FontPointSize(f.font));
    ok = WriteInt(ini, ini::kFontItalicKey, f.font.italic() ? 1 : 0) && ok;
    ok = WriteInt(ini, ini::kFontWeightKey, f.font.weight()) && ok;
    ok = WriteInt(ini, ini::kFontUnderLineKey, f.font.underline() ? 1 : 0) && ok;
    ok = WriteInt(ini, ini::kFontStrikeOutKey, f.font.strikeOut() ? 1 : 0) && ok;
    ok = WriteInt(ini, ini::kFontCharSetKey, f.charSet) && ok;
    ok = WriteInt(ini, ini::kFontFamilyKey, f.pitchAndFamily) && ok;
    ok = ini.WriteProfileString(ini::kMeasurement, ini::kFontFaceKey,
                                FromQString(f.font.family().left(ini::kFontFaceMaxChars))) &&
         ok;
    return WriteInt(ini, ini::kFontColor.key, ToColorRef(f.color)) && ok;
}

}  // namespace klv
