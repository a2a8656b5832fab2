#include "app/ui/klv570_dlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/klv570_app.h"
#include "app/messages.h"
#include "app/settings_keys.h"
#include "app/system_flags.h"
#include "base/ui/window_settings.h"

namespace klv {

CKLV570Dlg::CKLV570Dlg(CKLV570App& app, QWidget* parent) : QMainWindow(parent), m_app(app) {
    setObjectName(QStringLiteral("CKLV570Dlg"));
    setWindowTitle(QStringLiteral("KLV-570"));
    menuBar()->setObjectName(QStringLiteral("mainMenu"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("exitAction"));
    auto* body = new QLabel(this);
    body->setObjectName(QStringLiteral("mainBody"));
    setCentralWidget(body);
    resize(800, 600);
    RestoreWindowPlacement(*this, m_app.Profile(), ini::kMeasurement, true, true);
    m_device = std::make_unique<CDeviceLink>(*this, m_app.Profile(), m_app.Time(),
                                             (m_app.SystemFlags() & kFlagSimulator) != 0);
    m_initialised = true;
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
    if (!m_shutDown &&
        m_app.Op().ShowMessage(kMsgMayClose, MsgIcon::Question, MsgButtons::YesNo) != IDYES) {
        event->ignore();
        return;
    }
    Shutdown();
    event->accept();
}

}  // namespace klv
