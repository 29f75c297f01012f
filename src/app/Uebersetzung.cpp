#include "Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtDeutschLaden(QObject* eltern) {
    bool alle = true;
    // qt_help: the search of the handbook window.
    for (const char* modul : {"qtbase", "qt_help"}) {
        auto* uebersetzung = new QTranslator(eltern);
        if (uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QLatin1String(modul),
                               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(uebersetzung))
            continue;
        delete uebersetzung;
        alle = false;
    }
    return alle;
}
