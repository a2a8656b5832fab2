#include "base/print_geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace klv {

namespace {

constexpr int kCoordinateLimit = 32767;

}  // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t half = (c < 0 ? -std::int64_t{c} : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t q = magnitude / (c < 0 ? -std::int64_t{c} : c);
    return static_cast<int>(negative ? -q : q);
}

int PagePrinterFontHeight(int sizeTenths, int dpiY) {
    return -MulDiv(sizeTenths, dpiY, 72) / 10;
}

PrintRect GetPrintableRect(const PageDevice& device, const PageMargins& margins) {
    const int width = device.landscape ? device.paperLengthTenthMm : device.paperWidthTenthMm;
    const int length = device.landscape ? device.paperWidthTenthMm : device.paperLengthTenthMm;
    auto dots = [](int thousandths, int dpi) {
        return static_cast<int>(std::int64_t{thousandths} * dpi / 1000);
    };
    auto paper = [](int tenthMm, int dpi) {
        return static_cast<int>(std::int64_t{tenthMm} * dpi / 254);
    };
    PrintRect r;
    r.left = dots(margins.left, device.dpiX) - device.offsetX;
    r.top = dots(margins.top, device.dpiY) - device.offsetY;
    r.right = std::min(kCoordinateLimit, paper(width, device.dpiX) -
                                             dots(margins.right, device.dpiX) - device.offsetX);
    r.bottom = std::min(kCoordinateLimit, paper(length, device.dpiY) -
                                              dots(margins.bottom, device.dpiY) - device.offsetY);
    return r;
}

std::string MakeTitleRightText(const LocalTime& start, int page, bool date, bool pageNumber) {
    char buffer[64];
    std::string text;
    if (date) {
        std::snprintf(buffer, sizeof buffer, "  %4d/%2d/%2d %02d:%02d", start.year, start.month,
                      start.day, start.hour, start.minute);
        text += buffer;
    }
    if (pageNumber) {
        std::snprintf(buffer, sizeof buffer, "  P %d", page);
        text += buffer;
    }
    return text;
}

}  // namespace klv
