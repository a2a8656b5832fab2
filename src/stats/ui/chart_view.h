#pragma once

#include <QWidget>
#include <functional>
#include <optional>

class QPainter;

namespace klv {

// The chart area of a chart page: it draws the page's chart in device pixels, so lines and
// text stay crisp on a high-DPI screen.
class CChartView : public QWidget {
    Q_OBJECT
public:
    // Draws into the rectangle with the device's ratio to the screen.
    using Draw = std::function<void(QPainter& p, const QRect& area, int ratio)>;
    CChartView(Draw draw, QWidget* parent);

    // The chart at the view's size, as the clipboard takes it.
    QImage Render() const;
    // The font the chart is drawn in; the view's own font when none is set.
    void SetChartFont(const QFont& font) { m_font = font; }
    QFont ChartFont() const { return m_font.value_or(font()); }
    const std::optional<QFont>& CustomFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawScaled(QPainter& p, qreal ratio) const;
    Draw m_draw;
    std::optional<QFont> m_font;
};

}  // namespace klv
