#pragma once

#include <QColor>
#include <QFont>

#include "base/profile.h"

namespace klv {

inline constexpr int kResultFontMinPoints = 8;
inline constexpr int kResultFontMaxPoints = 44;

// The font of the measurement result display with the font record fields Qt does not carry,
// kept so that they go back to the settings file as they came.
struct ResultFont {
    QFont font;
    QColor color = Qt::black;
    int charSet = 0;
    int pitchAndFamily = 0;
};

// 20 points of the dialog font, black.
ResultFont DefaultResultFont();

// From the font keys of "Measurement". A size outside 8 to 44 points is clamped to that range;
// a size that is not a positive number gives the default 20 points.
ResultFont LoadResultFont(const ProfileFile& ini);
bool SaveResultFont(ProfileFile& ini, const ResultFont& font);

// The screen's vertical pixels per inch, as the font sizes are converted with.
int ScreenPixelsPerInch();
// The character height in pixels of a font given in pixels or in points.
int FontPixelHeight(const QFont& font, int pixelsPerInch);
// The size in whole points the settings file stores for a font.
int FontPointSize(const QFont& font);
// The pitch and family byte of a font record for a font.
int PitchAndFamilyOf(const QFont& font);

}  // namespace klv
