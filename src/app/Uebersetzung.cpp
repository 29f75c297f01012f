#include "Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtDeutschLaden(QObject* eltern) {
    auto* uebersetzung = new QTranslator(eltern);
    if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}
