#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "output/mono_bitmap.h"
#include "output/roll_paper_output.h"

namespace klv {

// The roll-paper font: the face at a height of size × 4 ÷ 30 dots; the wide variant is as
// wide as it is high.
QFont MakeRollPaperFont(const QString& face, int sizeTenths, bool wide);

// A white-on-black drawing turned into the roll-paper bitmap: dark pixels print.
MonoBitmap ToMonoBitmap(const QImage& image);
QImage ToImage(const MonoBitmap& bitmap, int rows);

// Draws roll-paper lines in the roll-paper font, glyph escapes as pictures.
class CQtRollPaperDrawer final : public RollPaperTextDrawer {
public:
    void SetFont(const QString& face, int sizeTenths) {
        m_font = MakeRollPaperFont(face, sizeTenths, false);
    }
    const QFont& Font() const { return m_font; }

    Cell CharacterCell() override;
    MonoBitmap DrawLine(const std::string& text, int width, int height) override;

private:
    QFont m_font = MakeRollPaperFont(QString(), 140, false);
};

}  // namespace klv
