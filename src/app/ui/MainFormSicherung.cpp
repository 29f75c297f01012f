// The automatic backup of the open project into the temporary folder.
#include "MainForm.h"

#include "app/Sicherungsdateien.h"
#include "model/Meldung.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

QString TVELWnd::TempOrdnerBestimmen() {
    // A per-user folder that survives a restart, so that a backup is still there after a crash.
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (ordner.isEmpty() || !QDir().mkpath(ordner)) return {};
    QTemporaryFile probe(QDir(ordner).filePath(QStringLiteral("Test.XXXXXX")));
    return probe.open() ? QDir(ordner).absolutePath() + u'/' : QString();
}

void TVELWnd::AutoSicherung() {
    if (!Dokument.IstSicherungAnstehend() || !Projekt() || !ProjektSchreiber) {
        DatumAnzeigen();
        return;
    }
    Panels[3]->setText(QStringLiteral("Automatische Datensicherung ..."));
    Panels[3]->repaint();
    if (TempOrdner.isEmpty()) {
        if (!TempOrdnerGemeldet)
            Meldungen.Meldung(
                QString::fromUtf8("VEL konnte keinen gültigen Ordner für temporäres Speichern einer "
                                  "Sicherungsdatei finden."),
                QStringLiteral("Hinweis"), MeldungsArt::Warnung);
        TempOrdnerGemeldet = true;
    } else {
        const QString vorige = TempOrdner + VorigeSicherung;
        QFile::remove(vorige);
        // The last good backup stays as "~tmpproj.pd~" until the new one is complete.
        const QString datei = TempOrdner + SicherungsName(Dokument.Name());
        if (QFile::exists(datei)) QFile::rename(datei, vorige);
        if (ProjektSchreiber(*Projekt(), datei)) {
            QFile::remove(vorige);
            Dokument.SicherungGeschrieben();
            if (Programmwerte.AutoSpeichern) Timer1->start();
        }
    }
    DatumAnzeigen();
}
