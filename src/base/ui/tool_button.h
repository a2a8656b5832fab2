#pragma once

#include <QAbstractButton>
#include <QColor>

namespace klv {

inline constexpr int kToolButtonToggle = 1;

// The main window's flat buttons: drawn by themselves, out of the tab order, mouse only;
// the caption turns to the hover colour under the mouse. A toggle button flips when the
// left button is released inside it after being pressed inside it.
class CToolButton : public QAbstractButton {
    Q_OBJECT
public:
    CToolButton(const QString& caption, int flags, const QColor& hoverColor,
                QWidget* parent = nullptr);

    bool IsToggle() const { return m_toggle; }
    bool IsToggled() const { return m_toggled; }
    void SetToggled(bool on);
    bool IsHover() const { return m_hover; }
    bool IsPressed() const { return m_pressed; }

    QSize sizeHint() const override;

signals:
    void toggledChanged(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool m_toggle;
    bool m_toggled = false;
    bool m_hover = false;
    bool m_pressed = false;
    QColor m_hoverColor;
};

}  // namespace klv
