#include "output/ui/print_face.h"

#include <QFontDatabase>

namespace klv {

namespace {

// fonts-dejavu-core, which the program's installation requires.
constexpr char kFallbackFace[] = "DejaVu Sans Mono";

// The installed family of that name, whatever its case; empty when there is none.
QString InstalledFamily(const QString& name) {
    if (name.trimmed().isEmpty())
        return {};
    for (const QString& family : QFontDatabase::families())
        if (family.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return family;
    return {};
}

bool IsFixedPitchFamily(const QString& family) {
    return !family.isEmpty() && QFontDatabase::isFixedPitch(family);
}

}  // namespace

QString ResolvePrintFace(const QString& chosen) {
    for (const QString& candidate :
         {chosen, QString::fromLatin1(kFallbackFace),
          QFontDatabase::systemFont(QFontDatabase::FixedFont).family()}) {
        const QString family = InstalledFamily(candidate);
        if (IsFixedPitchFamily(family))
            return family;
    }
    for (const QString& family : QFontDatabase::families())
        if (IsFixedPitchFamily(family) && QFontDatabase::isScalable(family))
            return family;
    return QString::fromLatin1(kFallbackFace);
}

}  // namespace klv
