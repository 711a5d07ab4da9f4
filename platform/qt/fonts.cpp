#include "fonts.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <cstring>

const char *installedFamily(const char *designFamily)
{
#ifdef Q_OS_WIN
    // The bitmap MS Sans Serif as Windows draws it in TrueType.
    return std::strcmp(designFamily, "MS Sans Serif") == 0 ? "Microsoft Sans Serif" : designFamily;
#elif defined(Q_OS_WASM)
    // The page's own cut-down Liberation faces, renamed as their licence asks.
    return std::strcmp(designFamily, "Times New Roman") == 0 ? "Relativi Serif" : "Relativi Sans";
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
