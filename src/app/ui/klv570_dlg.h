#pragma once

#include <QMainWindow>

namespace klv {

class CKLV570App;

// The main window. Closing asks "May the program be closed?"; on Yes the window settings are
// saved and the window goes.
class CKLV570Dlg : public QMainWindow {
    Q_OBJECT

public:
    explicit CKLV570Dlg(CKLV570App& app, QWidget* parent = nullptr);

    // The shutdown steps of the main window, once; later issues add theirs here.
    void Shutdown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CKLV570App& m_app;
    bool m_initialised = false;
    bool m_shutDown = false;
};

}  // namespace klv
