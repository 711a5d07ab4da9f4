#include "fonts.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <cstring>

const char *installedFamily(const char *designFamily)
{
#ifdef Q_OS_WIN
    // The bitmap MS Sans Serif as Windows draws it in TrueType.
    return std::strcmp(designFamily, "MS Sans Serif") == 0 ? "Microsoft Sans Serif" : designFamily;
#else
    if (std::strcmp(designFamily, "Arial") == 0)
        return "Liberation Sans";
    if (std::strcmp(designFamily, "Times New Roman") == 0)
        return "Liberation Serif";
    // MS Sans Serif: the sans face closest to its widths.
    return "Liberation Sans";
#endif
}

void addBundledFonts()
{
    for (QDirIterator face(QStringLiteral(":/fonts")); face.hasNext();)
        QFontDatabase::addApplicationFont(face.next());
}
