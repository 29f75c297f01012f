// The automatic backup of the open project into the temporary folder, and its timer.
#include "ProjektBefehle.h"

#include "app/Sicherungsdateien.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "settings/Einstellungen.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

QString TProjektBefehle::TempOrdnerBestimmen() {
    // A per-user folder that survives a restart, so that a backup is still there after a crash.
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (ordner.isEmpty() || !QDir().mkpath(ordner)) return {};
    QTemporaryFile probe(QDir(ordner).filePath(QStringLiteral("Test.XXXXXX")));
    return probe.open() ? QDir(ordner).absolutePath() + u'/' : QString();
}

void TProjektBefehle::AutoSicherung() {
    const TProjekt* projekt = U.Dokument.Projekt();
    if (!U.Dokument.IstSicherungAnstehend() || !projekt || !ProjektSchreiber) {
        Q_EMIT SicherungErledigt();
        return;
    }
    Q_EMIT Statuszeile(QStringLiteral("Automatische Datensicherung ..."));
    if (TempOrdner.isEmpty()) {
        if (!TempOrdnerGemeldet)
            U.Meldungen.Meldung(
                QString::fromUtf8("VEL konnte keinen gültigen Ordner für temporäres Speichern einer "
                                  "Sicherungsdatei finden."),
                QStringLiteral("Hinweis"), MeldungsArt::Warnung);
        TempOrdnerGemeldet = true;
    } else {
        const QString vorige = TempOrdner + VorigeSicherung;
        QFile::remove(vorige);
        // The last good backup stays as "~tmpproj.pd~" until the new one is complete.
        const QString datei = TempOrdner + SicherungsName(U.Dokument.Name());
        if (QFile::exists(datei)) QFile::rename(datei, vorige);
        if (ProjektSchreiber(*projekt, datei)) {
            QFile::remove(vorige);
            U.Dokument.SicherungGeschrieben();
            if (U.Programmwerte.AutoSpeichern) Timer1->start();
        }
    }
    Q_EMIT SicherungErledigt();
}

void TProjektBefehle::Timer1Setzen() {
    const uint32_t minuten = U.Programmwerte.AutoSpeichZeit == 0 || U.Programmwerte.AutoSpeichZeit > 60
                                 ? 5
                                 : U.Programmwerte.AutoSpeichZeit;
    Timer1->setInterval(static_cast<int>(minuten) * 60000);
    if (U.Programmwerte.AutoSpeichern)
        Timer1->start();
    else
        Timer1->stop();
}

void TProjektBefehle::Timer1Timer() {
    // In the middle of a command the backup waits for the command's end.
    U.Dokument.SicherungAnfordern();
}

void TProjektBefehle::ProgrammwerteUebernehmen(const TProgrammwerte& vorher, bool sicherungGeaendert) {
    Projektpfad = U.Programmwerte.ProjektPfad;
    if (!sicherungGeaendert) return;
    if (!U.Programmwerte.AutoSpeichern) {
        Timer1->stop();
        U.Dokument.SicherungAbbestellen();
        SicherungenLoeschen(TempOrdner);
        return;
    }
    Timer1Setzen();
    // A backup that was due under the old interval is written when the command ends.
    if (U.Programmwerte.AutoSpeichZeit != vorher.AutoSpeichZeit) U.Dokument.SicherungAnfordern();
}

void TProjektBefehle::ProgrammEnde() {
    if (U.Programmwerte.DateiLaden)
        ProgrammtextSchreiben(U.Speicher, QStringLiteral("StartDatei"), U.Dokument.Datei());
    SicherungenLoeschen(TempOrdner);
}
