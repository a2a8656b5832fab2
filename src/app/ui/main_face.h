#pragma once

#include <QHash>
#include <QWidget>

class QLabel;
class QTreeWidget;

namespace klv {

class CStatusLine;
class CToolButton;

// The controls of the main window's client area, each named "ctl<id>" and laid out by layout
// managers: seven tool buttons on top, the channel line, the condition table, the result list
// and level meter left of the splitter, the temporary statistics frame right of it, the status
// line and seven tool buttons at the bottom.
class CMainFace : public QWidget {
    Q_OBJECT
public:
    explicit CMainFace(QWidget* parent = nullptr);

    const QHash<int, CToolButton*>& Buttons() const { return m_buttons; }
    QLabel* ChannelLine() const { return m_channelLine; }
    QLabel* DataNumber() const { return m_dataNumber; }
    CStatusLine* StatusLine() const { return m_statusLine; }
    QTreeWidget* ConditionTable() const { return m_conditionTable; }

signals:
    void commandTriggered(int id);

private:
    QWidget* ButtonRows(std::initializer_list<int> ids);

    QHash<int, CToolButton*> m_buttons;
    QLabel* m_channelLine = nullptr;
    QLabel* m_dataNumber = nullptr;
    CStatusLine* m_statusLine = nullptr;
    QTreeWidget* m_conditionTable = nullptr;
};

}  // namespace klv
