#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace klv {

// The operator's guide inside the program, for a desktop without a PDF viewer.
class CHelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    QString Text() const;

private:
    QTextBrowser* m_browser = nullptr;
};

// Starts the desktop's PDF viewer on `pdfPath`. False, and nothing started, when the file is
// missing or the desktop names no application for PDF files.
bool OpenPdfInViewer(const QString& pdfPath);

}  // namespace klv
