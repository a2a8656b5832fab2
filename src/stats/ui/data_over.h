#pragma once

#include <QDialog>

#include "stats/gross_statistics.h"

class QButtonGroup;
class QPushButton;

namespace klv {

// "Data over": the channel holds its total number of statistics and the operator must choose
// what happens next. OK waits for a choice; neither the close box nor Escape dismisses it.
class CDataOver : public QDialog {
    Q_OBJECT
public:
    explicit CDataOver(QWidget* parent = nullptr);
    // The choice; a dialog closed without one keeps the data and leaves the channel.
    DataOverChoice Choice() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QButtonGroup* m_choices;
    QPushButton* m_ok;
};

}  // namespace klv
