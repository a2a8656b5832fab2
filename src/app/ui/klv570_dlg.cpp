#include "app/ui/klv570_dlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QUrl>

#include "app/klv570_app.h"
#include "app/messages.h"
#include "app/settings_keys.h"
#include "app/system_flags.h"
#include "app/ui/command_ids.h"
#include "app/ui/hidden_key_sequence.h"
#include "app/ui/main_face.h"
#include "app/ui/main_menu.h"
#include "app/ui/status_line.h"
#include "base/ui/tool_button.h"
#include "base/ui/window_settings.h"
#include "measure/measurement_state.h"

namespace klv {

CKLV570Dlg::CKLV570Dlg(CKLV570App& app, QWidget* parent) : QMainWindow(parent), m_app(app) {
    setObjectName(QStringLiteral("CKLV570Dlg"));
    setWindowTitle(QStringLiteral("KLV-570"));
    menuBar()->setObjectName(QStringLiteral("mainMenu"));
    m_actions = BuildMainMenu(*menuBar());
    for (QAction* action : std::as_const(m_actions)) {
        const int id = action->data().toInt();
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    m_face = new CMainFace(this);
    connect(m_face, &CMainFace::commandTriggered, this, &CKLV570Dlg::OnCommand);
    setCentralWidget(m_face);
    setMinimumSize(480, 400);
    auto* keys = new CHiddenKeySequence(this);
    // Queued, so the menu bar changes after the key has been consumed.
    connect(keys, &CHiddenKeySequence::sequenceTyped, this, &CKLV570Dlg::ToggleHiddenMenu,
            Qt::QueuedConnection);
    qApp->installEventFilter(keys);
    resize(800, 600);
    RestoreWindowPlacement(*this, m_app.Profile(), ini::kMeasurement, true, true);
    m_device = std::make_unique<CDeviceLink>(*this, m_app.Profile(), m_app.Time(),
                                             (m_app.SystemFlags() & kFlagSimulator) != 0);
    UpdateControls();
    m_initialised = true;
}

void CKLV570Dlg::UpdateControls() {
    for (QAction* action : std::as_const(m_actions))
        action->setEnabled(IsCommandEnabled(action->data().toInt(), m_state));
    for (auto it = m_face->Buttons().begin(); it != m_face->Buttons().end(); ++it)
        it.value()->setEnabled(IsCommandEnabled(it.key(), m_state));
    const RunStatusLine line = GetRunStatusLine(m_state.condition, m_state.running, m_state.layer);
    m_face->StatusLine()->SetStatusText(
        QString::fromLatin1(line.text.data(), qsizetype(line.text.size())), line.red, Qt::red);
    if (m_state.condition == nullptr)
        m_face->DataNumber()->clear();
}

void CKLV570Dlg::ToggleHiddenMenu() {
    m_hiddenMenuShown = klv::ToggleHiddenMenu(*menuBar(), m_actions);
    if (!m_hiddenMenuShown)
        return;
    for (const MenuEntry& entry : HiddenMenuEntries()) {
        const int id = entry.id;
        connect(m_actions.value(id), &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    UpdateControls();
}

// Commands without an implementation yet keep only their enabling.
void CKLV570Dlg::OnCommand(int id) {
    if (!IsCommandEnabled(id, m_state))
        return;
    switch (id) {
        case cmd::kExit:
            close();
            break;
        case cmd::kHelp:
            QDesktopServices::openUrl(
                QUrl::fromLocalFile(QString::fromStdString(m_app.HelpPath())));
            break;
        default:
            break;
    }
    UpdateControls();
}

void CKLV570Dlg::StartDevice() {
    if (m_shutDown || m_device->Start(m_app.Op()))
        return;
    Shutdown();
    close();
}

void CKLV570Dlg::Shutdown() {
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_device->Stop();
    if (m_initialised)
        SaveWindowPlacement(*this, m_app.Profile(), ini::kMeasurement, true, true);
}

void CKLV570Dlg::closeEvent(QCloseEvent* event) {
    // The close box is disabled while a measurement runs.
    if (!m_shutDown && !IsCommandEnabled(cmd::kExit, m_state)) {
        event->ignore();
        return;
    }
    if (!m_shutDown &&
        m_app.Op().ShowMessage(kMsgMayClose, MsgIcon::Question, MsgButtons::YesNo) != IDYES) {
        event->ignore();
        return;
    }
    Shutdown();
    event->accept();
}

}  // namespace klv
