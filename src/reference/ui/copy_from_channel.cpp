#include "reference/ui/copy_from_channel.h"

#include "reference/condition_copy.h"
#include "reference/ui/meas_file_copy.h"
#include "reference/ui/meas_file_list.h"

namespace klv {

unsigned CopyFromOtherChannel(ConditionStore& store, const CalibrationStore& cal, ProfileFile& ini,
                              bool oneClickActivate, Operator& op, MeasFileData& target,
                              QWidget* parent) {
    CMeasFileList list(store, cal, ini, oneClickActivate, parent);
    list.SetMode(MeasFileListMode::CopySource);
    MeasFileData source{};
    list.SetCopyItemChooser([&](int index, const MeasFileData& d) -> std::optional<unsigned> {
        CMeasFileCopy dialog(index, d, op, &list);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        source = d;
        return dialog.Items();
    });
    if (list.exec() != QDialog::Accepted || list.SelectedChannel() < 0)
        return 0;
    CopyConditionItems(source, list.CopyItems(), target);
    return list.CopyItems();
}

}  // namespace klv
