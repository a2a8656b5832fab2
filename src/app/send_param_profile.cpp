#include "app/send_param_profile.h"

#include "app/settings_access.h"

namespace klv {

MeasDataSendParam LoadMeasDataSendParam(const ProfileFile& ini) {
    MeasDataSendParam p;
    p.portNbr = ReadSetting(ini, ini::kPortNbr);
    p.portName = ReadSetting(ini, ini::kPortName);
    p.speed = ReadSetting(ini, ini::kSpeed);
    p.parity = ReadSetting(ini, ini::kParity);
    p.dataBit = ReadSetting(ini, ini::kDataBit);
    p.stopBit = ReadSetting(ini, ini::kStopBit);
    p.delimitor = ReadSetting(ini, ini::kDelimitor);
    p.rs232c = ParseOutputRecord(ReadSetting(ini, ini::kToRS232C), p.rs232c);
    p.dde = ParseOutputRecord(ReadSetting(ini, ini::kToDDE), p.dde);
    return p;
}

void SaveMeasDataSendParam(ProfileFile& ini, const MeasDataSendParam& p) {
    WriteSetting(ini, ini::kPortNbr, p.portNbr);
    WriteSetting(ini, ini::kPortName, p.portName);
    WriteSetting(ini, ini::kSpeed, p.speed);
    WriteSetting(ini, ini::kParity, p.parity);
    WriteSetting(ini, ini::kDataBit, p.dataBit);
    WriteSetting(ini, ini::kStopBit, p.stopBit);
    WriteSetting(ini, ini::kDelimitor, p.delimitor);
    WriteSetting(ini, ini::kToRS232C, FormatOutputRecord(p.rs232c));
    WriteSetting(ini, ini::kToDDE, FormatOutputRecord(p.dde));
}

}  // namespace klv
