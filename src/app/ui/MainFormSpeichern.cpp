// Save, save as and backup copy of the open project.
#include "MainForm.h"

#include "app/Sicherungsdateien.h"
#include "model/Meldung.h"
#include "model/Projektdatei.h"
#include "ui/Dateiwahl.h"

#include <QFileInfo>

void TVELWnd::PDTsave1Click() {
    Speichern(TSpeicherArt::Speichern);
}

void TVELWnd::PDTsaveN1Click() {
    Speichern(TSpeicherArt::SpeichernUnter);
}

void TVELWnd::SichDisk1Click() {
    Speichern(TSpeicherArt::Sicherungskopie);
}

bool TVELWnd::OhneEigeneDatei() const {
    // A restored backup lies in the hidden temporary folder: saving it there would lose it for the user.
    const QString& datei = Dokument.Datei();
    return datei.isEmpty() || Dokument.Name() == ProjektNameVorgabe ||
           (datei.endsWith(u'~') && !TempOrdner.isEmpty() &&
            QFileInfo(datei).absolutePath() + u'/' == TempOrdner);
}

void TVELWnd::Speichern(TSpeicherArt art) {
    if (!Projekt()) return;
    const TBefehlsWache wache(Dokument);
    // An opened backup "x.pd~" is saved as the project file "x.pdt".
    QString ziel = Dokument.Datei();
    if (ziel.endsWith(u'~')) ziel.back() = u't';
    const bool kopie = art == TSpeicherArt::Sicherungskopie;
    if (art != TSpeicherArt::Speichern || OhneEigeneDatei()) {
        TDateiAuswahl auswahl{QStringLiteral("Projekt speichern"),
                              QStringLiteral("VEL-Projekte (*.pdt);;Alle Dateien (*.*)"),
                              QStringLiteral("pdt"), Projektpfad, QFileInfo(ziel).fileName()};
        if (kopie) {
            auswahl.Titel = QStringLiteral("Sicherungskopie des Projekts speichern");
            auswahl.Ordner = DesktopOrdner();
        }
        ziel = Dateiwahl.SpeichernWaehlen(auswahl);
        if (ziel.isEmpty()) return;
    }

    QString fehler;
    if (!ProjektSpeichern(*Projekt(), ziel, fehler)) {
        // The file that was there is untouched; the project keeps its file, name and changes.
        Meldungen.Meldung(fehler, QStringLiteral("Fehler"), MeldungsArt::Fehler);
        return;
    }
    if (!kopie) {
        Dokument.DateiSetzen(ziel);
        Dokument.Gespeichert();
        SicherungenLoeschen(TempOrdner);
        TitelAktualisieren();
        return;
    }
    if (Dokument.IstGeaendert() &&
        Meldungen.Meldung(QString::fromUtf8("Möchten Sie den aktuellen Zustand Ihres Projekts\r"
                                            "auch auf dem Standardlaufwerk sichern?"),
                          QString::fromUtf8("Änderungen sind noch nicht auf Festplatte gespeichert"),
                          MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
        Speichern(TSpeicherArt::Speichern);
}
