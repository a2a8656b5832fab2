#pragma once

#include <cstdint>
#include <string>

#include "base/clock.h"

namespace klv {

// The page printer's font height (negative: character height without the leading) from a
// size in tenths of a point.
int PagePrinterFontHeight(int sizeTenths, int dpiY);
// a × b ÷ c rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What the page printer tells of its page and what the page setup holds.
struct PageDevice {
    int dpiX = 0;
    int dpiY = 0;
    int paperWidthTenthMm = 0;  // portrait
    int paperLengthTenthMm = 0;
    bool landscape = false;
    int offsetX = 0;  // physical offset of the printable area, dots
    int offsetY = 0;
};
struct PageMargins {  // thousandths of an inch
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle page functions draw in, in device dots from the printable area's corner.
PrintRect GetPrintableRect(const PageDevice& device, const PageMargins& margins);

// The right-hand text of a title line: "  %4d/%2d/%2d %02d:%02d" with the date flag, then
// "  P %d" with the page flag.
std::string MakeTitleRightText(const LocalTime& start, int page, bool date, bool pageNumber);

}  // namespace klv
