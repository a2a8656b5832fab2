#pragma once

// Every section, key and default of KLV570.ini, so that no caller spells one twice.

#include "base/window_keys.h"

namespace klv::ini {

struct IntKey {
    const char* section;
    const char* key;
    int def;
};

struct StringKey {
    const char* section;
    const char* key;
    const char* def;
};

// Sections
inline constexpr const char* kGeneral = "General";
inline constexpr const char* kSounds = "Sounds";
inline constexpr const char* kSilent = "Silent";
inline constexpr const char* kLinePrinter = "LinePrinter";
inline constexpr const char* kPagePrinter = "PagePrinter";
inline constexpr const char* kMeasDataSendParam = "MeasDataSendParam";
inline constexpr const char* kMeasureDataOut = "MeasureDataOut";
inline constexpr const char* kReverseCurrent = "ReverseCurrent";
inline constexpr const char* kPotentialGraph = "PotentialGraph";
inline constexpr const char* kSimpleStat = "SimpleStat";
inline constexpr const char* kStatistics = "Statistics";
inline constexpr const char* kMeasurement = "Measurement";
inline constexpr const char* kLinePrintSiml = "LinePrintSiml";
inline constexpr const char* kPagePrintSiml = "PagePrintSiml";
inline constexpr const char* kMeasureFileList = "MeasureFileList";
inline constexpr const char* kSolutionSelect = "SolutionSelect";
inline constexpr const char* kPotentialDlg = "PotentialDlg";
inline constexpr const char* kPotentialMeas = "PotentialMeas";
inline constexpr const char* kStdCalibrate = "StdCalibrate";
inline constexpr const char* kSimulationDlg = "SimulationDlg";

// General
inline constexpr IntKey kSystemFlags{kGeneral, "SystemFlags", 1281};
inline constexpr StringKey kCustomColors{kGeneral, "CustomColors", ""};

// Sounds and Silent: the key names and default files are in the sound table.

// LinePrinter and PagePrinter
inline constexpr IntKey kPrinterName{kLinePrinter, "PrinterName", 1};
inline constexpr IntKey kMeasDataPrint{kLinePrinter, "MeasDataPrint", 1};
inline constexpr const char* kPrinterFontKey = "PrinterFont";
inline constexpr int kLinePrinterFontSize = 140;  // tenths of a point
inline constexpr int kLinePrinterFontMin = 90;
inline constexpr int kLinePrinterFontMax = 200;
inline constexpr int kPagePrinterFontSize = 120;
inline constexpr int kPagePrinterFontMin = 40;
inline constexpr int kPagePrinterFontMax = 200;

// MeasDataSendParam
inline constexpr IntKey kPortNbr{kMeasDataSendParam, "PortNbr", 0};
// The device path of the port; "" opens /dev/ttyS<PortNbr>.
inline constexpr StringKey kPortName{kMeasDataSendParam, "PortName", ""};
inline constexpr IntKey kSpeed{kMeasDataSendParam, "Speed", 9600};
inline constexpr IntKey kParity{kMeasDataSendParam, "Parity", 0};
inline constexpr IntKey kDataBit{kMeasDataSendParam, "DataBit", 0};
inline constexpr IntKey kStopBit{kMeasDataSendParam, "StopBit", 0};
inline constexpr IntKey kDelimitor{kMeasDataSendParam, "Delimitor", 0};
// "%d,%d,%d,%d,%d": enabled, item bits, delimiter, date format, unit appended.
inline constexpr StringKey kToRS232C{kMeasDataSendParam, "ToRS232C", "0,64,1,0,0"};
inline constexpr StringKey kToDDE{kMeasDataSendParam, "ToDDE", "1,64,0,0,0"};

// MeasureDataOut
inline constexpr IntKey kOutputData{kMeasureDataOut, "OutputData", 64};
inline constexpr IntKey kOutDelimiter{kMeasureDataOut, "Delimiter", 0};
inline constexpr IntKey kOutDateFormat{kMeasureDataOut, "DateFormat", 0};
inline constexpr IntKey kToClipboard{kMeasureDataOut, "ToClipboard", 1};
inline constexpr StringKey kOutFileName{kMeasureDataOut, "FileName", "MeasData.txt"};

// ReverseCurrent
inline constexpr StringKey kReverseCurrentValue{kReverseCurrent, "Current", "0.1"};
inline constexpr IntKey kReverseOutputTime{kReverseCurrent, "OutputTime", 10};

// PotentialGraph
inline constexpr IntKey kFullScale{kPotentialGraph, "FullScale", 0};
inline constexpr IntKey kSamplingTime{kPotentialGraph, "SamplingTime", 200};
inline constexpr IntKey kGraphColor{kPotentialGraph, "crGraph", 32768};
inline constexpr IntKey kCursorColor{kPotentialGraph, "crCursor", 8388608};
inline constexpr StringKey kGraphFileName{kPotentialGraph, "FileName", "Potential.gra"};

// SimpleStat
inline constexpr IntKey kSimpleStatDataCt{kSimpleStat, "DataCt", 100};
inline constexpr IntKey kSimpleStatCol0Width{kSimpleStat, "Col0Width", 46};
inline constexpr IntKey kSimpleStatCol1Width{kSimpleStat, "Col1Width", 269};

// Statistics
inline constexpr IntKey kCorrectInterval{kStatistics, "CorrectInterval", 1};
inline constexpr IntKey kPartDataCt{kStatistics, "PartDataCt", 1};

// Measurement
inline constexpr StringKey kMeasFileNbr{kMeasurement, "MeasFileNbr", "0"};
inline constexpr const char* kSplitPositionKey = "SplitPosition";  // default by the main window
inline constexpr const char* kMeasResultColFormat = "MeasResultCol%d";
inline constexpr int kMeasResultColDefaults[4] = {200, 166, 166, 200};
inline constexpr IntKey kFontSize{kMeasurement, "FontSize", 20};  // points
inline constexpr const char* kFontItalicKey = "Italic";
inline constexpr const char* kFontWeightKey = "Weight";
inline constexpr const char* kFontUnderLineKey = "UnderLine";
inline constexpr const char* kFontStrikeOutKey = "StrikeOut";
inline constexpr const char* kFontCharSetKey = "CharSet";
inline constexpr const char* kFontFamilyKey = "Family";
inline constexpr const char* kFontFaceKey = "Face";
inline constexpr int kFontFaceMaxChars = 31;
inline constexpr IntKey kFontColor{kMeasurement, "FontColor", 0};

}  // namespace klv::ini
