#pragma once

namespace klv::cmd {

// Commands of the menu bar and the tool buttons.
inline constexpr int kDeleteCondition = 32800;
inline constexpr int kDeleteAll = 32801;
inline constexpr int kSelectCondition = 32802;
inline constexpr int kDisplayCondition = 32803;
inline constexpr int kSetCondition = 32804;
inline constexpr int kReverseCurrent = 32805;
inline constexpr int kAdditionalElectrolysis = 32806;
inline constexpr int kEditAdditionalElectrolysis = 32807;
inline constexpr int kStartMeasurement = 32810;
inline constexpr int kStopMeasurement = 32811;
inline constexpr int kEndMeasurement = 32812;
inline constexpr int kCancelLastData = 32814;
inline constexpr int kDeleteData = 32815;
inline constexpr int kObservationMeasurement = 32816;
inline constexpr int kSurfaceTreatment = 32820;
inline constexpr int kPotentialGraph = 32821;
inline constexpr int kTransmissionMethod = 32822;
inline constexpr int kStandardCalibration = 32830;
inline constexpr int kGuessCalibration = 32831;
inline constexpr int kCalibrationInterval = 32832;
inline constexpr int kStatisticsItemSet = 32840;
inline constexpr int kTemporaryStatistics = 32841;
inline constexpr int kResultFont = 32850;
inline constexpr int kEnvironmentSet = 32851;
inline constexpr int kPrinterSet = 32852;
inline constexpr int kPumpCheck = 32860;
inline constexpr int kConstantCurrentCheck = 32861;
inline constexpr int kSensitivityTest = 32862;
inline constexpr int kDeviceCheck = 32863;
inline constexpr int kConstantCurrentCalibration = 32864;
inline constexpr int kDeviceCondition = 32870;
inline constexpr int kUsbStatus = 32871;
inline constexpr int kEditSensitivity = 32880;
inline constexpr int kEditTestSolution = 32881;
inline constexpr int kEditCurrentRange = 32882;
inline constexpr int kEditPumpSpeed = 32883;
inline constexpr int kEditAutoStop = 32884;
inline constexpr int kEditBlankingTime = 32885;
inline constexpr int kEditUnit = 32886;
inline constexpr int kEditAlloyFactor = 32887;
inline constexpr int kHelp = 32770;
inline constexpr int kVersion = 57664;
inline constexpr int kExit = 57665;

// Other controls of the main window.
inline constexpr int kChannelLine = 1100;
inline constexpr int kConditionTable = 1101;
inline constexpr int kDataNumber = 1102;
inline constexpr int kResultListPlaceholder = 1103;
inline constexpr int kResultList = 1104;
inline constexpr int kLevelMeterFrame = 1105;
inline constexpr int kSimpleStatFrame = 1106;
inline constexpr int kStatusLine = 1107;
inline constexpr int kSplitter = 1108;
inline constexpr int kLotLine = 1109;
inline constexpr int kOutboxLine = 1110;

}  // namespace klv::cmd
