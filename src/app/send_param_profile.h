#pragma once

#include "base/profile.h"
#include "output/result_transmission.h"

namespace klv {

MeasDataSendParam LoadMeasDataSendParam(const ProfileFile& ini);
// Writes every key of the section.
void SaveMeasDataSendParam(ProfileFile& ini, const MeasDataSendParam& p);

// The transmission settings in the settings file.
class CProfileSendParamStore final : public SendParamStore {
public:
    explicit CProfileSendParamStore(ProfileFile& ini) : m_ini(ini) {}
    MeasDataSendParam Load() override { return LoadMeasDataSendParam(m_ini); }
    void Save(const MeasDataSendParam& p) override { SaveMeasDataSendParam(m_ini, p); }

private:
    ProfileFile& m_ini;
};

}  // namespace klv
