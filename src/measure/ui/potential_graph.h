#pragma once

#include <QEvent>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "base/operator.h"
#include "base/ui/print_page_context.h"
#include "measure/potential_plot.h"
#include "measure/potential_trace.h"

class QComboBox;
class QLabel;
class QScrollBar;
class QToolButton;

namespace klv {

inline const QEvent::Type kNewSampleEvent = static_cast<QEvent::Type>(0x7640);
inline const QEvent::Type kLayerStartEvent = static_cast<QEvent::Type>(0x7641);
inline const QEvent::Type kMeasurementEndEvent = static_cast<QEvent::Type>(0x7642);
inline const QEvent::Type kSizeQueryEvent = static_cast<QEvent::Type>(0x7621);
inline const QEvent::Type kRenderRequestEvent = static_cast<QEvent::Type>(0x7622);

inline constexpr std::uint32_t kDefaultGraphColorRef = 32768;     // dark green
inline constexpr std::uint32_t kDefaultCursorColorRef = 8388608;  // dark blue

// The view settings the settings file keeps; colours as 0x00BBGGRR.
struct PotentialGraphSettings {
    std::int32_t fullScale = 0;
    std::int32_t timePerPixel = 200;
    std::uint32_t graphColor = kDefaultGraphColorRef;
    std::uint32_t cursorColor = kDefaultCursorColorRef;
};

// What the graph works with; all outlive it.
struct PotentialGraphSeams {
    CPotentialTrace& trace;
    Operator& op;
    ReportPrinter* printer;  // none: print stays disabled
    // The colour chooser with the custom colours; true on OK.
    std::function<bool(QWidget* parent, QColor& color)> chooseColor;
    // The remembered .gra file and where to remember a chosen one.
    std::function<std::string()> fileName;
    std::function<void(const std::string&)> setFileName;
    std::string fallbackDir;
};

class CPlotArea;

// The potential graph (582): tool bar, cursor readouts, the plot and its scroll bar.
class CPotentialGraph final : public QWidget, public PotentialGraphTarget {
    Q_OBJECT
public:
    CPotentialGraph(const PotentialGraphSeams& seams, const PotentialGraphSettings& settings,
                    QWidget* parent = nullptr);
    ~CPotentialGraph() override;

    PotentialGraphSettings Settings() const { return m_settings; }
    // The view keeps the newest data visible.
    void SetFollow(bool follow) { m_follow = follow; }

    // PotentialGraphTarget
    void PostNewSample() override;
    void SendLayerStart(bool fresh) override;
    void SendMeasurementEnd() override;

    // State, for the window and the tests.
    PlotLimits Limits() const { return m_limits; }
    bool HasManualLimits() const { return m_manual; }
    std::int32_t PixelCountNow() const { return m_pixelCount; }
    int ScrollPosition() const { return m_scroll; }
    bool Follows() const { return m_follow; }
    const std::array<int, kCursorCount>& Cursors() const { return m_cursors; }
    QString ReadoutLine(int index) const;  // 0-4 cursors, 5-14 differences
    QRect PlotRectangle() const;

    void SetFullScale(std::int32_t fullScale);
    void SetTimePerPixel(std::int32_t timePerPixel);
    void PlaceCursor(int k, int column);
    // A click in the plot with the held keys (digits 1-5, Up, Down).
    void ClickPlot(QPoint at);
    void ReleaseManualLimits();
    void ChooseColors();
    bool Save();
    bool Open();
    bool Print();
    bool Copy();
    // The copy's picture: title, readouts and plot.
    QSize RenderSize() const;
    void Render(QPainter& p);
    void PaintPlotArea(QPainter& p, const QRect& area) const;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void OnNewSample();
    void Rescale();
    void RecountPixels();
    void UpdateScrollBar();
    void ScrollToNewest();
    void RefreshReadouts();
    void EnableFileButtons(bool on);
    void MoveHeldCursors();
    bool PrintPage(PrintPageContext& pc);

    PotentialGraphSeams m_seams;
    // The graph that took the notices before this one, given them back when this one goes.
    PotentialGraphTarget* m_previousGraph = nullptr;
    PotentialGraphSettings m_settings;
    PlotLimits m_limits;
    bool m_manual = false;
    std::array<int, kCursorCount> m_cursors{-1, -1, -1, -1, -1};
    int m_scroll = 0;
    std::int32_t m_pixelCount = 0;
    bool m_follow = true;
    bool m_scrolling = false;
    bool m_samplePosted = false;
    QSet<int> m_heldKeys;
    QTimer m_keyTimer;

    QLabel* m_title = nullptr;
    QComboBox* m_fullScale = nullptr;
    QComboBox* m_timePerPixel = nullptr;
    QToolButton* m_colors = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_save = nullptr;
    QToolButton* m_open = nullptr;
    QToolButton* m_copy = nullptr;
    std::array<QLabel*, kCursorCount + kDifferenceCount> m_readouts{};
    CPlotArea* m_plot = nullptr;
    QScrollBar* m_scrollBar = nullptr;
};

}  // namespace klv
