#include <QApplication>
#include <QDBusConnection>
#include <QTimer>
#include <string>
#include <vector>

#include "app/data_directory.h"
#include "app/klv570_app.h"
#include "app/send_param_profile.h"
#include "app/ui/klv570_dlg.h"
#include "app/ui/qt_operator.h"
#include "app/ui/runtime_check.h"
#include "base/clock.h"
#include "base/ui/qt_sound_player.h"
#include "device/libusb/libusb_platform.h"
#include "device/ui/qt_device_seams.h"
#include "device/ui/usb_msg_box_dialog.h"
#include "output/cups/cups_printer_queue.h"
#include "output/ui/dbus_pub_sub_server.h"
#include "output/ui/qt_serial_line.h"
#include "records/database_url.h"
#include "records/engines/open_results_database.h"
#include "records/record_builder.h"

// The one composition root: every seam of the program is made here and handed in.
int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    // The main window decides when the program ends, after its close question.
    QApplication::setQuitOnLastWindowClosed(true);
    std::vector<std::string> args(argv + 1, argv + argc);

    klv::QtOperator op;
    klv::SystemClock clock;
    klv::CQtSoundPlayer sounds;
    klv::CKLV570App app(klv::DataDirectoryFromEnvironment(), op, clock, sounds);
    klv::CCupsPrinterQueue printerQueue;
    app.SetPrinterQueue(&printerQueue);
    app.Hooks().checkRuntime = [] { return klv::CheckQtRuntime(); };
    app.Hooks().createPotentialBuffer = [&app] { return app.Trace().ReserveBuffer(); };
    klv::CQtSerialLine serial;
    klv::CDBusPubSubServer bus(QDBusConnection::sessionBus());
    klv::CDdeServer dde(bus, op);
    klv::CProfileSendParamStore sendParams(app.Profile());
    klv::CResultTransmission transmission(sendParams, serial, dde, op, clock);
    app.SetTransmission(&transmission);
    // Without the service the program still measures; the operator has been told why.
    app.Hooks().startDdeServer = [&] {
        dde.StartDdeServer();
        return true;
    };
    app.Hooks().stopDdeServer = [&] { dde.StopDdeServer(); };
    app.Hooks().runMainWindow = [&] {
        // The results database, read from the settings start-up has loaded.
        const std::string url = app.Profile().GetProfileString(klv::kResultsDatabaseSection,
                                                               klv::kResultsDatabaseUrlKey, "");
        klv::OpenedResultsDatabase results = klv::OpenResultsDatabase(url, app.DataDirectory());
        std::string idProblem;
        const klv::TesterIdentity tester{klv::LoadOrCreateTesterId(app.DataDirectory(), idProblem),
                                         klv::HostName()};
        klv::CResultsRecorder recorder(app.DataDirectory(), std::move(results.db),
                                       results.problem.empty() ? idProblem : results.problem,
                                       tester);
        recorder.now = [&clock] { return klv::FormatIsoDateTime(clock.Now()); };
        recorder.Start(true);
        app.Recording().SetRecorder(&recorder);
        klv::LibUsbPlatform usb(app.Profile());
        klv::QtUiPump pump;
        klv::QtUsbMsgBoxView usbBox(sounds);
        klv::QtBusyScopeHost busy;
        klv::CKLV570Dlg window(app, {usb, pump, usbBox, busy});
        usbBox.SetParent(&window);
        busy.SetMainWindow(&window);
        op.SetParent(&window);
        window.ShowAsStored();
        QTimer::singleShot(0, &window, &klv::CKLV570Dlg::StartDevice);
        QApplication::exec();
        app.Recording().SetRecorder(nullptr);
        op.SetParent(nullptr);
    };
    app.InitInstance(args);
    return app.ExitInstance();
}
