#pragma once

#include <QDBusConnection>

#include "app/send_param_profile.h"
#include "app/ui/main_window_harness.h"
#include "output/result_transmission.h"
#include "output/ui/dbus_pub_sub_server.h"
#include "output/ui/qt_serial_line.h"

namespace klv::test {

// The program's result outputs as main.cpp makes them, on the test's own bus and terminal.
struct Outputs {
    explicit Outputs(ProgramUnderTest& p, const QString& busAddress)
        : bus(QDBusConnection::connectToBus(busAddress, QStringLiteral("program"))),
          dde(bus, p.op),
          store(p.app.Profile()),
          transmission(store, serial, dde, p.op, p.clock) {
        p.app.SetTransmission(&transmission);
        p.app.Hooks().startDdeServer = [this] {
            dde.StartDdeServer();
            return true;
        };
        p.app.Hooks().stopDdeServer = [this] { dde.StopDdeServer(); };
    }
    CQtSerialLine serial;
    CDBusPubSubServer bus;
    CDdeServer dde;
    CProfileSendParamStore store;
    CResultTransmission transmission;
};

}  // namespace klv::test
