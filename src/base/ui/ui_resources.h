#pragma once

#include <QFont>

namespace klv {

// The dialog font: "Times New Roman", fixed pitch, as tall as the system's default font.
QFont DialogFont();
// The common row height: the height of "X" in the dialog font.
int CommonRowHeight();
// Dialog units across to pixels by the font's average character width (a quarter each).
int DialogUnitsToPixels(int units, const QFont& font);

}  // namespace klv
