#pragma once

#include "device/device_seams.h"

namespace klv {

// The one active busy state of the UI thread; only the outermost scope reaches the ui.
struct BusyState {
    BusyUi* ui = nullptr;
    int depth = 0;
};

class CBusyScope {
public:
    explicit CBusyScope(BusyState& state) : m_state(state) {
        if (m_state.depth++ == 0 && m_state.ui) m_state.ui->EnterBusy();
    }
    ~CBusyScope() {
        if (--m_state.depth == 0 && m_state.ui) m_state.ui->LeaveBusy();
    }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;

private:
    BusyState& m_state;
};

}  // namespace klv
