#include "records/pdf_document.h"

#include <cstdio>

#include "base/charset.h"

namespace klv {

namespace {

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

std::string PdfString(const std::string& winAnsi) {
    std::string out = "(";
    for (char c : winAnsi) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ")";
}

}  // namespace

std::string Utf8ToWinAnsi(const std::string& text) {
    // The PDF's own encoding of its base fonts, whatever the program's charset.
    std::string out = Charset("WINDOWS-1252").FromUtf8(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return out;
}

void PdfDocument::Text(double x, double y, double size, const std::string& text, bool bold) {
    if (m_pages.empty())
        NewPage();
    m_pages.back() += "BT /" + std::string(bold ? "F2 " : "F1 ") + Number(size) + " Tf " +
                      Number(x) + " " + Number(m_paper.height - y) + " Td " +
                      PdfString(Utf8ToWinAnsi(text)) + " Tj ET\n";
}

void PdfDocument::FillRect(double x, double y, double width, double height, double gray) {
    if (m_pages.empty())
        NewPage();
    m_pages.back() += Number(gray) + " g " + Number(x) + " " + Number(m_paper.height - y - height) +
                      " " + Number(width) + " " + Number(height) + " re f 0 g\n";
}

void PdfDocument::Line(double x1, double y1, double x2, double y2, double width) {
    if (m_pages.empty())
        NewPage();
    m_pages.back() += Number(width) + " w " + Number(x1) + " " + Number(m_paper.height - y1) +
                      " m " + Number(x2) + " " + Number(m_paper.height - y2) + " l S\n";
}

std::string PdfDocument::Bytes() const {
    // Objects: 1 catalog, 2 page tree, 3 and 4 the fonts, then a page and its content each.
    std::vector<std::string> objects;
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        kids += std::to_string(5 + 2 * i) + " 0 R ";
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " +
                      std::to_string(m_pages.size()) + " >>");
    for (const char* face : {"Courier", "Courier-Bold"})
        objects.push_back(std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + face +
                          " /Encoding /WinAnsiEncoding >>");
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(m_paper.width) +
                          " " + Number(m_paper.height) +
                          "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                          std::to_string(6 + 2 * i) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(m_pages[i].size()) + " >>\nstream\n" +
                          m_pages[i] + "endstream");
    }
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        out += entry;
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace klv
