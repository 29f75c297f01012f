// Save, save as and backup copy of the open project.
#include "MainForm.h"

#include "Dateiwahl.h"
#include "app/Sicherungsdateien.h"
#include "model/Meldung.h"
#include "model/Projektdatei.h"

#include <QFileInfo>
#include <QStandardPaths>

void TVELWnd::PDTsave1Click() {
    Speichern(TSpeicherArt::Speichern);
}

void TVELWnd::PDTsaveN1Click() {
    Speichern(TSpeicherArt::SpeichernUnter);
}

void TVELWnd::SichDisk1Click() {
    Speichern(TSpeicherArt::Sicherungskopie);
}

void TVELWnd::Speichern(TSpeicherArt art) {
    if (!Projekt) return;
    Beschaeftigt = true;
    // An opened backup "x.pd~" is saved as the project file "x.pdt".
    if (Projektdatei.endsWith(u'~')) {
        Projektdatei.back() = u't';
        Projektname = QFileInfo(Projektdatei).fileName();
    }
    const bool kopie = art == TSpeicherArt::Sicherungskopie;
    QString ziel = Projektdatei;
    if (art != TSpeicherArt::Speichern || Projektname == ProjektNameVorgabe || Projektdatei.isEmpty()) {
        TDateiAuswahl auswahl{QStringLiteral("Projekt speichern"),
                              QStringLiteral("VEL-Projekte (*.pdt);;Alle Dateien (*.*)"),
                              QStringLiteral("pdt"), Projektpfad, Projektname};
        if (kopie) {
            auswahl.Titel = QStringLiteral("Sicherungskopie des Projekts speichern");
            auswahl.Ordner = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
            auswahl.Name.clear();
        }
        ziel = Dateiwahl.SpeichernWaehlen(auswahl);
        if (ziel.isEmpty()) {
            Beschaeftigt = false;
            AutoSicherung();
            return;
        }
        if (!kopie) {
            Projektdatei = ziel;
            Projektname = QFileInfo(ziel).fileName();
        }
    }

    QString fehler;
    if (!ProjektSpeichern(*Projekt, ziel, fehler)) {
        // The file that was there is untouched; the changes stay unsaved.
        Beschaeftigt = false;
        Meldungen.Meldung(fehler, QStringLiteral("Fehler"), MeldungsArt::Fehler);
        TitelAktualisieren();
        return;
    }
    if (!kopie) {
        Geaendert = false;
        SicherungenLoeschen(TempOrdner);
    }
    Beschaeftigt = false;
    SicherungAnstehend = false;
    if (!kopie) {
        SicherungFaellig = false;
        TitelAktualisieren();
        return;
    }
    if (Geaendert &&
        Meldungen.Meldung(QString::fromUtf8("Möchten Sie den aktuellen Zustand Ihres Projekts\r"
                                            "auch auf dem Standardlaufwerk sichern?"),
                          QString::fromUtf8("Änderungen sind noch nicht auf Festplatte gespeichert"),
                          MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
        Speichern(TSpeicherArt::Speichern);
}
