#include "base/ui/dialog_placement.h"

#include <QDialog>
#include <QEvent>

#include "base/ui/window_settings.h"

namespace klv {

void CDialogPlacement::Keep(QDialog& dialog, ProfileFile& ini, std::string section) {
    new CDialogPlacement(dialog, ini, std::move(section));
}

CDialogPlacement::CDialogPlacement(QDialog& dialog, ProfileFile& ini, std::string section)
    : QObject(&dialog), m_dialog(dialog), m_ini(ini), m_section(std::move(section)) {
    dialog.installEventFilter(this);
    connect(&dialog, &QDialog::finished, this, &CDialogPlacement::Save);
}

bool CDialogPlacement::eventFilter(QObject* watched, QEvent* event) {
    // Before the dialog's own show handling, so it does not centre itself over the stored place.
    if (watched == &m_dialog && event->type() == QEvent::Show && !m_placed) {
        m_placed = true;
        RestoreWindowPlacement(m_dialog, m_ini, m_section, true, false);
    }
    return QObject::eventFilter(watched, event);
}

void CDialogPlacement::Save() {
    if (m_placed)
        SaveWindowPlacement(m_dialog, m_ini, m_section, true, false);
}

}  // namespace klv
