#include "measure/ui/layer_rows.h"

#include <QTreeWidget>

#include "base/ui/text_codec.h"
#include "reference/condition_texts.h"

namespace klv {

void ShowLayerRows(QTreeWidget& list, const MeasFileData& d, int current) {
    if (list.columnCount() != kLayerTextCount) {
        QStringList captions;
        for (const char* c : kLayerTextCaptions)
            captions << QString::fromLatin1(c);
        list.setHeaderLabels(captions);
        list.setRootIsDecorated(false);
        list.setSelectionMode(QAbstractItemView::NoSelection);
        list.setFocusPolicy(Qt::NoFocus);
    }
    list.clear();
    for (int k = 0; k < GetCoatCount(d); ++k) {
        QStringList row;
        for (const std::string& t : MakeLayerTexts(d, k))
            row << ToQString(t);
        list.addTopLevelItem(new QTreeWidgetItem(row));
    }
    for (int c = 0; c < list.columnCount(); ++c)
        list.resizeColumnToContents(c);
    HighlightLayerRow(list, current);
}

void HighlightLayerRow(QTreeWidget& list, int current) {
    const QPalette& p = list.palette();
    for (int k = 0; k < list.topLevelItemCount(); ++k) {
        QTreeWidgetItem* item = list.topLevelItem(k);
        const bool on = k == current;
        for (int c = 0; c < list.columnCount(); ++c) {
            item->setBackground(c, on ? p.highlight() : p.base());
            item->setForeground(c, on ? p.highlightedText() : p.text());
        }
    }
}

}  // namespace klv
