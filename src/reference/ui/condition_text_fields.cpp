#include "reference/ui/condition_text_fields.h"

#include <QLabel>

namespace klv {

void ReserveTextWidth(QLabel& field, int chars) {
    const QFontMetrics metrics = field.fontMetrics();
    // A framed label without its own indent sets its text in by half an "x".
    int indent = field.indent();
    if (indent < 0)
        indent = field.frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const int frame = field.width() - field.contentsRect().width();
    const int around = frame + 2 * field.margin() + indent;
    field.setMinimumWidth(around + metrics.horizontalAdvance(QString(chars, QLatin1Char('M'))));
}

}  // namespace klv
