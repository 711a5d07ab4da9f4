#include "qt_services.h"
#include "qt_time_text.h"
#include "tavola.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("numeri-relativi"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setDesktopFileName(QStringLiteral("it.scuola.NumeriRelativi"));

    // The toolkit's own words (Yes, No, Cancel) in the desktop's language.
    QTranslator qtWords;
    if (qtWords.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);

    QtBoxes boxes;
    QtSystem system;
    QtClock clock;
    QtTimeText timeText;
    QtRandom random;
    Tavola tavola(Services{boxes, system, clock, timeText, random});
    tavola.showForm();
    return QApplication::exec();
}
