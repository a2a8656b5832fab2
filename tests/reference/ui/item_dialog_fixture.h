#pragma once

#include <QTest>

#include "channel_list_fixture.h"
#include "reference/coating_table.h"
#include "reference/ui/condition_edit_context.h"
#include "reference/unit_gasket_tables.h"
#include "support/recording_sound_player.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv::test {

// The channel list's store (channels 1 and 3) with the context the condition dialogs take.
struct ItemDialogFixture : ChannelListFixture {
    RecordingSoundPlayer player;
    ConditionEditContext ctx{store, cal, ini, op, player, false, {}, nullptr};

    MeasFileData Channel(int index) {
        MeasFileData d{};
        [&] { QVERIFY(store.ReadConditionFile(index, d, false)); }();
        return d;
    }
};

}  // namespace klv::test
