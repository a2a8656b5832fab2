#pragma once

#include <QStringList>

class QWidget;

namespace klv::test {

// Every text in `window` the operator cannot read whole: a label, button, check box, radio
// button, group box title, tab, header section or shown cell that is cut ("...") or wider than
// the room it is drawn in, each as "window > widget: text (needs N, has M)". Paints the window
// once, so texts the program fits itself are caught as they are drawn.
QStringList ClippedTexts(QWidget& window);

}  // namespace klv::test
