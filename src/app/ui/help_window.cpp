#include "app/ui/help_window.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace klv {

namespace {

// xdg-open on a desktop without a PDF application would hand the file to a browser or to
// nothing at all, and say so nowhere the operator looks.
bool DesktopHasPdfViewer() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/pdf")});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

QString GuideMarkdown() {
    QFile file(QStringLiteral(":/klv570/operator-guide.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("CHelpWindow"));
    setWindowTitle(QStringLiteral("KLV-570 Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("guide"));
    m_browser->setOpenLinks(false);
    m_browser->document()->setDocumentMargin(12);
    m_browser->setMarkdown(GuideMarkdown());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    const QFontMetrics metrics(m_browser->font());
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 100, metrics.lineSpacing() * 40);
}

QString CHelpWindow::Text() const {
    return m_browser->toPlainText();
}

bool OpenPdfInViewer(const QString& pdfPath) {
    if (!QFileInfo(pdfPath).isFile() || !DesktopHasPdfViewer())
        return false;
    return QProcess::startDetached(QStringLiteral("xdg-open"),
                                   {QFileInfo(pdfPath).absoluteFilePath()});
}

}  // namespace klv
