#pragma once

#include <QColor>
#include <QPointer>
#include <functional>

#include "measure/ui/potential_result_window.h"

class QWidget;

namespace klv {

class CKLV570App;
class ProfileFile;
class ReportPrinter;

// The colour dialog with the 16 custom colours the settings file keeps; true on OK.
bool ChooseColorWithCustom(QWidget* owner, QColor& color, ProfileFile& ini);

// The graph's seams and stored view settings of the program.
PotentialGraphSeams MakeGraphSeams(CKLV570App& app, ReportPrinter* printer);
PotentialGraphSettings LoadGraphSettings(const ProfileFile& ini);

// The main window's "Potential graph" button: opens the graph window, or closes it.
class CPotentialGraphLink {
public:
    // `closed` runs when the window goes, so the button shows it.
    CPotentialGraphLink(CKLV570App& app, ReportPrinter* printer, QWidget& window,
                        std::function<void()> closed);
    ~CPotentialGraphLink();
    CPotentialGraphLink(const CPotentialGraphLink&) = delete;
    CPotentialGraphLink& operator=(const CPotentialGraphLink&) = delete;

    void Toggle();
    bool IsOpen() const { return !m_window.isNull(); }
    CPotentialResult* Window() const { return m_window; }
    void Close();

private:
    CKLV570App& m_app;
    ReportPrinter* m_printer;
    QWidget& m_parent;
    std::function<void()> m_closed;
    QPointer<CPotentialResult> m_window;
};

}  // namespace klv
