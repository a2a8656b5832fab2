#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/app_hooks.h"
#include "app/font_record.h"
#include "app/instance_lock.h"
#include "app/results_recording.h"
#include "app/sound_table.h"
#include "app/system_flags.h"
#include "app/version_block.h"
#include "base/clock.h"
#include "base/event_sounds.h"
#include "base/operator.h"
#include "base/profile.h"
#include "measure/potential_trace.h"
#include "output/raw_printer_queue.h"
#include "reference/calibration_store.h"
#include "reference/condition_store.h"
#include "stats/sender_block.h"

namespace klv {

// The application object: the data directory, the settings, the start-up and the exit.
class CResultTransmission;

class CKLV570App {
public:
    // `dataDir` ends with "/". Creates it and starts the line log.
    CKLV570App(std::string dataDir, Operator& op, Clock& clock, SoundPlayer& sounds);
    ~CKLV570App();
    CKLV570App(const CKLV570App&) = delete;
    CKLV570App& operator=(const CKLV570App&) = delete;

    AppHooks& Hooks() { return m_hooks; }

    // Runs start-up and then the main window. False when start-up ended early; the message
    // has been shown then.
    bool InitInstance(const std::vector<std::string>& args);
    // Writes the settings (only after a complete start-up), releases the instance lock and
    // writes a changed sender block; the process's exit status, 1 when start-up never ended.
    int ExitInstance();

    bool StartupPending() const { return m_startupPending; }
    const std::string& DataDirectory() const { return m_dataDir; }
    const std::string& GraphicsDirectory() const { return m_graphicsDir; }
    const std::string& HelpPath() const { return m_helpPath; }
    ProfileFile& Profile() { return m_profile; }
    Operator& Op() { return m_op; }
    Clock& Time() { return m_clock; }

    std::uint32_t SystemFlags() const { return m_systemFlags; }
    ListViewStyle ListStyle() const { return ListViewStyleFor(m_systemFlags); }
    int PrinterName() const { return m_printerName; }
    int MeasDataPrint() const { return m_measDataPrint; }
    void SetSystemFlags(std::uint32_t flags) { m_systemFlags = flags; }
    // "Printer set": the printer kind bit, the roll-paper model and print mode.
    void SetRollPaperPrinterFlag(bool rollPaper);
    void SetPrinterName(int id) { m_printerName = id; }
    void SetMeasDataPrint(int bits) { m_measDataPrint = bits; }
    // Writes the flags, printer keys and printer fonts to the settings file.
    bool WritePrintSettings() { return WriteSettings(); }
    PrinterFont& PagePrinterFont() { return m_pagePrinterFont; }
    PrinterFont& LinePrinterFont() { return m_linePrinterFont; }
    // The platform's raw printer queues; none until the composition root gives them.
    void SetPrinterQueue(RawPrinterQueue* queue) { m_printerQueue = queue; }
    RawPrinterQueue& PrinterQueue() { return m_printerQueue ? *m_printerQueue : m_noPrinterQueue; }

    SoundTable& Sounds() { return m_eventSounds.Table(); }
    // Plays the table that start-up and the settings dialog load.
    CEventSounds& EventSounds() { return m_eventSounds; }
    void PlayEventSound(int id) { m_eventSounds.PlayEventSound(id); }
    void StopEventSound() { m_eventSounds.StopEventSound(); }
    // Reads the sound table from the settings again.
    void LoadSounds();
    CalibrationStore& Calibration() { return m_calibration; }
    const std::string& CalibrationPath() const { return m_calibrationPath; }
    // The one potential trace of the run.
    CPotentialTrace& Trace() { return m_trace; }
    SenderBlock& Sender() { return m_sender; }
    ConditionStore& Conditions() { return m_conditions; }
    const VersionBlock& Version() const { return m_version; }
    // The serial line and the result service of finished measurements; none where main.cpp
    // made none (tests of other parts).
    CResultTransmission* Transmission() { return m_transmission; }
    void SetTransmission(CResultTransmission* transmission) { m_transmission = transmission; }
    // What goes to the lab's results database; records nothing until main.cpp sets a recorder.
    CResultsRecording& Recording() { return m_recording; }

private:
    bool CheckSingleInstance();
    void SetUpPaths();
    void ReadSettings();
    bool WriteSettings();

    std::string m_dataDir;
    std::string m_graphicsDir;
    std::string m_helpPath;
    std::string m_calibrationPath;
    std::string m_senderPath;
    Operator& m_op;
    Clock& m_clock;
    AppHooks m_hooks;
    CInstanceLock m_instanceLock;
    InstanceLockResult m_lockResult = InstanceLockResult::Failed;
    ProfileFile m_profile;
    bool m_startupPending = true;
    // tester.dat is written at exit only where it was read or missing, and only when changed.
    bool m_senderWritable = false;
    SenderBlock m_senderAsLoaded{};

    std::uint32_t m_systemFlags = 0;
    int m_printerName = 0;
    int m_measDataPrint = 0;
    PrinterFont m_pagePrinterFont;
    PrinterFont m_linePrinterFont;
    RawPrinterQueue* m_printerQueue = nullptr;
    CNoPrinterQueue m_noPrinterQueue;
    CEventSounds m_eventSounds;
    VersionBlock m_version;
    CalibrationStore m_calibration{};
    SenderBlock m_sender{};
    ConditionStore m_conditions;
    CPotentialTrace m_trace;
    CResultTransmission* m_transmission = nullptr;
    CResultsRecording m_recording{m_calibration, m_clock};
};

}  // namespace klv
