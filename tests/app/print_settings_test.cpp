#include "app/print_settings.h"

#include <gtest/gtest.h>

#include "base/fixed_text.h"

namespace klv {
namespace {

TEST(PrintSettings, AChosenFontReplacesFaceCharSetAndSizeOnly) {
    PrinterFont font{140, DefaultLogFont()};
    font.font.lfWeight = 700;
    font.font.lfItalic = 1;
    ApplyPrintFontChoice({"IPAGothic", kShiftJisFontCharSet, 90}, font);
    EXPECT_EQ(GetFixedText(font.font.lfFaceName), "IPAGothic");
    EXPECT_EQ(font.font.lfCharSet, kShiftJisFontCharSet);
    EXPECT_EQ(font.size, 90);
    EXPECT_EQ(font.font.lfWeight, 700);
    EXPECT_EQ(font.font.lfItalic, 1);
    EXPECT_EQ(font.font.lfPitchAndFamily, kDefaultPitchAndFamily);

    const PrintFontChoice back = ToPrintFontChoice(font);
    EXPECT_EQ(back.face, "IPAGothic");
    EXPECT_EQ(back.charSet, kShiftJisFontCharSet);
    EXPECT_EQ(back.sizeTenths, 90);

    // A face longer than the record holds is cut, never run over.
    ApplyPrintFontChoice({std::string(40, 'F'), kAnsiFontCharSet, 100}, font);
    EXPECT_EQ(GetFixedText(font.font.lfFaceName), std::string(31, 'F'));
}

}  // namespace
}  // namespace klv
