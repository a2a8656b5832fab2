#pragma once

#include <QRectF>
#include <QString>
#include <vector>

namespace klv::test {

// A word of a PDF as pdftotext finds it.
struct PdfWord {
    int page = 0;  // from 1
    QString text;
    QRectF box;  // points from the page's top left
};

// Every word of the PDF (of one page when `page` is above 0), in reading order.
std::vector<PdfWord> PdfWords(const QString& path, int page = 0);
// The PDF's text in its layout.
QString PdfText(const QString& path);
int PdfPages(const QString& path);
// Where the word's decimal point starts, for a word of a fixed-pitch face.
double DecimalPoint(const PdfWord& word);

}  // namespace klv::test
