#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "reference/condition_sheet_pages.h"
#include "reference/ui/meas_file_page.h"

class QLabel;
class QPushButton;
class QStackedWidget;

namespace klv {

class CMeasFileStructurePage;
class CSubclassTabCtrl;

// The condition sheet: a wizard (Back, Next, Finish) for a new condition, headed by the
// caption of its page, or a tabbed sheet (OK, Cancel, Apply) for a complete one. It edits a copy;
// OK, Finish and Apply write it (not in calibration mode) and only a written copy counts as
// confirmed.
class CMeasFileSheet : public QDialog {
    Q_OBJECT
public:
    CMeasFileSheet(ConditionEditContext& ctx, const MeasFileData& d, int index, bool calibration,
                   MeasFileSheetSeams seams, QWidget* parent = nullptr);

    bool IsWizard() const { return m_state.wizard; }
    const MeasFileData& Working() const { return m_state.d; }
    // Whether OK, Finish or Apply took the copy, and the copy they took.
    bool Confirmed() const { return m_confirmed; }
    const MeasFileData& ConfirmedData() const { return m_confirmedData; }

    const std::vector<ConditionPage>& Pages() const { return m_list; }
    ConditionPage CurrentPage() const { return m_list[static_cast<std::size_t>(m_current)]; }
    CMeasFilePage* Page(ConditionPage page) const;

private:
    void AddPage(ConditionPage page, CMeasFilePage* widget);
    void RebuildPages();
    void ShowPage(int position);
    void UpdateButtons();
    void TabChanged(int position);
    void Next();
    void Back();
    void Finish();
    void Ok();
    void Apply();
    void CopyFile();
    // Checks the whole copy, points at the first failure, then writes and takes it.
    bool Commit();
    CMeasFilePage* Current() const { return Page(CurrentPage()); }

    MeasFileSheetSeams m_seams;
    MeasFileSheetState m_state;
    std::map<ConditionPage, CMeasFilePage*> m_pages;
    CMeasFileStructurePage* m_first;
    std::vector<ConditionPage> m_list;
    int m_current = 0;
    int m_guardPassed = -1;
    QStackedWidget* m_stack;
    CSubclassTabCtrl* m_tabs = nullptr;
    QLabel* m_caption = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_cancel;
    QPushButton* m_fileCopy;
    bool m_confirmed = false;
    MeasFileData m_confirmedData{};
};

}  // namespace klv
