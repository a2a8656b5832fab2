#include "app/ui/klv570_dlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "app/calibration_due_gate.h"
#include "app/command_ids.h"
#include "app/klv570_app.h"
#include "app/messages.h"
#include "app/send_param_profile.h"
#include "app/settings_keys.h"
#include "app/system_flags.h"
#include "app/ui/about_dlg.h"
#include "app/ui/calibration_commands.h"
#include "app/ui/calibration_interval_dialog.h"
#include "app/ui/check_commands.h"
#include "app/ui/condition_table.h"
#include "app/ui/customize_dialog.h"
#include "app/ui/help_window.h"
#include "app/ui/hidden_key_sequence.h"
#include "app/ui/main_channel.h"
#include "app/ui/main_face.h"
#include "app/ui/main_menu.h"
#include "app/ui/potential_graph_link.h"
#include "app/ui/result_font_dialog.h"
#include "app/ui/roll_paper_link.h"
#include "app/ui/statistics_link.h"
#include "app/ui/status_line.h"
#include "app/ui/surface_dispose_dialog.h"
#include "base/line_log.h"
#include "base/profile.h"
#include "base/ui/key_routing_table.h"
#include "base/ui/text_codec.h"
#include "base/ui/tool_button.h"
#include "base/ui/window_settings.h"
#include "device/ui/simulation_dialog.h"
#include "device/ui/usb_status_dialog.h"
#include "measure/measurement_state.h"
#include "measure/protocol_run_instrument.h"
#include "measure/ui/confirm_current_dialog.h"
#include "output/result_transmission.h"
#include "output/ui/data_send_sheet.h"
#include "reference/alloy_content_table.h"
#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/ui/bulk_erase_dialog.h"
#include "reference/ui/condition_edit_context.h"
#include "reference/ui/edit_condition.h"
#include "reference/ui/edit_condition_item.h"
#include "reference/ui/meas_data_display.h"
#include "reference/ui/meas_file_list.h"
#include "reference/ui/wt_after_input.h"

namespace klv {

CKLV570Dlg::CKLV570Dlg(CKLV570App& app, const DeviceSeams& device, QWidget* parent)
    : QMainWindow(parent), m_app(app) {
    setObjectName(QStringLiteral("CKLV570Dlg"));
    setWindowTitle(QStringLiteral("KLV-570"));
    menuBar()->setObjectName(QStringLiteral("mainMenu"));
    m_actions = BuildMainMenu(*menuBar());
    BuildCommandHandlers();
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
    RestoreWindowPlacement(*this, m_app.Profile(), ini::kMeasurement, true, false);
    m_face->RestoreSettings(m_app.Profile());
    m_device = std::make_unique<CDeviceLink>(device, m_app.Profile(), m_app.Time(),
                                             (m_app.SystemFlags() & kFlagSimulator) != 0);
    m_instrument = std::make_unique<CProtocolRunInstrument>(m_device->Protocol());
    m_rollPaper = std::make_unique<CRollPaperLink>(m_app);
    m_channel = std::make_unique<CMainChannel>(m_app, *m_face, *m_instrument, *this,
                                               [this] { UpdateControls(); });
    m_channel->Output().SetRollPaper(m_rollPaper.get());
    m_graph = std::make_unique<CPotentialGraphLink>(m_app, &m_rollPaper->Reports(), *this,
                                                    [this] { UpdateControls(); });
    m_channel->Output().SetStatisticsWindow([this](const std::string& caption) {
        ShowStatisticsWindow(m_app, *m_channel, m_rollPaper->Reports(), caption, this);
    });
    m_rollPaper->Reports().SetChannelSource([this] {
        return m_channel ? OpenChannelRef{m_channel->Condition(), m_channel->Index()}
                         : OpenChannelRef{};
    });
    m_editContext = std::make_unique<ConditionEditContext>(ConditionEditContext{
        m_app.Conditions(), m_app.Calibration(), m_app.Profile(), m_app.Op(),
        m_app.EventSounds().Player(), m_app.ListStyle().oneClickActivate,
        [this](float mA, const MeasFileData&, int, QWidget* owner) {
            ConfirmOutputCurrent(m_device->Protocol(), m_app.EventSounds(), mA, false, owner);
        },
        &m_rollPaper->Reports()});
    m_channel->SetConditionEditor([this](MeasFileData& d, int index) {
        return EditCondition(*m_editContext, d, index, false, this);
    });
    m_channel->SetWtCoefficientInput(
        [this](MeasFileData& d) { return AskWtAfterInput(d, m_app.Op(), this); });
    m_channel->ShowFileName();
    UpdateControls();
    auto* outboxTimer = new QTimer(this);
    connect(outboxTimer, &QTimer::timeout, this, &CKLV570Dlg::UpdateOutboxLine);
    outboxTimer->start(1000);
}

void CKLV570Dlg::UpdateOutboxLine() {
    const CResultsRecorder* recorder = m_app.Recording().Recorder();
    if (recorder == nullptr)
        return;
    const RecorderStatus status = recorder->Status();
    QLabel* line = m_face->OutboxLine();
    line->setText(QString::fromStdString(OutboxStatusText(status)));
    line->setToolTip(QString::fromStdString(status.problem));
    line->setStyleSheet(status.problem.empty() ? QString() : QStringLiteral("color: red"));
    if (status.problemSerial > m_toldRecorderProblem && !status.problem.empty() &&
        !m_channel->IsMeasuring()) {
        m_toldRecorderProblem = status.problemSerial;
        m_app.Op().ShowMessage(status.problem, MsgIcon::Exclamation, MsgButtons::Ok);
    }
}

CKLV570Dlg::~CKLV570Dlg() {
    Shutdown();
}

void CKLV570Dlg::ShowAsStored() {
    // A first start opens wide enough for the condition table, as far as the screen allows.
    if (!m_app.Profile().HasProfileKey(ini::kMeasurement, ini::kWinWidth)) {
        const int wanted =
            std::min(screen()->availableGeometry().width(), m_face->WidthShowingConditionTable());
        if (wanted > width()) {
            resize(wanted, height());
            RestoreWindowPlacement(*this, m_app.Profile(), ini::kMeasurement, true, false);
        }
    }
    LeaveRoomForPrintImage();
    const int stored =
        m_app.Profile().GetProfileInt(ini::kMeasurement, ini::kWinShow, kShowMaximized);
    if (MainWindowShowCommand(stored) == kShowMaximized)
        showMaximized();
    else
        showNormal();
}

void CKLV570Dlg::LeaveRoomForPrintImage() {
    if (HasStoredPlacement(m_app.Profile(), ini::kMeasurement))
        return;
    const int room = m_rollPaper->ImageRoomBeside(*this);
    if (room == 0)
        return;
    // The window and the image side by side, centred together; on a screen too narrow for
    // both the window keeps the left edge and the image covers the least of it.
    const QRect area = screen()->availableGeometry();
    const FrameMargins frame = WindowFrame(*this);
    const int both = frame.left + width() + frame.right + room;
    const int left = area.left() + std::max(0, (area.width() - both) / 2);
    setGeometry(QRect(QPoint(left + frame.left, y()), size()));
}

void CKLV570Dlg::PlaceSimulatorAtFirstStart() {
    CSimulation* simulator = m_device->SimulationWindow();
    if (simulator == nullptr || CSimulation::IsPlaced(m_app.Profile()))
        return;
    // Under the print image, or beside the main window, rather than over its results.
    constexpr int kAir = 6;
    if (const QWidget* image = m_rollPaper->SimulationWindow())
        PlaceBelow(*simulator, image->frameGeometry(), kAir);
    else
        PlaceBeside(*simulator, frameGeometry(), kAir);
}

void CKLV570Dlg::FillControlState() {
    ControlState state;
    state.hasHandler = [this](int id) { return HasCommandHandler(id); };
    state.condition = m_channel->Condition();
    state.running = m_channel->IsMeasuring();
    state.layer = m_channel->Layer();
    if (state.condition != nullptr) {
        const MeasFileData& d = *state.condition;
        const int layers = GetCoatCount(d);
        state.storedMeasurements = layers > 0 ? static_cast<int>(d.nItemCt) / layers : 0;
        state.lastDataCancellable = m_channel->IsLastDataCancellable() ||
                                    (m_app.Calibration().dwFlags & kStoreLastDataCancellable) != 0;
        if (state.layer >= 0 && state.layer < kMaxLayers) {
            const LayerCondition& coat = d.coat[state.layer];
            state.surfaceTextPresent = !IsAlloyLayer(coat) && !GetSurfaceText(coat.bCode).empty();
        }
        state.alloyFactorApplies = HasAlloySn(d).has_value() || FindAlloyContent(d) != nullptr;
    }
    m_state = state;
    // A client's command waits while a measurement runs.
    if (CResultTransmission* transmission = m_app.Transmission())
        transmission->Dde().SetBusy(state.running);
}

void CKLV570Dlg::UpdateControls() {
    if (!m_channel)
        return;
    FillControlState();
    for (QAction* action : std::as_const(m_actions))
        action->setEnabled(IsCommandEnabled(action->data().toInt(), m_state));
    for (auto it = m_face->Buttons().begin(); it != m_face->Buttons().end(); ++it)
        it.value()->setEnabled(IsCommandEnabled(it.key(), m_state));
    // The button is pressed while the graph window is open.
    m_face->Buttons().value(cmd::kPotentialGraph)->SetToggled(m_graph && m_graph->IsOpen());
    const RunStatusLine line = GetRunStatusLine(m_state.condition, m_state.running, m_state.layer);
    std::string status(line.text);
    bool red = line.red;
    const CalibrationSchedule schedule = LoadCalibrationSchedule(m_app.Profile(), m_app.Time());
    if (m_state.condition != nullptr && !m_state.running) {
        if (const auto due = OverdueSince(*m_state.condition, m_app.Calibration(), schedule)) {
            status = CalibrationDueStatus(*m_state.condition, *due) + " " + status;
            red = true;
        }
    }
    m_face->StatusLine()->SetStatusText(ToQString(status), red, Qt::red);
    if (m_state.condition == nullptr)
        m_face->DataNumber()->clear();
    const bool possible = GetRunPhase(m_state.condition, false) == RunPhase::Ready;
    m_face->ConditionTable()->ShowCondition(m_state.condition, m_state.layer, possible,
                                            &m_app.Calibration(), &schedule);
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

bool CKLV570Dlg::event(QEvent* event) {
    if (event->type() == kPollingNotifyEvent) {
        if (!m_shutDown)
            m_channel->OnPollingNotify();
        return true;
    }
    if (event->type() == kKeyMessageEvent) {
        OnKeyMessage(static_cast<KeyMessageEvent*>(event)->VirtualKey());
        return true;
    }
    return QMainWindow::event(event);
}

void CKLV570Dlg::OnKeyMessage(int virtualKey) {
    if (virtualKey == kVkF2)
        OnCommand(cmd::kStartMeasurement);
    else if (virtualKey == kVkF3)
        OnCommand(cmd::kStopMeasurement);
}

void CKLV570Dlg::OnCommand(int id) {
    if (m_shutDown)
        return;
    const auto handler = m_handlers.constFind(id);
    if (handler != m_handlers.cend() && IsCommandEnabled(id, m_state))
        (*handler)();
    // Also after a refused click: a toggle button shows again what is open.
    UpdateControls();
}

void CKLV570Dlg::BuildCommandHandlers() {
    auto on = [this](int id, std::function<void()> handler) {
        m_handlers.insert(id, std::move(handler));
    };
    on(cmd::kSelectCondition, [this] { m_channel->SelectMeasureFile(false); });
    on(cmd::kEndMeasurement, [this] { m_channel->CloseChannel(); });
    on(cmd::kStartMeasurement, [this] { m_channel->StartMeasurement(); });
    on(cmd::kStopMeasurement, [this] { m_channel->StopMeasurement(); });
    on(cmd::kCancelLastData, [this] { m_channel->CancelLastData(); });
    on(cmd::kDeleteData, [this] { m_channel->DeleteData(); });
    on(cmd::kStatisticsItemSet, [this] {
        m_channel->Output().DoStatisticsItemSet();
        if (m_channel->Output().RunGrossStatistics(m_channel->WorkingCondition()))
            m_channel->CloseChannel();
    });
    on(cmd::kTemporaryStatistics,
       [this] { m_channel->Output().DoStatistics(kTemporaryStatisticsCaption); });
    on(cmd::kDeleteCondition, [this] { DeleteConditionFiles(); });
    on(cmd::kDeleteAll, [this] {
        CBulkErase dialog(m_app.Conditions(), this);
        dialog.exec();
    });
    on(cmd::kDisplayCondition, [this] {
        ShowCondition(*m_editContext, m_channel->WorkingCondition(), m_channel->Index(), false,
                      this, &m_app.EventSounds());
    });
    on(cmd::kSetCondition, [this] { EditOpenCondition(); });
    for (int id : {cmd::kEditSensitivity, cmd::kEditTestSolution, cmd::kEditCurrentRange,
                   cmd::kEditPumpSpeed, cmd::kEditAutoStop, cmd::kEditBlankingTime, cmd::kEditUnit,
                   cmd::kEditAlloyFactor})
        on(id, [this, id] { EditItem(id); });
    on(cmd::kSurfaceTreatment, [this] { ShowSurfaceTreatment(); });
    on(cmd::kResultFont, [this] { ChooseFont(); });
    on(cmd::kReverseCurrent, [this] { RunReverseCurrent(m_app, m_device->Protocol(), this); });
    for (int id : {cmd::kAdditionalElectrolysis, cmd::kEditAdditionalElectrolysis})
        on(id, [this] {
            CMeasurementSession* session = m_channel->Session();
            if (session == nullptr || session->Layer() <= 0)
                return;
            const std::uint32_t counts = RunAdditionalElectrolysis(m_app, m_device->Protocol(),
                                                                   m_channel->WorkingCondition(),
                                                                   session->Layer() - 1, this);
            session->AddElectrolysisCounts(counts);
        });
    on(cmd::kPumpCheck, [this] { RunPumpCheck(m_app, m_device->Protocol(), this); });
    on(cmd::kConstantCurrentCheck, [this] { RunCurrentCheck(m_app, m_device->Protocol(), this); });
    on(cmd::kSensitivityTest, [this] { RunSensitivityTest(m_app, m_device->Protocol(), this); });
    on(cmd::kDeviceCheck, [this] { RunDeviceCheck(m_app, m_device->Protocol(), this); });
    on(cmd::kConstantCurrentCalibration,
       [this] { RunCurrentCalibrate(m_app, m_device->Protocol(), &m_rollPaper->Reports(), this); });
    on(cmd::kDeviceCondition, [this] { RunDeviceStatus(m_device->Protocol(), this); });
    on(cmd::kEnvironmentSet, [this] {
        // Lists made from now on follow the click method.
        if (EditEnvironment(m_app, this))
            m_editContext->oneClickActivate = m_app.ListStyle().oneClickActivate;
    });
    on(cmd::kUsbStatus, [this] {
        CUsbStatus dialog(m_device->Transport(), this);
        dialog.exec();
    });
    on(cmd::kExit, [this] { close(); });
    on(cmd::kHelp, [this] { ShowHelp(); });
    on(cmd::kVersion, [this] { ShowVersion(); });
    on(cmd::kStandardCalibration, [this] {
        RunStandardCalibration(m_app, *m_channel, *m_instrument, m_keys, *m_editContext, this);
    });
    on(cmd::kGuessCalibration, [this] { RunGuessCalibration(m_app, *m_channel, this); });
    on(cmd::kCalibrationInterval, [this] {
        CCalibrationInterval dialog(m_app.Profile(), m_app.Op(), this);
        dialog.exec();
    });
    on(cmd::kPotentialGraph, [this] { m_graph->Toggle(); });
    on(cmd::kObservationMeasurement, [this] {
        RunObservationMeasurement(m_app, *m_channel, *m_instrument, m_keys, &m_rollPaper->Reports(),
                                  this);
    });
    on(cmd::kPrinterSet, [this] {
        m_rollPaper->RunPrinterSetup(this, {m_channel->Condition(), m_channel->Index()});
    });
    if (m_app.Transmission() != nullptr)
        on(cmd::kTransmissionMethod, [this] { EditTransmissionMethod(); });
}

void CKLV570Dlg::ShowHelp() {
    if (OpenPdfInViewer(QString::fromStdString(m_app.HelpPath())))
        return;
    if (m_helpWindow.isNull())
        m_helpWindow = new CHelpWindow(this);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CKLV570Dlg::DeleteConditionFiles() {
    CMeasFileList list(m_app.Conditions(), m_app.Calibration(), m_app.Profile(),
                       m_app.ListStyle().oneClickActivate, this);
    list.SetCalibrationSchedule(LoadCalibrationSchedule(m_app.Profile(), m_app.Time()));
    list.SetMode(MeasFileListMode::Delete);
    list.SetChannelInUse(m_channel->IsOpen() ? m_channel->Index() : -1);
    list.SetDeleteConfirmation([this, &list](int index, const MeasFileData& d) {
        return ShowCondition(*m_editContext, d, index, true, &list, &m_app.EventSounds());
    });
    list.exec();
}

void CKLV570Dlg::ShowSurfaceTreatment() {
    const MeasFileData* d = m_channel->Condition();
    if (d == nullptr || m_channel->Layer() >= kMaxLayers)
        return;
    CSurfaceDispose dialog(d->coat[m_channel->Layer()].bCode, this);
    dialog.exec();
}

void CKLV570Dlg::ChooseFont() {
    ResultFont font = m_face->GetResultFont();
    if (!ChooseResultFont(this, font))
        return;
    m_face->SetResultFont(font);
    m_channel->DisplayLastMeasureResult(false);
}

void CKLV570Dlg::EditOpenCondition() {
    MeasFileData d = m_channel->WorkingCondition();
    if (EditCondition(*m_editContext, d, m_channel->Index(), false, this))
        m_channel->AdoptCondition(d);
}

void CKLV570Dlg::EditItem(int id) {
    MeasFileData d = m_channel->WorkingCondition();
    if (EditConditionItem(id, *m_editContext, d, m_channel->Index(), this))
        m_channel->AdoptCondition(d);
}

void CKLV570Dlg::EditTransmissionMethod() {
    CDataSendSheet sheet(LoadMeasDataSendParam(m_app.Profile()),
                         CDataSendSheet::SystemSerialPorts(), this);
    if (sheet.exec() == QDialog::Accepted)
        SaveMeasDataSendParam(m_app.Profile(), sheet.Param());
    m_app.Transmission()->OpenSerialPort();
}

void CKLV570Dlg::ShowVersion() {
    if (!CAboutDlg::CanShow(m_app.Version()))
        return;
    CAboutDlg dialog(m_app.Version(), this);
    dialog.exec();
}

void CKLV570Dlg::StartDevice() {
    if (m_shutDown)
        return;
    m_rollPaper->StartUp(this);
    PlaceSimulatorAtFirstStart();
    if (!m_device->Start(m_app.Op())) {
        Shutdown();
        close();
        return;
    }
    m_keys.Register(kVkF2, this);
    m_keys.Register(kVkF3, this);
    if (CResultTransmission* transmission = m_app.Transmission())
        transmission->OpenSerialPort();
    m_channel->SelectMeasureFile(true);
    UpdateControls();
    m_initialised = true;
}

void CKLV570Dlg::Shutdown() {
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_graph->Close();
    m_channel->FlushRollPaperLine();
    m_channel.reset();
    m_device->Stop();
    m_rollPaper->Shutdown();
    if (CResultTransmission* transmission = m_app.Transmission())
        transmission->CloseSerialPort();
    if (!m_initialised)
        return;
    // No key may reach a window that is going.
    m_keys.Register(kVkF2, nullptr);
    m_keys.Register(kVkF3, nullptr);
    ProfileBatch batch(m_app.Profile());
    SaveWindowPlacement(*this, m_app.Profile(), ini::kMeasurement, true, true);
    m_face->SaveSettings(m_app.Profile());
    if (!batch.Commit())
        LogPrint(1, "Window settings not written: %s", m_app.Profile().Path().c_str());
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
