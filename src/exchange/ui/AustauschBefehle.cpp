#include "AustauschBefehle.h"

#include "ImportDlg.h"
#include "document/ProjektDokument.h"
#include "exchange/Importquelle.h"
#include "exchange/Lehreraustausch.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"
#include "model/Projektoperationen.h"
#include "settings/Einstellungen.h"
#include "ui/Dateiwahl.h"

#include <QAction>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The filters in the order the dialog offers them, the preselected one first, and the number of each
// offered filter in the original order.
struct TFilterfolge {
    QString Filter;
    QList<int> Nummer;
};

TFilterfolge Filterfolge(const QStringList& filter, int vorgewaehlt) {
    TFilterfolge f;
    QStringList folge;
    f.Nummer << vorgewaehlt;
    folge << filter[vorgewaehlt];
    for (int i = 0; i < filter.size(); ++i)
        if (i != vorgewaehlt) {
            f.Nummer << i;
            folge << filter[i];
        }
    f.Filter = folge.join(QStringLiteral(";;"));
    return f;
}

// The filter chosen in the original order, -1 when not known.
int Gewaehlt(const TFilterfolge& f, const TDateiwahl& wahl) {
    const int i = wahl.GewaehlterFilter();
    return i >= 0 && i < f.Nummer.size() ? f.Nummer[i] : -1;
}

bool TextVorgewaehlt(const TEinstellungsSpeicher& speicher, const QString& art) {
    const uint32_t typ = ImportVorgabeLesen(speicher, art).DateiTyp;
    return typ == 0 || typ == 1;
}

} // namespace

void TAustauschBefehle::Anschliessen(QAction* aktion, void (TAustauschBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, handler == &TAustauschBefehle::expL1Click ? TRegel::Lehrer : TRegel::Projekt);
}

bool TAustauschBefehle::LehrerImportErlaubt(const TProjekt& p) {
    if (p.Gespraechsliste.Leer()) return true;
    U.Meldungen.Meldung(QStringLiteral("Eltern haben Wünsche an die derzeitige Lehrerliste.\r\rDeshalb "
                                       "können Sie diese nicht ersetzen!"),
                        QStringLiteral("Importsperre"), MeldungsArt::Information);
    return false;
}

void TAustauschBefehle::LehrerlisteUebernommen(TProjekt& p) {
    LehrerImportAbschliessen(p);
    U.Dokument.RueckListe().Clear();
    U.Dokument.Melden(TAenderung::Lehrer);
}

void TAustauschBefehle::impL1Click() {
    TProjekt* p = Projekt();
    if (!p) return;
    if (LehrerImportErlaubt(*p) && (p->Lehrerliste.Leer() || SpeichernFragen())) {
        const TFilterfolge filter =
            Filterfolge({QStringLiteral("Textdatei (*.txt *.csv)"), QStringLiteral("Lehrerdatei (*.ldt)"),
                         QStringLiteral("VEL-Projekt (*.pdt)"), QStringLiteral("Alle Dateien (*)")},
                        TextVorgewaehlt(U.Speicher, QStringLiteral("ImportL")) ? 0 : 1);
        const TDateiAuswahl auswahl{
            QStringLiteral("Lehrerliste importieren"), filter.Filter, {}, U.Programmwerte.ImportPfad, {}};
        bool anredeUebersetzt = false;
        for (;;) {
            const QString datei = U.Dateiwahl.OeffnenWaehlen(auswahl);
            if (datei.isEmpty()) break;
            const TBefehlsWache wache(U.Dokument);
            const TImportquelle quelle = Importquelle(datei);
            // A file that was refused has left the project as it was.
            if (quelle == TImportquelle::Lehrerdatei) {
                if (!LehrerdateiLaden(datei, *p, U.Meldungen)) return;
            } else if (quelle == TImportquelle::Projekt) {
                if (!LehrerAusProjekt(*p, datei, U.Meldungen)) return;
            } else {
                TImportDlgf dlg(datei, true, 1, *p, U.Meldungen, U.Speicher, U.Fenster);
                dlg.Hilfe = U.Hilfe;
                const int ergebnis = dlg.exec();
                if (ergebnis == 4) continue;
                if (ergebnis != 1) return;
                anredeUebersetzt = dlg.LehrerErgebnis.AnredeUebersetzt;
            }
            LehrerlisteUebernommen(*p);
            if (anredeUebersetzt && AnredeEditor &&
                U.Meldungen.Meldung(
                    QStringLiteral(
                        "Die Anreden aus dem Feld der Datenbank mussten in 'Herr' und 'Frau' übersetzt "
                        "werden.\rMöchten Sie zum Prüfen und Korrigieren den Anrede-Editor aufrufen?"),
                    QStringLiteral("Automatischer Anredegenerator"), MeldungsArt::Frage, Knoepfe::JaNein,
                    Antwort::Ja) == Antwort::Ja)
                AnredeEditor();
            break;
        }
    }
    p->Lehrerliste.NamenDoppeltMarkieren();
}

void TAustauschBefehle::LehrerdateiAnbieten(const QString& datei) {
    TProjekt* p = Projekt();
    const QString name = QFileInfo(datei).fileName();
    if (!p) {
        U.Meldungen.Meldung(
            QStringLiteral("„%1“ ist eine Lehrerdatei. Ihre Lehrkräfte lassen sich nur in ein Projekt "
                           "übernehmen.\r\rÖffnen Sie ein Projekt oder legen Sie ein neues an und wählen Sie "
                           "dann im Menü \"Datei\" den Punkt \"Lehrerdaten importieren...\".")
                .arg(name),
            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    if (!LehrerImportErlaubt(*p)) return;
    // Replacing teachers loses data, so then No is the default.
    const bool ersetzen = !p->Lehrerliste.Leer();
    QString frage = QStringLiteral("Möchten Sie die Lehrkräfte aus der Lehrerdatei „%1“ in das Projekt „%2“ "
                                   "übernehmen?")
                        .arg(name, U.Dokument.Name());
    if (ersetzen) frage += QStringLiteral("\r\rDie bisherige Lehrerliste wird dabei ersetzt.");
    if (U.Meldungen.Meldung(frage, QStringLiteral("Lehrerliste importieren"), MeldungsArt::Frage,
                            Knoepfe::JaNein, ersetzen ? Antwort::Nein : Antwort::Ja) != Antwort::Ja ||
        (ersetzen && !SpeichernFragen()))
        return;
    const TBefehlsWache wache(U.Dokument);
    if (!LehrerdateiLaden(datei, *p, U.Meldungen)) return;
    LehrerlisteUebernommen(*p);
    p->Lehrerliste.NamenDoppeltMarkieren();
}

void TAustauschBefehle::expL1Click() {
    TProjekt* p = Projekt();
    if (!p) return;
    const QStringList filter{QStringLiteral("VEL-Lehrerdatei (*.ldt)"),
                             QStringLiteral("Text-Datei (*.txt *.csv)"), QStringLiteral("Alle Dateien (*)")};
    QString datei = U.Dateiwahl.SpeichernWaehlen({QStringLiteral("Lehrerliste exportieren"),
                                                  filter.join(QStringLiteral(";;")),
                                                  {},
                                                  U.Programmwerte.ImportPfad,
                                                  {}});
    if (datei.isEmpty()) return;
    const TBefehlsWache wache(U.Dokument);
    // Where the dialog cannot tell the filter, a text extension asks for text.
    const int gewaehlt = U.Dateiwahl.GewaehlterFilter();
    if (QFileInfo(datei).suffix().isEmpty())
        datei += gewaehlt > 0 ? QStringLiteral(".txt") : QStringLiteral(".ldt");
    const QString endung = QFileInfo(datei).suffix().toLower();
    const bool text =
        gewaehlt > 0 ? endung != QLatin1String("ldt")
                     : gewaehlt < 0 && (endung == QLatin1String("txt") || endung == QLatin1String("csv"));
    QString fehler;
    if (text) {
        QSaveFile f(datei);
        if (!f.open(QIODevice::WriteOnly) || f.write(LehrerTextExport(p->Lehrerliste)) < 0 || !f.commit())
            fehler = f.errorString();
    } else {
        if (!LehrerdateiSpeichern(p->Lehrerliste, datei, fehler) && fehler.isEmpty())
            fehler = QStringLiteral("Die Datei ließ sich nicht schreiben.");
    }
    if (!fehler.isEmpty())
        U.Meldungen.Meldung(
            QStringLiteral("Die Lehrerliste konnte nicht in die Datei\r%1\rgeschrieben werden.\r\r%2")
                .arg(datei, fehler),
            QStringLiteral("Fehler"), MeldungsArt::Fehler);
}

void TAustauschBefehle::impE1Click() {
    ElternImportieren(true);
}

bool TAustauschBefehle::ElternImportieren(bool ausMenue) {
    TProjekt* p = Projekt();
    if (!p) return false;
    bool anhaengen = Stand.KlassenFolgeImport || p->Elternliste.Leer();
    if (!anhaengen) {
        const Antwort a = U.Meldungen.Meldung(
            QStringLiteral(
                "Möchten Sie beim Import die bisherigen Eltern behalten?\r\rJA: Weitere Eltern werden "
                "ergänzt.\rNEIN: Bisherige Eltern werden durch die importierten ersetzt."),
            QStringLiteral("Elternliste importieren"), MeldungsArt::Frage, Knoepfe::JaNeinAbbrechen,
            Antwort::Ja);
        if (a == Antwort::Abbrechen) return false;
        anhaengen = a == Antwort::Ja;
    }
    if (!anhaengen && !p->Elternliste.Leer() && !SpeichernFragen()) return false;

    const TFilterfolge filter =
        Filterfolge({QStringLiteral("Textdatei (*.txt *.csv)"), QStringLiteral("VEL-Projekt (*.pdt)"),
                     QStringLiteral("Alle Dateien (*)")},
                    TextVorgewaehlt(U.Speicher, QStringLiteral("ImportE")) ? 0 : 1);
    const TDateiAuswahl auswahl{anhaengen ? QStringLiteral("Zur Elternliste hinzufügen")
                                          : QStringLiteral("Elternliste importieren"),
                                filter.Filter,
                                {},
                                U.Programmwerte.ImportPfad,
                                {}};
    bool fertig = false;
    while (!fertig) {
        const QString datei = U.Dateiwahl.OeffnenWaehlen(auswahl);
        if (datei.isEmpty()) {
            Stand.KlassenFolgeImport = false;
            return false;
        }
        const TBefehlsWache wache(U.Dokument);
        const int gewaehlt = Gewaehlt(filter, U.Dateiwahl);
        const bool projekt =
            gewaehlt == 1 || (gewaehlt != 0 && Importquelle(datei) == TImportquelle::Projekt);
        if (projekt) {
            if (ElternAusProjekt(*p, U.Dokument.RueckListe(), datei, anhaengen, U.Meldungen)) {
                fertig = true;
                Stand.KlassenFolgeImport = false;
            }
            continue;
        }
        TImportDlgf dlg(datei, false, 1, *p, U.Meldungen, U.Speicher, U.Fenster);
        dlg.Hilfe = U.Hilfe;
        dlg.FamilienSetzen(U.Dokument.RueckListe(), anhaengen, Stand, Fragen);
        const int ergebnis = dlg.exec();
        if (ergebnis == 4) continue;
        if (ergebnis != 1) {
            Stand.KlassenFolgeImport = false;
            return false;
        }
        fertig = true;
    }
    const TBefehlsWache wache(U.Dokument);
    if (ausMenue && !anhaengen && NeuerName) NeuerName();
    ElternImportAbschliessen(*p);
    U.Dokument.Melden(TAenderung::Familien | TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Plan);
    return true;
}
