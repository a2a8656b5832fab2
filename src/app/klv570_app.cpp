#include "app/klv570_app.h"

#include <unistd.h>

#include <cstring>

#include "app/data_directory.h"
#include "app/default_sounds.h"
#include "app/messages.h"
#include "app/settings_access.h"
#include "base/file_io.h"
#include "base/line_log.h"

namespace klv {

CKLV570App::CKLV570App(std::string dataDir, Operator& op, Clock& clock, SoundPlayer& sounds)
    : m_dataDir(std::move(dataDir)),
      m_graphicsDir(m_dataDir + kGraphicsFolder),
      m_calibrationPath(m_dataDir + kCalibrationFileName),
      m_senderPath(m_dataDir + kSenderFileName),
      m_op(op),
      m_clock(clock),
      m_eventSounds(sounds),
      m_conditions(m_dataDir, op),
      m_trace(clock) {
    // The folder must exist before the log, or a first start leaves no log at all.
    MakeDirectoryTree(m_dataDir);
    // A second start must not wipe the running program's log: it appends to it instead.
    m_lockResult = m_instanceLock.Acquire(m_dataDir);
    bool truncate = m_lockResult != InstanceLockResult::AlreadyRunning;
    ProcessLineLog().Start(MakeLogFilePath(m_dataDir), m_clock, truncate);
    LogPrint(0, "CKLV570 Start ...");
}

CKLV570App::~CKLV570App() {
    // The transport thread may still log while the program winds down; the clock may not.
    ProcessLineLog().ReleaseClock(m_clock);
}

bool CKLV570App::CheckSingleInstance() {
    switch (m_lockResult) {
        case InstanceLockResult::Acquired:
            return true;
        case InstanceLockResult::AlreadyRunning:
            m_op.ShowMessage(kMsgAlreadyRunning, MsgIcon::Stop, MsgButtons::Ok);
            return false;
        case InstanceLockResult::Failed:
            break;
    }
    m_op.ShowMessage(kMsgCannotCreateMutex, MsgIcon::Stop, MsgButtons::Ok);
    return false;
}

void CKLV570App::SetUpPaths() {
    m_helpPath = HelpFilePath(ExecutableDirectory());
    LogPrint(2, "Help pdf file=%s\n", m_helpPath.c_str());
    // Failures here surface later, when the files are made.
    MakeDirectoryTree(m_dataDir);
    MakeDirectory(m_graphicsDir);
    m_profile.SetPath(m_dataDir + kSettingsFileName);
    if (::chdir(m_dataDir.c_str()) != 0)
        LogPrint(1, "chdir %s failed", m_dataDir.c_str());
    LogPrint(2, "INI file: %s\n", m_profile.Path().c_str());
}

void CKLV570App::LoadSounds() {
    m_eventSounds.SetTable(LoadSoundTable(m_profile, m_graphicsDir));
}

void CKLV570App::ReadSettings() {
    m_systemFlags = static_cast<std::uint32_t>(ReadSetting(m_profile, ini::kSystemFlags));
    m_printerName = ReadSetting(m_profile, ini::kPrinterName);
    m_measDataPrint = ReadSetting(m_profile, ini::kMeasDataPrint);
    m_pagePrinterFont = PrinterFont{ini::kPagePrinterFontSize, DefaultLogFont()};
    ParseFontRecord(m_profile.GetProfileString(ini::kPagePrinter, ini::kPrinterFontKey, ""),
                    {ini::kPagePrinterFontMin, ini::kPagePrinterFontMax}, m_pagePrinterFont);
    m_linePrinterFont = PrinterFont{ini::kLinePrinterFontSize, DefaultLogFont()};
    ParseFontRecord(m_profile.GetProfileString(ini::kLinePrinter, ini::kPrinterFontKey, ""),
                    {ini::kLinePrinterFontMin, ini::kLinePrinterFontMax}, m_linePrinterFont);
}

void CKLV570App::SetRollPaperPrinterFlag(bool rollPaper) {
    m_systemFlags = rollPaper ? (m_systemFlags | kFlagRollPaperPrinter)
                              : (m_systemFlags & ~kFlagRollPaperPrinter);
}

bool CKLV570App::WriteSettings() {
    ProfileBatch batch(m_profile);
    WriteSetting(m_profile, ini::kSystemFlags, static_cast<int>(m_systemFlags));
    WriteSetting(m_profile, ini::kPrinterName, m_printerName);
    WriteSetting(m_profile, ini::kMeasDataPrint, m_measDataPrint);
    m_profile.WriteProfileString(ini::kPagePrinter, ini::kPrinterFontKey,
                                 FormatFontRecord(m_pagePrinterFont));
    m_profile.WriteProfileString(ini::kLinePrinter, ini::kPrinterFontKey,
                                 FormatFontRecord(m_linePrinterFont));
    if (batch.Commit())
        return true;
    LogPrint(1, "Settings not written: %s", m_profile.Path().c_str());
    return false;
}

bool CKLV570App::InitInstance(const std::vector<std::string>& args) {
    if (!CheckSingleInstance())
        return false;
    if (m_hooks.checkRuntime) {
        std::string problem = m_hooks.checkRuntime();
        if (!problem.empty()) {
            m_op.ShowMessage(problem, MsgIcon::Stop, MsgButtons::Ok);
            return false;
        }
    }
    SetUpPaths();
    auto version = LoadVersionBlock();
    if (!version)
        return false;
    m_version = *version;
    // A new user hears the events, not seven identical beeps.
    if (InstallMissingSounds(m_graphicsDir) > 0)
        LogPrint(1, "Sound files not installed in %s", m_graphicsDir.c_str());
    LoadSounds();
    ReadSettings();

    CalibrationLoadResult cal = LoadCalibrationStore(m_calibrationPath, m_calibration, m_op);
    if (cal != CalibrationLoadResult::Loaded && cal != CalibrationLoadResult::Created)
        return false;

    if (LoadSenderBlock(m_senderPath, m_sender) == SenderLoadResult::Unreadable) {
        LogPrint(1, "Sender block not readable: %s", m_senderPath.c_str());
        m_op.ShowMessage(kMsgSenderUnreadable, MsgIcon::Exclamation, MsgButtons::Ok);
    } else {
        m_senderWritable = true;
    }
    m_senderAsLoaded = m_sender;

    if (m_hooks.createSharedResources && !m_hooks.createSharedResources())
        return false;

    if (!m_conditions.CreateConditionDirectories()) {
        m_op.ShowMessage(kMsgCannotMakeDirectory, MsgIcon::Stop, MsgButtons::Ok);
        return false;
    }
    m_conditions.Channels().Clear();
    m_conditions.ScanChannels();

    m_systemFlags = ApplyCommandLine(m_systemFlags, args);

    if (m_hooks.createPotentialBuffer && !m_hooks.createPotentialBuffer()) {
        m_op.ShowMessage(kMsgShortOfMemory, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    if (m_hooks.startDdeServer && !m_hooks.startDdeServer())
        return false;

    m_startupPending = false;
    if (m_hooks.runMainWindow)
        m_hooks.runMainWindow();
    return true;
}

int CKLV570App::ExitInstance() {
    if (!m_startupPending) {
        WriteSettings();
        if (m_hooks.stopDdeServer)
            m_hooks.stopDdeServer();
    }
    if (m_hooks.releaseResources)
        m_hooks.releaseResources();
    m_instanceLock.Release();
    if (m_senderWritable && std::memcmp(&m_sender, &m_senderAsLoaded, sizeof m_sender) != 0)
        WriteSenderBlock(m_senderPath, m_sender, m_op);
    // A refused or failed start must not look like success to the desktop or a script.
    return m_startupPending ? 1 : 0;
}

}  // namespace klv
