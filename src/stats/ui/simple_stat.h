#pragma once

#include <QWidget>
#include <functional>

#include "reference/meas_file_data.h"
#include "stats/simple_stat_data.h"
#include "stats/simple_stat_layout.h"

class QComboBox;
class QListWidget;
class QScrollBar;
class QToolButton;

namespace klv {

class ConditionStore;

// The temporary statistics panel: the latest stored data of the selected channel with the
// per-layer average and standard deviation below them, under a two-row header whose dividers
// the operator drags; one horizontal scroll bar moves header, rows and footer together.
class CSimpleStat : public QWidget {
    Q_OBJECT
public:
    // The "SimpleStat" settings.
    struct Settings {
        int dataCt = kSimpleStatDefaultDataCt;
        int col0 = kSimpleStatDefaultCol0;
        int col1 = kSimpleStatDefaultCol1;
    };
    // The selected channel; no condition while none is selected.
    struct Source {
        ConditionStore* store = nullptr;
        const MeasFileData* condition = nullptr;
        int index = -1;
    };

    explicit CSimpleStat(QWidget* parent = nullptr);

    void ApplySettings(const Settings& s);
    Settings CurrentSettings() const;
    // Asked at every rebuild, so the panel never keeps a channel that has gone.
    void SetSource(std::function<Source()> source);

    // Rebuilds the panel from the data log of the selected channel.
    void Display();
    // With the flag every stored data comes back into view; then the panel is rebuilt.
    void Reset(bool clearHide);

    const CSimpleStatData& Data() const { return m_data; }
    const SimpleStatColumns& Columns() const { return m_columns; }
    int ScrollX() const { return m_scrollX; }
    int CharWidth() const;
    // Header texts of layer k: the coating name and "[unit]"; "" beyond the layers.
    QString CoatTitle(int k) const;
    QString UnitTitle(int k) const;

    // The painting of one row: the number column text and the value cells, placed by the
    // columns and moved by the scroll position.
    void PaintRow(QPainter& p, const QRect& row, const QString& label, bool labelLeft,
                  const std::array<QString, kMaxLayers>& cells) const;
    // A divider grab from the header.
    void SetColumns(const SimpleStatColumns& input);
    SimpleStatColumns Readable(SimpleStatColumns c) const;

    // Wide enough for the number column and every layer's values without scrolling.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void RefreshViews();
    void UpdateScrollRange();
    void OnScrollAction(int action);

    CSimpleStatData m_data{kSimpleStatDefaultDataCt};
    SimpleStatColumns m_columns;
    int m_scrollX = 0;
    int m_layers = 0;
    std::array<QString, kMaxLayers> m_coats;
    QString m_unit;
    std::function<Source()> m_source;

    QToolButton* m_deleteButton = nullptr;
    QComboBox* m_dataNumber = nullptr;
    QWidget* m_header = nullptr;
    QListWidget* m_list = nullptr;
    QWidget* m_footer = nullptr;
    QScrollBar* m_scroll = nullptr;
};

}  // namespace klv
