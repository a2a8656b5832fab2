#pragma once

#include <string>
#include <vector>

namespace klv {

// Paper sizes in points (1/72 inch).
struct PaperSize {
    double width = 0;
    double height = 0;
};
inline constexpr PaperSize kPaperA4{595.28, 841.89};
inline constexpr PaperSize kPaperLetter{612, 792};

// A few pages of fixed-pitch text, filled rectangles and lines, written as PDF 1.4 with the
// standard Courier faces, so nothing needs embedding and columns line up. Coordinates are
// points from the top left corner; texts are UTF-8, written in WinAnsi (other characters
// become "?").
class PdfDocument {
public:
    explicit PdfDocument(PaperSize paper) : m_paper(paper) {}

    PaperSize Paper() const { return m_paper; }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    void NewPage() { m_pages.emplace_back(); }
    // `y` is the text's baseline.
    void Text(double x, double y, double size, const std::string& text, bool bold = false);
    void FillRect(double x, double y, double width, double height, double gray);
    void Line(double x1, double y1, double x2, double y2, double width = 0.5);

    std::string Bytes() const;

private:
    PaperSize m_paper;
    std::vector<std::string> m_pages;  // content streams
};

// Courier advances 0.6 of the font size per character.
inline constexpr double kCourierAdvance = 0.6;

std::string Utf8ToWinAnsi(const std::string& text);

}  // namespace klv
