#pragma once

#include <optional>

#include "base/profile.h"
#include "reference/condition_store.h"

namespace klv {

// The channel open at the last exit ("1,<index>" under Measurement/MeasFileNbr), when it
// still exists; nothing when the program must ask.
std::optional<int> ReadAutomaticChannel(const ProfileFile& ini, const ChannelTable& channels);

bool WriteOpenChannel(ProfileFile& ini, int index);

// After "Measurement end" the next start asks for a channel.
bool ForgetOpenChannel(ProfileFile& ini);

}  // namespace klv
