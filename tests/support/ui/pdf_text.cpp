#include "support/ui/pdf_text.h"

#include <QProcess>
#include <QRegularExpression>

namespace klv::test {

namespace {

constexpr int kWaitMs = 20000;

QString Run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(kWaitMs))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

std::vector<PdfWord> PdfWords(const QString& path, int page) {
    QStringList arguments{QStringLiteral("-bbox")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    const QString html = Run(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    int at = page > 0 ? page - 1 : 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).isEmpty()) {
            ++at;
            continue;
        }
        words.push_back({at, m.captured(5),
                         QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

QString PdfText(const QString& path) {
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

int PdfPages(const QString& path) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(Run(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
}

double DecimalPoint(const PdfWord& word) {
    return word.box.left() + word.box.width() * word.text.indexOf('.') / word.text.size();
}

}  // namespace klv::test
