#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace klv::test {

// Every text in `window` the operator cannot read whole: a label, button, check box, radio
// button, group box title, tab, header section or shown cell that is cut ("...") or wider than
// the room it is drawn in, each as "window > widget: text (needs N, has M)". Paints the window
// once, so texts the program fits itself are caught as they are drawn.
QStringList ClippedTexts(QWidget& window);

// ClippedTexts of every page of `window`, named "what": each tab is clicked as the operator
// clicks it (some windows make a page on its first click), and a tab that does not open is
// reported too. With KLV_SHOT_DIR set, each page is also saved there as a picture for a person
// to look at (scripts/screenshots).
QStringList ClippedTextsOfEveryPage(QWidget& window, const QString& what);

}  // namespace klv::test
