#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "base/file_messages.h"
#include "stats/statistics_session.h"
#include "stats/ui/statistics_links.h"

class QPushButton;
class QStackedWidget;

namespace klv {

class CStatGeneral;
class CStatMsrd;
class CStatPage;
class CSubclassTabCtrl;

// The statistics window over one channel: the general page, the measurement data page and
// the places of the chart pages, with "Copy it on clipboard", "Close", "Print out" and
// "Certificate".
class CStatistics : public QDialog {
    Q_OBJECT
public:
    // `condition` is the caller's copy, changed in place when data are deleted.
    CStatistics(const std::string& caption, MeasFileData& condition, int index,
                StatisticsLinks& links, QWidget* parent = nullptr);
    ~CStatistics() override;

    CStatisticsSession& Session() { return m_session; }
    int CurrentPage() const;
    // Shows page `page` when it is enabled; a disabled page only beeps.
    bool ActivatePage(int page);

    // Escape never gets here (keyPressEvent keeps it); a program-side reject ends the window
    // as "Close" does.
    void reject() override { done(QDialog::Accepted); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Recalculate();
    void UpdateTabs();
    void OnCopy();
    // Asks for the lot and the file, then writes the lot's certificate of conformance.
    void OnCertificate();
    void UpdateCopyButton();
    CStatPage* Page(int page) const;
    // The page, made at its first use.
    CStatPage* MakePage(int page);
    void ConnectPage(CStatPage* page);

    StatisticsLinks& m_links;
    CStatisticsSession m_session;
    CSubclassTabCtrl* m_tabs = nullptr;
    QStackedWidget* m_stack = nullptr;
    std::array<CStatPage*, kStatisticsPageCount> m_pages{};
    QPushButton* m_copy = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_certificate = nullptr;
    QPushButton* m_close = nullptr;
};

// Runs the statistics window modally: the interval and group size come from the settings
// file and go back there when it closes.
void RunStatisticsWindow(const std::string& caption, MeasFileData& condition, int index,
                         StatisticsLinks& links, QWidget* parent);

}  // namespace klv
