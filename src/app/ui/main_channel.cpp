#include "app/ui/main_channel.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "app/open_channel_key.h"
#include "app/result_rows.h"
#include "app/system_flags.h"
#include "app/ui/condition_table.h"
#include "app/ui/main_face.h"
#include "app/ui/meas_result_list.h"
#include "app/ui/roll_paper_link.h"
#include "base/fixed_text.h"
#include "base/line_log.h"
#include "base/ui/text_codec.h"
#include "measure/ui/level_meter.h"
#include "output/result_transmission.h"
#include "reference/condition_rules.h"
#include "reference/layer_value_format.h"
#include "reference/msr_log_file.h"
#include "reference/ui/meas_file_list.h"
#include "results/synthetic_result.h"
#include "stats/ui/simple_stat.h"

namespace klv {

namespace {

constexpr char kMsgNotSelected[] = "Not selected.";
constexpr char kMsgNickelOnNickel[] =
    "Use electro-rod. \n\nStart the measurement of potential graph obserbation method.";

bool HasPlatingWeightCount(const MeasFileData& d) {
    return (d.bWtFlags & kWtPlatingWeightCount) != 0;
}

}  // namespace

CMainChannel::CMainChannel(CKLV570App& app, CMainFace& face, RunInstrument& instrument,
                           QWidget& window, std::function<void()> refresh)
    : m_app(app),
      m_face(face),
      m_instrument(instrument),
      m_window(window),
      m_refresh(std::move(refresh)),
      m_sounds(app.EventSounds()),
      m_dialogs(&window, m_sounds, app.Op()),
      m_output(app, *this, *face.SimpleStat(), window),
      m_pollTarget(&window),
      m_run(instrument, m_dialogs, app.Trace(), m_sounds, app.Op(), app.Calibration()) {
    m_dialogs.SetValueView(face.ResultList());
    m_face.SimpleStat()->SetSource([this] {
        return CSimpleStat::Source{&m_app.Conditions(), Condition(), m_index};
    });
}

CMainChannel::~CMainChannel() {
    m_face.SimpleStat()->SetSource({});
    if (m_session)
        m_instrument.SetPollingWindow(nullptr);
}

bool CMainChannel::SelectMeasureFile(bool automatic) {
    ClearResultList();
    ConditionStore& store = m_app.Conditions();
    std::optional<int> index;
    if (automatic)
        index = ReadAutomaticChannel(m_app.Profile(), store.Channels());
    if (!index) {
        CMeasFileList list(store, m_app.Calibration(), m_app.Profile(),
                           m_app.ListStyle().oneClickActivate, &m_window);
        list.SetCalibrationSchedule(LoadCalibrationSchedule(m_app.Profile(), m_app.Time()));
        list.SetMode(MeasFileListMode::Select);
        if (list.exec() != QDialog::Accepted || list.SelectedChannel() < 0)
            return false;
        index = list.SelectedChannel();
    }
    MeasFileData d{};
    if (!PrepareChannel(*index, d))
        return false;
    WriteOpenChannel(m_app.Profile(), *index);
    OpenChannel(*index, d);
    if (IsNickelOnNickel(d, 0))
        m_app.Op().ShowMessage(kMsgNickelOnNickel, MsgIcon::Information, MsgButtons::Ok);
    return true;
}

bool CMainChannel::PrepareChannel(int index, MeasFileData& d) {
    switch (m_app.Conditions().PrepareChannelForMeasurement(index, d)) {
        case ChannelPrepareResult::Ready:
            return true;
        case ChannelPrepareResult::NeedsWizard:
            return m_editCondition && m_editCondition(d, index);
        case ChannelPrepareResult::Failed:
            break;
    }
    return false;
}

void CMainChannel::OpenChannel(int index, const MeasFileData& d) {
    m_endedSession.reset();
    m_index = index;
    m_condition = d;
    m_lastCancellable = false;
    m_dueGate.Reset();
    const CMeasurementSession::Seams seams{m_run,        m_instrument, m_app.Trace(),
                                           *this,        m_output,     m_app.Conditions(),
                                           m_app.Time(), m_pollTarget};
    m_session = std::make_unique<CMeasurementSession>(seams, m_condition, index);
    LogPrint(1, "Channel %d opened\n", index + 1);
    m_face.ResultList()->SetFourColumns(HasPlatingWeightCount(m_condition));
    m_refresh();
    ShowFileName();
    DisplayLastMeasureResult(true);
    m_output.ResetTemporaryStatistics();
    if (CResultTransmission* transmission = m_app.Transmission())
        transmission->Dde().ResetDdeHistory();
}

void CMainChannel::AdoptCondition(const MeasFileData& d) {
    const bool columnsChanged = HasPlatingWeightCount(d) != HasPlatingWeightCount(m_condition);
    m_condition = d;
    if (columnsChanged)
        m_face.ResultList()->SetFourColumns(HasPlatingWeightCount(m_condition));
    ShowFileName();
    DisplayLastMeasureResult(false);
    m_output.RefreshTemporaryStatistics();
}

void CMainChannel::CloseChannel() {
    if (m_session && !m_session->IsMeasuring())
        m_session->EndMeasurement();
}

void CMainChannel::EndCondition() {
    FlushRollPaperLine();
    ForgetOpenChannel(m_app.Profile());
    LogPrint(1, "Channel %d closed\n", m_index + 1);
    m_endedSession = std::move(m_session);
    m_index = -1;
    m_condition = MeasFileData{};
    m_lastCancellable = false;
    ShowFileName();
    ClearResultList();
    ResetLevelMeter();
    m_refresh();
}

void CMainChannel::ShowFileName() {
    QLabel* line = m_face.ChannelLine();
    if (!IsOpen()) {
        line->setText(QString::fromLatin1(kMsgNotSelected));
        m_face.LotLine()->clear();
        return;
    }
    m_face.LotLine()->setText(
        QStringLiteral("Lot No.: ") + ToQString(GetFixedText(m_condition.szLotNo)) +
        QStringLiteral("    Customer: ") + ToQString(GetFixedText(m_condition.szCustomer)));
    line->setText(QString::asprintf("%2d : ", m_index + 1) +
                  ToQString(GetFixedText(m_condition.szFileName)));
}

void CMainChannel::ShowDataNumber(std::uint32_t number) {
    m_face.DataNumber()->setText(QString::number(number));
}

void CMainChannel::DisplayLastMeasureResult(bool reset) {
    const int layers = GetCoatCount(m_condition);
    if (IsOpen() && layers > 0 && m_condition.nItemCt > 0) {
        // The data quantity counts a partly stored measurement as one.
        const std::uint32_t count = static_cast<std::uint32_t>(layers);
        const std::uint32_t quantity = (m_condition.nItemCt + count - 1) / count;
        std::vector<MsrLogRecord> records(count);
        if (ReadMsrLogFile(m_app.Conditions(), m_index, records.data(), count * (quantity - 1),
                           count, true)) {
            if (reset)
                m_face.ResultList()->SetFresh(false);
            ShowSyntheticResult(m_condition, records);
            ShowDataNumber(quantity);
        } else {
            ClearResultList();
            m_face.DataNumber()->clear();
        }
    } else {
        ClearResultList();
        m_face.DataNumber()->clear();
    }
    m_refresh();
}

bool CMainChannel::MayStartMeasurement() {
    if (!m_session || m_session->IsMeasuring())
        return static_cast<bool>(m_session);
    const auto layers = static_cast<std::uint32_t>(std::max(GetCoatCount(m_condition), 1));
    const CalibrationSchedule schedule = LoadCalibrationSchedule(m_app.Profile(), m_app.Time());
    return m_dueGate.MayStart(m_condition, m_app.Calibration(), schedule,
                              m_condition.nItemCt / layers + 1, m_app.Op());
}

int CMainChannel::StartMeasurement() {
    if (!MayStartMeasurement())
        return 0;
    return m_session->StartMeasurement();
}

void CMainChannel::StopMeasurement() {
    if (m_session)
        m_session->StopMeasurement();
}

void CMainChannel::OnPollingNotify() {
    if (m_session)
        m_session->OnPollingNotify();
}

void CMainChannel::CancelLastData() {
    if (!m_session)
        return;
    // The pending values are printed while the log still holds the cancelled one.
    FlushRollPaperLine();
    CRollPaperLink* rollPaper = m_output.RollPaper();
    CancellationPrinter* printer =
        rollPaper != nullptr && rollPaper->Output().IsSelected() ? rollPaper : nullptr;
    const std::uint32_t number = GetDataQuantity(m_condition);
    if (CancelLastMeasurement(m_app.Conditions(), m_condition, m_index, printer) !=
        CancelResult::Cancelled)
        return;
    m_app.Recording().Cancelled(m_condition, m_index, number);
    m_session->ResetLayer();
    m_lastCancellable = false;
    if (const int layers = GetCoatCount(m_condition); layers > 0)
        m_dueGate.Forget(m_condition.nItemCt / static_cast<std::uint32_t>(layers) + 1);
    DisplayLastMeasureResult(true);
    ShowFileName();
    m_output.RefreshTemporaryStatistics();
}

void CMainChannel::FlushRollPaperLine() {
    if (m_output.RollPaper() != nullptr)
        m_output.RollPaper()->Output().FlushFiveDataLine({Condition(), m_index});
}

void CMainChannel::DeleteData() {
    // The pending values still go on paper before their data goes.
    FlushRollPaperLine();
    if (!m_session || !m_app.Conditions().EraseChannelData(m_condition, m_index))
        return;
    m_session->ResetLayer();
    m_lastCancellable = false;
    m_dueGate.Forget(1);
    DisplayLastMeasureResult(true);
    m_output.RefreshTemporaryStatistics();
}

void CMainChannel::ClearResultList() {
    CMeasResultList* list = m_face.ResultList();
    list->StopBlink();
    list->ClearRows();
}

void CMainChannel::SetMeasuring(bool measuring) {
    // A measurement's first layer shows on the fresh background.
    if (measuring && Layer() == 0)
        m_face.ResultList()->SetFresh(true);
    m_refresh();
}

void CMainChannel::ShowLayerTexts(int layer, const PollResult& result) {
    ResultRowTexts row;
    row.columns[0] = ToQString(std::string(result.szTitle));
    row.columns[1] = ToQString(std::string(result.szValue));
    m_face.ResultList()->SetRow(layer, row);
}

void CMainChannel::ShowMeasurementNumber(std::uint32_t number) {
    ShowDataNumber(number);
}

void CMainChannel::SetBlinking(bool blinking) {
    CMeasResultList* list = m_face.ResultList();
    if (blinking && !list->IsBlinking())
        list->SetBlinkRow(Layer());
    else if (!blinking)
        list->StopBlink();
}

void CMainChannel::UpdateLevelMeter(const PollingData& poll) {
    m_face.LevelMeter()->Update(poll);
}

void CMainChannel::ResetLevelMeter() {
    m_face.LevelMeter()->Reset();
}

void CMainChannel::RedrawResultList() {
    m_face.ResultList()->viewport()->update();
}

void CMainChannel::ShowSyntheticResult(const MeasFileData& d,
                                       std::span<const MsrLogRecord> records) {
    SyntheticResult synthetic{};
    EditSyntheticResult(d, records, synthetic, false);
    CMeasResultList* list = m_face.ResultList();
    list->SetResultRows(MakeResultRows(synthetic));
    list->viewport()->update();
}

void CMainChannel::MarkLastMeasurement() {
    m_lastCancellable = true;
}

float CMainChannel::AskWtCoefficient(MeasFileData& d) {
    if (m_askWt)
        return m_askWt(d);
    return d.fWtCoef;
}

}  // namespace klv
