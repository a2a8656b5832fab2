#pragma once

#include <QString>

namespace klv {

// The face reports and the roll paper print in: the chosen one when it is installed and of fixed
// pitch, else an installed fixed-pitch face. Columns laid out in character cells and numbers
// padded with blanks only line up in such a face.
QString ResolvePrintFace(const QString& chosen);

}  // namespace klv
