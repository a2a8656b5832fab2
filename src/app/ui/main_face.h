#pragma once

#include <QHash>
#include <QWidget>

#include "app/ui/result_font.h"
#include "base/profile.h"

class QLabel;

namespace klv {

class CConditionTable;
class CMeasResultList;
class CSplitPane;
class CStatusLine;
class CSimpleStat;
class CLevelMeter;
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
    // The open channel's lot number and customer.
    QLabel* LotLine() const { return m_lotLine; }
    // How many results wait for the results database, and why.
    QLabel* OutboxLine() const { return m_outboxLine; }
    CConditionTable* ConditionTable() const { return m_conditionTable; }
    CMeasResultList* ResultList() const { return m_resultList; }
    CSimpleStat* SimpleStat() const { return m_simpleStat; }
    CLevelMeter* LevelMeter() const { return m_levelMeter; }

    // The splitter's x in the client area, kept 150 pixels from either edge.
    void SetSplitPosition(int x);
    int SplitPosition() const;
    // The width that shows the condition table whole beside the right panel's default width.
    int WidthShowingConditionTable() const;

    const ResultFont& GetResultFont() const { return m_resultFont; }
    // Draws the result list with the font; its rows stay.
    void SetResultFont(const ResultFont& font);

    // The result font, the result list's and the condition table's columns and the split
    // position of section "Measurement"; the temporary statistics panel's "SimpleStat".
    void RestoreSettings(const ProfileFile& ini);
    bool SaveSettings(ProfileFile& ini) const;

signals:
    void commandTriggered(int id);

private:
    QWidget* ButtonRows(std::initializer_list<int> ids);

    QHash<int, CToolButton*> m_buttons;
    QLabel* m_channelLine = nullptr;
    QLabel* m_dataNumber = nullptr;
    CStatusLine* m_statusLine = nullptr;
    QLabel* m_lotLine = nullptr;
    QLabel* m_outboxLine = nullptr;
    CConditionTable* m_conditionTable = nullptr;
    CMeasResultList* m_resultList = nullptr;
    CSimpleStat* m_simpleStat = nullptr;
    CLevelMeter* m_levelMeter = nullptr;
    CSplitPane* m_pane = nullptr;
    ResultFont m_resultFont;
};

}  // namespace klv
