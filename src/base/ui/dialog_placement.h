#pragma once

#include <QObject>
#include <string>

#include "base/profile.h"

class QDialog;

namespace klv {

// Keeps a dialog's position and size under a settings section: restored when it first shows,
// stored when it is done. A dialog that never showed leaves the stored placement as it was.
class CDialogPlacement : public QObject {
    Q_OBJECT
public:
    // The keeper lives as long as the dialog, which owns it.
    static void Keep(QDialog& dialog, ProfileFile& ini, std::string section);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CDialogPlacement(QDialog& dialog, ProfileFile& ini, std::string section);
    void Save();

    QDialog& m_dialog;
    ProfileFile& m_ini;
    std::string m_section;
    bool m_placed = false;
};

}  // namespace klv
