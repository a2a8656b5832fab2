#pragma once

#include <QWidget>

namespace klv {

// A read-only text whose glyph escapes ("mm%0") are drawn as pictures; one line per "\n".
class CGlyphLabel : public QWidget {
    Q_OBJECT
public:
    explicit CGlyphLabel(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return m_text; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

}  // namespace klv
