#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "base/profile.h"
#include "base/ui/subclass_list_ctrl.h"
#include "reference/calibration_due.h"
#include "reference/calibration_store.h"
#include "reference/condition_store.h"

class QPushButton;

namespace klv {

enum class MeasFileListMode { Select, CopySource, Delete };

// "Select measurement condition file": the channel list, one four-line row per channel.
class CMeasFileList : public QDialog {
    Q_OBJECT
public:
    // Shows the condition about to be deleted; true when the operator confirmed.
    using DeleteConfirmation = std::function<bool(int index, const MeasFileData& d)>;
    // Asks which items to copy from the chosen source; nothing when the operator cancelled.
    using CopyItemChooser = std::function<std::optional<unsigned>(int, const MeasFileData&)>;

    static constexpr const char* kSection = "MeasureFileList";

    CMeasFileList(ConditionStore& store, const CalibrationStore& cal, ProfileFile& ini,
                  bool oneClickActivate, QWidget* parent = nullptr);

    void SetMode(MeasFileListMode mode);
    MeasFileListMode Mode() const { return m_mode; }
    // The channel being measured, which cannot be deleted; -1 for none.
    void SetChannelInUse(int index) { m_inUse = index; }
    void SetDeleteConfirmation(DeleteConfirmation confirm) { m_confirmDelete = std::move(confirm); }
    void SetCopyItemChooser(CopyItemChooser chooser) { m_chooseCopyItems = std::move(chooser); }
    // Due calibration dates are shown in red with " (due)" from the next SetMode on.
    void SetCalibrationSchedule(const CalibrationSchedule& schedule);

    // The chosen channel index, -1 before a choice.
    int SelectedChannel() const { return m_selected; }
    unsigned CopyItems() const { return m_copyItems; }
    CSubclassListCtrl& List() { return *m_list; }
    // Row of a channel in the list, -1 when it is not listed.
    int RowOfChannel(int index) const;

    void done(int result) override;

private:
    void Fill();
    void Activate(int row);
    bool ConfirmDelete(int index, const MeasFileData& d);
    bool AskDelete(const std::string& title);

    ConditionStore& m_store;
    const CalibrationStore& m_cal;
    ProfileFile& m_ini;
    CSubclassListCtrl* m_list;
    QPushButton* m_cancel;
    MeasFileListMode m_mode = MeasFileListMode::Select;
    int m_inUse = -1;
    int m_selected = -1;
    unsigned m_copyItems = 0;
    DeleteConfirmation m_confirmDelete;
    CopyItemChooser m_chooseCopyItems;
    std::optional<CalibrationSchedule> m_schedule;
};

}  // namespace klv
