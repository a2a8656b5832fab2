#pragma once

#include <functional>

#include "stats/statistics_session.h"
#include "stats/ui/stat_page.h"
#include "stats/ui/statistics_links.h"

class QLabel;
class QListWidget;
class QTreeWidget;

namespace klv {

// The general page "Statistics volume": the channel's statics, the group mode and the list
// of the statistics of every layer.
class CStatGeneral : public CStatPage {
    Q_OBJECT
public:
    // `recalculate` forms the statistics again after a new group mode.
    CStatGeneral(CStatisticsSession& session, StatisticsLinks& links,
                 std::function<void()> recalculate, QWidget* parent = nullptr);

    void Refresh() override { OnStatisticsReCalc(); }
    void Print() override;
    bool Copy() override;

    // Fills the statics and the statistics list from the session.
    void OnStatisticsReCalc();
    const QTreeWidget& List() const { return *m_list; }

private:
    void EditGroupMode();
    void ShowGroupMode();

    CStatisticsSession& m_session;
    StatisticsLinks& m_links;
    std::function<void()> m_recalculate;
    QLabel* m_file = nullptr;
    QLabel* m_dates = nullptr;
    QLabel* m_total = nullptr;
    QListWidget* m_groupMode = nullptr;
    QLabel* m_dataNumber = nullptr;
    QLabel* m_note = nullptr;
    QTreeWidget* m_list = nullptr;
};

}  // namespace klv
