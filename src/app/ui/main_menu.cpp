#include "app/ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/command_ids.h"

namespace klv {

namespace {

using namespace cmd;

constexpr MenuEntry kFile[] = {
    {kDeleteCondition, "Delete measurement condition data(&D)..."},
    {0, nullptr},
    {kDeleteAll, "Delete all data(&A)..."},
    {0, nullptr},
    {kExit, "End KLV-570(&X)"},
};

constexpr MenuEntry kMeasurement[] = {
    {kSelectCondition, "Select a measurement condition(&S)..."},
    {0, nullptr},
    {kDisplayCondition, "Display measurement condition(&D)..."},
    {kSetCondition, "Set a measurement condition(&I)..."},
    {0, nullptr},
    {kStartMeasurement, "Start measurement\tF2"},
    {kStopMeasurement, "Stop measurement\tF3"},
    {kCancelLastData, "Cancel the just before data(&C)"},
    {kDeleteData, "Delete measurement data(&E)"},
    {0, nullptr},
    {kEndMeasurement, "End the measurement(&X)..."},
    {0, nullptr},
    {kSurfaceTreatment, "Surface treatment(&H)..."},
    {kPotentialGraph, "Potential graph(&G)"},
    {0, nullptr},
    {kObservationMeasurement, "Measurement by observing potential graph(&P)..."},
    {kReverseCurrent, "Reverse current(&R)..."},
    {kAdditionalElectrolysis, "Additional electrolyze(&A)..."},
    {0, nullptr},
    {kTransmissionMethod, "Measurement data transmission method(&O)..."},
};

constexpr MenuEntry kEditing[] = {
    {kEditSensitivity, "Sensitivity(&S)..."},
    {kEditTestSolution, "Test solution(&E)..."},
    {kEditCurrentRange, "Current range(&R)..."},
    {kEditPumpSpeed, "Pump speed(&P)..."},
    {kEditAutoStop, "Automatic stop(&A)..."},
    {kEditBlankingTime, "Blanking time(&B)..."},
    {kEditUnit, "Unit(&U)..."},
    {kEditAlloyFactor, "Alloy factor(&G)..."},
    {kEditAdditionalElectrolysis, "Additional electrolyze(&C)..."},
};

constexpr MenuEntry kCalibration[] = {
    {kStandardCalibration, "Standard calibration(&C)..."},
    {kGuessCalibration, "Guess calibration(&G)..."},
    {kCalibrationInterval, "Calibration interval(&I)..."},
};

constexpr MenuEntry kStatistics[] = {
    {kStatisticsItemSet, "Statistics item set(&I)..."},
    {0, nullptr},
    {kTemporaryStatistics, "Temporary statistics(&S)..."},
};

constexpr MenuEntry kOption[] = {
    {kResultFont, "Font of measurement result(&F)..."},
    {0, nullptr},
    {kPrinterSet, "Printer set(&O)..."},
    {kEnvironmentSet, "Environment set(&E)..."},
};

constexpr MenuEntry kMaintenance[] = {
    {kPumpCheck, "Check the stirring pump (&P)..."},
    {kSensitivityTest, "Sensitivity test(&S)..."},
    {kConstantCurrentCheck, "Check the constant current(&C)..."},
    {0, nullptr},
    {kDeviceCheck, "Device (system) check(&M)..."},
    {0, nullptr},
    {kConstantCurrentCalibration, "Calibration of constant current(&A)..."},
};

constexpr MenuEntry kHelpEntries[] = {
    {kHelp, "Table of contents for Help(&H)"},
    {0, nullptr},
    {kVersion, "Version information(&A)..."},
};

constexpr MenuEntry kHidden[] = {
    {kDeviceCondition, "Display the device condition(&D)..."},
    {kUsbStatus, "USB communication status(&U)..."},
};

constexpr MenuPopup kPopups[] = {
    {"File(&F)", "fileMenu", kFile},
    {"Measurement(&M)", "measurementMenu", kMeasurement},
    {"Editing(&E)", "editingMenu", kEditing},
    {"Calibration(&C)", "calibrationMenu", kCalibration},
    {"Statistics(&S)", "statisticsMenu", kStatistics},
    {"Option(&O)", "optionMenu", kOption},
    {"Maintenance(&A)", "maintenanceMenu", kMaintenance},
    {"Help(&H)", "helpMenu", kHelpEntries},
};

const QString kHiddenObjectName = QStringLiteral("hiddenMenu");

// The resource texts mark mnemonics with "(&X)"; Qt reads the ampersand the same way.
QMenu* BuildPopup(QWidget* parent, const MenuPopup& popup, QHash<int, QAction*>& actions) {
    auto* menu = new QMenu(QString::fromLatin1(popup.title), parent);
    menu->setObjectName(QString::fromLatin1(popup.objectName));
    for (const MenuEntry& entry : popup.entries) {
        if (entry.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromLatin1(entry.text));
        action->setObjectName(QStringLiteral("cmd%1").arg(entry.id));
        action->setData(entry.id);
        actions.insert(entry.id, action);
    }
    return menu;
}

}  // namespace

std::span<const MenuPopup> MainMenuPopups() {
    return kPopups;
}

std::span<const MenuEntry> HiddenMenuEntries() {
    return kHidden;
}

QHash<int, QAction*> BuildMainMenu(QMenuBar& bar) {
    QHash<int, QAction*> actions;
    for (const MenuPopup& popup : kPopups)
        bar.addMenu(BuildPopup(&bar, popup, actions));
    return actions;
}

bool ToggleHiddenMenu(QMenuBar& bar, QHash<int, QAction*>& actions) {
    if (auto* shown = bar.findChild<QMenu*>(kHiddenObjectName, Qt::FindDirectChildrenOnly)) {
        for (const MenuEntry& entry : kHidden)
            actions.remove(entry.id);
        bar.removeAction(shown->menuAction());
        delete shown;
        return false;
    }
    const QList<QAction*> popups = bar.actions();
    QAction* before = popups.isEmpty() ? nullptr : popups.last();
    QMenu* hidden = BuildPopup(&bar, {"Hidden(&X)", "hiddenMenu", kHidden}, actions);
    bar.insertMenu(before, hidden);
    return true;
}

}  // namespace klv
