// Save, save as and backup copy of the open project, and the question before it is left.
#include "ProjektBefehle.h"

#include "app/Sicherungsdateien.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "ui/Dateiwahl.h"

#include <QFileInfo>

void TProjektBefehle::PDTsave1Click() {
    Speichern(TSpeicherArt::Speichern);
}

void TProjektBefehle::PDTsaveN1Click() {
    Speichern(TSpeicherArt::SpeichernUnter);
}

void TProjektBefehle::SichDisk1Click() {
    Speichern(TSpeicherArt::Sicherungskopie);
}

bool TProjektBefehle::OhneEigeneDatei() const {
    // A restored backup lies in the hidden temporary folder: saving it there would lose it for the user.
    const QString& datei = U.Dokument.Datei();
    return datei.isEmpty() || U.Dokument.Name() == ProjektNameVorgabe ||
           (datei.endsWith(u'~') && !TempOrdner.isEmpty() &&
            QFileInfo(datei).absolutePath() + u'/' == TempOrdner);
}

bool TProjektBefehle::Speichern(TSpeicherArt art) {
    TProjekt* projekt = U.Dokument.Projekt();
    if (!projekt) return false;
    const TBefehlsWache wache(U.Dokument);
    // An opened backup "x.pd~" is saved as the project file "x.pdt".
    QString ziel = U.Dokument.Datei();
    if (ziel.endsWith(u'~')) ziel.back() = u't';
    const bool kopie = art == TSpeicherArt::Sicherungskopie;
    if (art != TSpeicherArt::Speichern || OhneEigeneDatei()) {
        TDateiAuswahl auswahl{QStringLiteral("Projekt speichern"),
                              QStringLiteral("VEL-Projekte (*.pdt);;Alle Dateien (*.*)"),
                              QStringLiteral("pdt"), Startordner(), QFileInfo(ziel).fileName()};
        if (kopie) {
            auswahl.Titel = QStringLiteral("Sicherungskopie des Projekts speichern");
            auswahl.Ordner = DesktopOrdner();
        }
        ziel = U.Dateiwahl.SpeichernWaehlen(auswahl);
        if (ziel.isEmpty()) return false;
    }

    QString fehler;
    if (!ProjektSpeichern(*projekt, ziel, fehler)) {
        // The file that was there is untouched; the project keeps its file, name and changes.
        U.Meldungen.Meldung(fehler, QStringLiteral("Fehler"), MeldungsArt::Fehler);
        return false;
    }
    if (!kopie) {
        U.Dokument.DateiSetzen(ziel);
        U.Dokument.Gespeichert();
        SicherungenLoeschen(TempOrdner);
        return true;
    }
    if (U.Dokument.IstGeaendert() &&
        U.Meldungen.Meldung(QString::fromUtf8("Möchten Sie den aktuellen Zustand Ihres Projekts\r"
                                              "auch auf dem Standardlaufwerk sichern?"),
                            QString::fromUtf8("Änderungen sind noch nicht auf Festplatte gespeichert"),
                            MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
        Speichern(TSpeicherArt::Speichern);
    return true;
}

bool TProjektBefehle::SpeichernFragen() {
    if (U.Dokument.IstGeaendert()) {
        const Antwort antwort = U.Meldungen.Meldung(
            QString::fromUtf8(
                "Änderungen am Projekt sind noch nicht auf dem Standardlaufwerk gespeichert.\r\r"
                "Möchten jetzt speichern?"),
            QStringLiteral("Rückfrage zur Sicherung Ihrer Daten:"), MeldungsArt::Frage,
            Knoepfe::JaNeinAbbrechen, Antwort::Ja);
        if (antwort == Antwort::Abbrechen) return false;
        // A save that did not happen (its file dialog cancelled) cancels the command that asked.
        if (antwort == Antwort::Ja) {
            Speichern(TSpeicherArt::Speichern);
            if (U.Dokument.IstGeaendert()) return false;
        }
    }
    U.Dokument.RueckListe().Clear();
    return true;
}
