#pragma once

#include <QColor>
#include <QFont>
#include <QTimer>
#include <QTreeWidget>
#include <vector>

#include "app/result_rows.h"
#include "base/profile.h"

namespace klv {

// The texts of one result row: name, value, weight and adhesion amount.
struct ResultRowTexts {
    QString columns[4];
    bool redName = false;
};

// The main window's list of the shown measurement: owner-drawn rows of one and a half lines
// of the result font, two columns, or four with the dissolved weight and adhesion amount.
// While a result is fresh the rows lie on the window colour, else on the button face. A row
// is never selected.
class CMeasResultList : public QTreeWidget {
    Q_OBJECT
public:
    explicit CMeasResultList(QWidget* parent = nullptr);

    void SetResultFont(const QFont& font, const QColor& color);
    QFont ResultFont() const { return m_font; }
    QColor FontColor() const { return m_color; }
    int RowHeight() const;

    // Rebuilds the columns; the rows stay.
    void SetFourColumns(bool four);

    void ClearRows();
    // The rows of a measurement in place of the shown ones.
    void SetResultRows(const std::vector<ResultRow>& rows);
    // Adds empty rows up to `row` when it does not exist yet.
    void SetRow(int row, const ResultRowTexts& texts);
    int RowCount() const { return topLevelItemCount(); }
    QString RowText(int row, int column) const;
    bool IsRedName(int row) const;

    void SetFresh(bool fresh);
    bool IsFresh() const { return m_fresh; }
    QColor RowBackground() const;

    // Blinks the value of one row every 500 ms until stopped.
    void SetBlinkRow(int row);
    void StopBlink();
    bool IsBlinking() const { return m_blink.isActive(); }
    int BlinkRow() const { return m_blinkRow; }
    // The blinking value is drawn on even ticks only.
    bool IsBlinkTextShown() const { return m_ticks % 2 == 0; }
    // One blink step; the timer calls it.
    void BlinkTick();

    // Widths from "MeasResultCol0" to "MeasResultCol3" when all four are stored, else the
    // defaults.
    void RestoreColumnWidths(const ProfileFile& ini);
    bool SaveColumnWidths(ProfileFile& ini) const;
    int ColumnWidth(int column) const;

private:
    void KeepShownWidths();
    void ApplyWidths();
    void RepaintRow(int row);

    QFont m_font;
    QColor m_color = Qt::black;
    QColor m_windowColor;
    QColor m_buttonFace;
    bool m_fresh = false;
    int m_widths[4];
    bool m_columnsBuilt = false;
    QTimer m_blink;
    int m_blinkRow = -1;
    int m_ticks = 0;
};

}  // namespace klv
