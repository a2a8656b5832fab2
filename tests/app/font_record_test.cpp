#include "app/font_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/fixed_text.h"

namespace klv {
namespace {

constexpr FontSizeRange kPage{40, 200};

PrinterFont ArialBold() {
    PrinterFont f{140, DefaultLogFont()};
    f.font.lfHeight = -19;
    f.font.lfWeight = 700;
    f.font.lfCharSet = 128;
    SetFixedText(f.font.lfFaceName, "Arial");
    return f;
}

std::string HexPart(const std::string& record) {
    return record.substr(record.rfind(',') + 1);
}

TEST(LogFont, DefaultRecord) {
    LogFont f = DefaultLogFont();
    EXPECT_EQ(f.lfPitchAndFamily, 0x31);
    EXPECT_EQ(f.lfCharSet, 0);
    EXPECT_EQ(f.lfHeight, 0);
    EXPECT_EQ(f.lfWeight, 0);
    EXPECT_EQ(GetFixedText(f.lfFaceName), "Times New Roman");
}

TEST(FontRecord, WrittenAsSizeThreeZerosAndLowercaseHexInMemoryOrder) {
    std::string text = FormatFontRecord(ArialBold());
    ASSERT_EQ(text.rfind("140,0,0,0,", 0), 0u) << text;
    std::string hex = HexPart(text);
    ASSERT_EQ(hex.size(), 120u);
    EXPECT_EQ(hex.substr(0, 8), "edffffff");      // -19, little-endian
    EXPECT_EQ(hex.substr(32, 8), "bc020000");     // weight 700
    EXPECT_EQ(hex.substr(46, 2), "80");           // charset
    EXPECT_EQ(hex.substr(54, 2), "31");           // pitch and family
    EXPECT_EQ(hex.substr(56, 10), "417269616c");  // "Arial"
    EXPECT_EQ(hex.find_first_of("ABCDEF"), std::string::npos);
}

TEST(FontRecord, ReadBackGivesTheSameRecord) {
    PrinterFont in = ArialBold();
    PrinterFont out{120, DefaultLogFont()};
    ParseFontRecord(FormatFontRecord(in), kPage, out);
    EXPECT_EQ(out.size, 140);
    EXPECT_EQ(std::memcmp(&out.font, &in.font, sizeof(LogFont)), 0);
}

TEST(FontRecord, SizeAndRecordAreAcceptedSeparately) {
    std::string hex = HexPart(FormatFontRecord(ArialBold()));
    PrinterFont f{120, DefaultLogFont()};
    ParseFontRecord("300,0,0,0," + hex, kPage, f);
    EXPECT_EQ(f.size, 120);
    EXPECT_EQ(GetFixedText(f.font.lfFaceName), "Arial");

    PrinterFont g{120, DefaultLogFont()};
    ParseFontRecord("90,0,0,0," + hex.substr(0, 118), kPage, g);
    EXPECT_EQ(g.size, 90);
    EXPECT_EQ(GetFixedText(g.font.lfFaceName), "Times New Roman");

    PrinterFont h{120, DefaultLogFont()};
    std::string bad = hex;
    bad[7] = 'g';
    ParseFontRecord("40,0,0,0," + bad, kPage, h);
    EXPECT_EQ(h.size, 40);
    EXPECT_EQ(GetFixedText(h.font.lfFaceName), "Times New Roman");
    ParseFontRecord("39,0,0,0," + hex + "00", kPage, h);
    EXPECT_EQ(h.size, 40);
    EXPECT_EQ(GetFixedText(h.font.lfFaceName), "Times New Roman");
}

TEST(FontRecord, LongOrGarbledTextsChangeNothing) {
    std::string hex = HexPart(FormatFontRecord(ArialBold()));
    PrinterFont f{120, DefaultLogFont()};
    ParseFontRecord("150,0,0,0," + hex + std::string(100, ' '), kPage, f);  // 230 characters
    EXPECT_EQ(f.size, 120);
    EXPECT_EQ(GetFixedText(f.font.lfFaceName), "Times New Roman");
    for (const std::string& text :
         {std::string(), std::string(","), std::string("abc"), std::string("150"),
          std::string("150,0,0"), std::string("150;0;0;0;00"), "150 0 0 0 " + hex,
          std::string("99999999999999999999,0,0,0,"), std::string("-2147483649,x")}) {
        PrinterFont g{120, DefaultLogFont()};
        ParseFontRecord(text, kPage, g);
        EXPECT_EQ(GetFixedText(g.font.lfFaceName), "Times New Roman") << text;
        EXPECT_TRUE(g.size == 120 || g.size == 150) << text;
    }
}

}  // namespace
}  // namespace klv
