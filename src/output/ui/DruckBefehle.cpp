#include "DruckBefehle.h"

#include "DrBereich.h"
#include "DrVorwahl.h"
#include "Druckausgabe.h"
#include "FpdfVW.h"
#include "SonstigeListen.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Kalenderlauf.h"
#include "output/Pdflauf.h"
#include "output/Terminecode.h"
#include "settings/Codeoption.h"
#include "settings/Schuldaten.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

namespace {

// The per-day choice of the range dialog applies to one run; the layout keeps its own.
class TProTagFuerLauf {
public:
    TProTagFuerLauf(TListenlayout& layout, bool fuerEltern, bool proTag)
        : Wert(fuerEltern ? layout.EinzellistenProTagE : layout.EinzellistenProTagL)
        , Vorher(Wert) {
        Wert = proTag;
    }
    ~TProTagFuerLauf() { Wert = Vorher; }
    TProTagFuerLauf(const TProTagFuerLauf&) = delete;
    TProTagFuerLauf& operator=(const TProTagFuerLauf&) = delete;

private:
    bool& Wert;
    const bool Vorher;
};

} // namespace

TDruckBefehle::TDruckBefehle(const TBefehlsumgebung& umgebung, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern) {
    connect(&U.Dokument, &TProjektDokument::ProjektErsetzt, this, [this] { Stand.ProjektGeoeffnet(); });
    // Another list of families or teachers than the last run saw starts the proposal again.
    connect(&U.Dokument, &TProjektDokument::Geaendert, this, [this](TAenderungen was) {
        if (was & (TAenderung::Familien | TAenderung::Kinder | TAenderung::Einstellungen))
            Stand.ElternUmsortiert();
        if (was.testFlag(TAenderung::Lehrer)) Stand.LehrerGeaendert();
    });
}

TDruckBefehle::~TDruckBefehle() = default;

void TDruckBefehle::Anschliessen(QAction* aktion, void (TDruckBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Gespraeche);
}

QPrinter& TDruckBefehle::Drucker() {
    if (!DruckerSatz) DruckerSatz = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *DruckerSatz;
}

void TDruckBefehle::Druck1Click() {
    if (!Projekt()) return;
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        U.Meldungen.Meldung(
            QString::fromUtf8("Es ist kein Drucker als Standarddrucker festgelegt.\rWenn Sie jetzt "
                              "einen einrichten, müssen Sie VEL beenden und neu starten, um drucken "
                              "zu können."),
            QStringLiteral("Drucken"), MeldungsArt::Information);
        return;
    }
    TDrVorwahl wahl(Drucker(), U.Meldungen, U.Fenster);
    connect(&wahl, &TDrVorwahl::ElternDrucken, this, [this, &wahl] {
        if (!Lauf(true, false)) wahl.reject();
    });
    connect(&wahl, &TDrVorwahl::LehrerDrucken, this, [this, &wahl] {
        if (!Lauf(false, false)) wahl.reject();
    });
    SonstigeListenAnbieten(wahl.SonstMenue, &wahl, false);
    connect(&wahl, &TDrVorwahl::DruckerEingerichtet, this, [this] {
        TProjekt* p = Projekt();
        if (p && RaenderPruefen(p->Listenlayout.Seitenraender, GeraetMetrikLesen(Drucker(), *p), U.Meldungen))
            U.Dokument.Melden(TAenderung::Layout);
    });
    wahl.exec();
    Stand.Tueraushang = false;
}

void TDruckBefehle::PDFExport1Click() {
    if (!Projekt()) return;
    if (!PdfWahl) {
        PdfWahl = new TFpdfVW(Stand, U.Dateiwahl, U.Fenster);
        connect(PdfWahl, &TFpdfVW::ElternSpeichern, this, [this] {
            if (!Lauf(true, true)) PdfWahl->reject();
        });
        connect(PdfWahl, &TFpdfVW::LehrerSpeichern, this, [this] {
            if (!Lauf(false, true)) PdfWahl->reject();
        });
        SonstigeListenAnbieten(PdfWahl->SonstMenue, PdfWahl, true);
    }
    PdfWahl->exec();
}

void TDruckBefehle::SonstigeListenAnbieten(QMenu* menue, QDialog* wahl, bool alsPdf) {
    const QList<QAction*> eintraege = menue->actions();
    for (int i = 0; i < eintraege.size(); ++i) {
        eintraege[i]->setEnabled(bool(SonstigeListeZeigen));
        connect(eintraege[i], &QAction::triggered, wahl, [this, i, alsPdf] {
            if (SonstigeListeZeigen) SonstigeListeZeigen(i, alsPdf);
        });
    }
}

bool TDruckBefehle::Lauf(bool fuerEltern, bool alsPdf) {
    TProjekt* p = Projekt();
    if (!p) return true;
    if (!RaumkonflikteKlaeren()) return false;
    if (fuerEltern) Stand.Tueraushang = false;
    p->ZaehleGespraeche();
    const QString ziel = alsPdf ? PdfZielordner(Stand.PdfOrdner, *p) : QPrinterInfo::defaultPrinterName();
    TDrBereich bereich(*p, fuerEltern, alsPdf, ziel, Stand, U.Fenster);
    if (bereich.exec() != QDialog::Accepted) return true;
    const TProTagFuerLauf proTag(p->Listenlayout, fuerEltern, bereich.EinzelseitenProTag());
    ListenGedruckt(bereich.Bereich());
    if (alsPdf) {
        const TDateilaufErgebnis pdf = Pdflauf(bereich.Bereich());
        if (Stand.Kalenderdateien && !pdf.Abgebrochen && !pdf.OrdnerFehlt)
            Kalenderlauf(bereich.Bereich(), pdf.AlleUeberschreiben);
    } else
        Drucklauf(bereich.Bereich());
    return true;
}

void TDruckBefehle::ListenGedruckt(const TDruckbereich& bereich) {
    bool& haken =
        Projekt()->NotizHaken[bereich.FuerEltern ? Notizhaken::ElternGedruckt : Notizhaken::LehrerGedruckt];
    // Only a run that reaches the last list finishes the lists; the mark goes with the project's file.
    if (haken || !bereich.BisZumEnde()) return;
    const TBefehlsWache wache(U.Dokument);
    haken = true;
    U.Dokument.Melden({});
}

TDateilaufErgebnis TDruckBefehle::Pdflauf(const TDruckbereich& bereich) {
    const TProjekt& p = *Projekt();
    const TSchuldaten schule = SchuldatenLesen(U.Speicher);
    TPdfAuftrag auftrag{
        p, schule, bereich.FuerEltern, PdfZielordner(Stand.PdfOrdner, p), ListenDateien(p, bereich), false};
    auftrag.Terminecodes = TerminecodeLesen(U.Speicher);
    QProgressDialog fortschritt(QStringLiteral("PDF-Dateien werden gespeichert ..."),
                                QStringLiteral("Abbrechen"), 0, static_cast<int>(auftrag.Listen.size()),
                                U.Fenster);
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(500);
    const TDateilaufErgebnis ergebnis = PdfLauf(auftrag, U.Meldungen, [&fortschritt](int i) {
        fortschritt.setValue(i);
        return !fortschritt.wasCanceled();
    });
    fortschritt.reset();
    if (ergebnis.OrdnerFehlt) {
        U.Meldungen.Meldung(
            QString::fromUtf8("Die pdf-Dateien können nicht am gewählten Ort gespeichert werden."),
            QStringLiteral("Fehler"), MeldungsArt::Fehler);
        return ergebnis;
    }
    // A list that could not be written is no silent gap in what goes to the families.
    if (!ergebnis.Fehlgeschlagen.isEmpty())
        U.Meldungen.Meldung(
            QString::fromUtf8("%1 Datei(en) konnten nicht gespeichert werden, zum Beispiel\r%2")
                .arg(ergebnis.Fehlgeschlagen.size())
                .arg(ergebnis.Fehlgeschlagen.constFirst()),
            QStringLiteral("Fehler"), MeldungsArt::Fehler);
    return ergebnis;
}

void TDruckBefehle::Kalenderlauf(const TDruckbereich& bereich, bool ueberschreiben) {
    const TProjekt& p = *Projekt();
    const TKalenderAuftrag auftrag{p, bereich.FuerEltern, PdfZielordner(Stand.PdfOrdner, p),
                                   ListenDateien(p, bereich), ueberschreiben};
    const TDateilaufErgebnis ergebnis = KalenderLauf(auftrag, U.Meldungen);
    QString text = ergebnis.Geschrieben == 1
                       ? QStringLiteral("%1 Kalenderdatei (.ics) wurde gespeichert in\r%2")
                       : QStringLiteral("%1 Kalenderdateien (.ics) wurden gespeichert in\r%2");
    text = text.arg(ergebnis.Geschrieben).arg(QDir::toNativeSeparators(auftrag.Zielordner));
    if (!ergebnis.Fehlgeschlagen.isEmpty())
        text += QString::fromUtf8("\r\r%1 Datei(en) konnten nicht gespeichert werden, zum Beispiel\r%2")
                    .arg(ergebnis.Fehlgeschlagen.size())
                    .arg(ergebnis.Fehlgeschlagen.constFirst());
    U.Meldungen.Meldung(text, QStringLiteral("Kalenderdateien"),
                        ergebnis.Fehlgeschlagen.isEmpty() ? MeldungsArt::Information : MeldungsArt::Fehler);
}

void TDruckBefehle::Drucklauf(const TDruckbereich& bereich) {
    const TProjekt& p = *Projekt();
    const TSchuldaten schule = SchuldatenLesen(U.Speicher);
    const bool dateiName = DateiListenName(false, QPrinterInfo::defaultPrinterName());
    TTerminecodes codes(bereich.FuerEltern && TerminecodeLesen(U.Speicher));
    QStringList fehler;
    int laufnummer = 0;
    for (int i = bereich.Erster; i <= bereich.Letzter; ++i) {
        const TPerson* person = bereich.Eintraege[static_cast<size_t>(i)].Person;
        if (!person) continue;
        const TListenAuftrag auftrag{person, bereich.FuerEltern, Stand.Tueraushang && !bereich.FuerEltern};
        TListenZeilen zeilen;
        ListeZusammenstellen(p, auftrag, zeilen);
        const QString titel = ListenName(p, bereich, i, ++laufnummer, dateiName);
        if (!ListeDrucken(Drucker(), titel, p, schule, auftrag, zeilen, &codes)) fehler << titel;
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    if (!fehler.isEmpty())
        U.Meldungen.Meldung(QString::fromUtf8("%1 Liste(n) konnten nicht gedruckt werden, zum Beispiel\r%2")
                                .arg(fehler.size())
                                .arg(fehler.constFirst()),
                            QStringLiteral("Fehler"), MeldungsArt::Fehler);
    OhneCodeMelden(U.Meldungen, codes.OhneCodeAnzahl());
}
