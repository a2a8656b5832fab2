#pragma once

#include <QColor>
#include <QDialog>
#include <cstdint>
#include <functional>

class QPushButton;

namespace klv {

inline constexpr int kIdPotentialColorDialog = 583;

// Colours as the settings file keeps them: 0x00BBGGRR.
inline QColor FromColorRef(std::uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
inline std::uint32_t ToColorRef(const QColor& c) {
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

// "Color of graph" (dialog 583): the colours of the curve and of the cursors.
class CPotentialColor final : public QDialog {
    Q_OBJECT
public:
    using ColorChooser = std::function<bool(QWidget* parent, QColor& color)>;
    CPotentialColor(QColor graph, QColor cursor, ColorChooser choose, QWidget* parent = nullptr);

    QColor GraphColor() const { return m_graph; }
    QColor CursorColor() const { return m_cursor; }

private:
    void Choose(QColor& color, QPushButton* swatch);

    QColor m_graph;
    QColor m_cursor;
    ColorChooser m_choose;
};

}  // namespace klv
