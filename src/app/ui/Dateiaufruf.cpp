#include "Dateiaufruf.h"

#include "MainForm.h"
#include "ProjektBefehle.h"
#include "exchange/ui/AustauschBefehle.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

bool IstLehrerdatei(const QString& datei) {
    return QFileInfo(datei).suffix().compare(QLatin1String("ldt"), Qt::CaseInsensitive) == 0;
}

} // namespace

TDateiaufruf::TDateiaufruf(TVELWnd& fenster)
    : QObject(&fenster)
    , Fenster(fenster) {
    Takt.setInterval(100);
    connect(&Takt, &QTimer::timeout, this, &TDateiaufruf::Abarbeiten);
}

QStringList TDateiaufruf::Dateien(const QStringList& argumente, const QString& ordner) {
    QStringList dateien;
    for (const QString& argument : argumente) {
        if (argument.isEmpty()) continue;
        // Some file managers hand over URLs even to programs that take paths.
        const QString pfad = argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)
                                 ? QUrl(argument).toLocalFile()
                                 : argument;
        dateien << QDir::cleanPath(QDir(ordner).absoluteFilePath(pfad));
    }
    return dateien;
}

void TDateiaufruf::Vormerken(const QStringList& dateien) {
    for (const QString& datei : dateien)
        if (!IstLehrerdatei(datei)) Fenster.Gruppen.Projektdateien->LetztesProjektLaden = false;
    Oeffnen(dateien);
}

void TDateiaufruf::Oeffnen(const QStringList& dateien) {
    Wartend << dateien;
    if (!Wartend.isEmpty()) Takt.start();
}

void TDateiaufruf::Abarbeiten() {
    // A dialog, a menu or a running command works with the open project, which must not be replaced
    // under it; and at start the offer of a leftover backup comes first. So the files wait.
    if (Laeuft || !Fenster.isVisible() || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget() || Fenster.Dokument.Beschaeftigt())
        return;
    Laeuft = true;
    const QString datei = Wartend.takeFirst();
    if (Wartend.isEmpty()) Takt.stop();
    if (IstLehrerdatei(datei))
        Fenster.Gruppen.Austausch->LehrerdateiAnbieten(datei);
    else
        Fenster.Gruppen.Projektdateien->DateiOeffnen(datei);
    Laeuft = false;
}
