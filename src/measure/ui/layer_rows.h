#pragma once

class QTreeWidget;

namespace klv {

struct MeasFileData;

// The layers of a condition, one row each with the condition table's texts; the layer
// `current` is highlighted.
void ShowLayerRows(QTreeWidget& list, const MeasFileData& d, int current);
void HighlightLayerRow(QTreeWidget& list, int current);

}  // namespace klv
