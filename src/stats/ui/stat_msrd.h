#pragma once

#include <functional>
#include <vector>

#include "stats/statistics_session.h"
#include "stats/ui/stat_page.h"
#include "stats/ui/statistics_links.h"

class QLabel;
class QPushButton;
class QTableView;

namespace klv {

class CMeasDataModel;

// The page "Measurement data": every stored data of the channel, whatever the group mode,
// with text output and, where permitted, correction and deletion.
class CStatMsrd : public CStatPage {
    Q_OBJECT
public:
    // `closeWindow` ends the statistics window after the last data went.
    CStatMsrd(CStatisticsSession& session, StatisticsLinks& links,
              std::function<void()> closeWindow, QWidget* parent = nullptr);

    void Refresh() override;
    void Print() override;
    // The page's width that shows every column of the list without scrolling.
    int WidthForWholeList() const;
    bool Copy() override;
    bool CanCopy() const override { return !SelectedRows().empty(); }

    QTableView& View() { return *m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::uint32_t> SelectedRows() const;
    void UpdateButtons();
    void ChangeData();
    void DeleteData();
    void DeleteAll();
    void FlushPendingLine();
    void ShowCount();

    CStatisticsSession& m_session;
    StatisticsLinks& m_links;
    std::function<void()> m_closeWindow;
    CMeasDataModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace klv
