#pragma once

#include <QDialog>
#include <QImage>
#include <QMarginsF>

#include "base/clock.h"
#include "base/profile.h"
#include "base/ui/print_page_context.h"

class QLabel;

namespace klv {

// The page print image (dialog 431): shows a report page by page; closing the window shows
// the next page, and after the last one the window goes.
class CPagePrinterSimulate final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 431;

    CPagePrinterSimulate(ProfileFile* profile, QWidget* parent = nullptr);
    ~CPagePrinterSimulate() override;

    // The page printer's face, drawn at the window's font size.
    void SetPrintFace(const QString& face) { m_face = face; }
    // The page's margins as parts of its width and height, left as the printer leaves them.
    void SetMargins(const QMarginsF& parts) { m_margins = parts; }
    // Shows every page of the report; returns when the last one was closed.
    void Run(QWidget* dialog, const PageFunction& pageFunction, const LocalTime& start);
    const QImage& Page() const { return m_page; }
    int PageNumber() const { return m_pageNumber; }

signals:
    // A page is on screen and waits for the operator.
    void pageShown(int page);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ProfileFile* m_profile;
    QString m_face;
    QMarginsF m_margins;
    QImage m_page;
    int m_pageNumber = 0;
    bool m_nextPage = false;
    bool m_done = false;
};

}  // namespace klv
