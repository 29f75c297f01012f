#include "UebersichtBefehle.h"

#include "Ansicht.h"
#include "DruckBefehle.h"
#include "Sonstigedruck.h"
#include "Statisik.h"
#include "model/Datumstexte.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Uebersichtseiten.h"
#include "settings/Einstellungen.h"
#include "settings/Schuldaten.h"

#include <QAction>
#include <QPrinterInfo>

namespace {

QString Jahr(const TProjekt& p) {
    return QString::number(DatumAusWert(p.Datum[0]).year());
}

} // namespace

TUebersichtBefehle::TUebersichtBefehle(const TBefehlsumgebung& umgebung, TDruckBefehle& druck,
                                       QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Druck(druck) {}

void TUebersichtBefehle::Anschliessen(QAction* aktion, void (TUebersichtBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, handler == &TUebersichtBefehle::AnsRaum1Click ? TRegel::Lehrer : TRegel::Gespraeche);
}

void TUebersichtBefehle::UebersichtZeigen(TUebersichtArt art) {
    TProjekt* p = Projekt();
    if (!p) return;
    TUebersichtWahl wahl{art};
    wahl.AlleAnzeigen = TerminwerteLesen(U.Speicher).AlleAnzeigen;
    wahl.AnzahlenAlle = AnzahlenAlle;
    TAnsichtDlg dlg(
        *p, wahl, QPrinterInfo::defaultPrinterName(),
        [this](bool alsPdf, const TUebersichtWahl& w, const TUebersicht& u) {
            UebersichtDrucken(alsPdf, w, u);
        },
        U.Fenster);
    dlg.exec();
    AnzahlenAlle = dlg.Wahl.AnzahlenAlle;
    if (dlg.Wahl.AlleAnzeigen != wahl.AlleAnzeigen)
        ProgrammwertSchreiben(U.Speicher, QStringLiteral("AlleAnzeigen"), dlg.Wahl.AlleAnzeigen);
}

void TUebersichtBefehle::StatistikZeigen(const TPlanwerte* vorher) {
    TProjekt* p = Projekt();
    if (!p) return;
    TStatisk dlg(
        *p, !QPrinterInfo::defaultPrinterName().isEmpty(),
        [this](bool alsPdf, const TStatistik& s) { StatistikDrucken(alsPdf, s); }, U.Fenster);
    if (vorher) dlg.VergleichZeigen(*vorher);
    dlg.exec();
}

void TUebersichtBefehle::UebersichtDrucken(bool alsPdf, const TUebersichtWahl& wahl, const TUebersicht& u) {
    const TProjekt* p = Projekt();
    if (!p) return;
    if (u.Zeilen.empty()) {
        U.Meldungen.Meldung(QStringLiteral("Die Liste ist leer und wird deshalb nicht gedruckt."),
                            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    const TSchuldaten schule = SchuldatenLesen(U.Speicher);
    const TSonstigeAusgabe ausgabe{*p, U.Meldungen, U.Dateiwahl, Druck.Drucker(), Druck.Stand.PdfOrdner};
    const TSonstigesZeichnen zeichnen = [&](TZeichenziel& ziel, const TSeitenmetrik& m) {
        UebersichtZeichnen(ziel, {*p, schule, m}, wahl, u);
    };
    const QString titel = Uebersichtsname(wahl.Art);
    if (alsPdf)
        SonstigesAlsPdf(ausgabe, titel + QStringLiteral(" als PDF speichern"),
                        QStringLiteral("VEL%1 - %2.pdf").arg(Jahr(*p), titel), zeichnen);
    else
        SonstigesDrucken(ausgabe, titel, zeichnen);
}

void TUebersichtBefehle::StatistikDrucken(bool alsPdf, const TStatistik& s) {
    const TProjekt* p = Projekt();
    if (!p) return;
    const TSchuldaten schule = SchuldatenLesen(U.Speicher);
    const TSonstigeAusgabe ausgabe{*p, U.Meldungen, U.Dateiwahl, Druck.Drucker(), Druck.Stand.PdfOrdner};
    const TSonstigesZeichnen zeichnen = [&](TZeichenziel& ziel, const TSeitenmetrik& m) {
        StatistikZeichnen(ziel, {*p, schule, m}, s);
    };
    if (alsPdf)
        SonstigesAlsPdf(ausgabe, QStringLiteral("Statistik als PDF-Dokument speichern"),
                        QStringLiteral("VEL%1 Statistik.pdf").arg(Jahr(*p)), zeichnen);
    else
        SonstigesDrucken(ausgabe, QStringLiteral("Statistik"), zeichnen);
}

void TUebersichtBefehle::RaumlisteDrucken(bool alleLehrer) {
    TProjekt* p = Projekt();
    if (!p) return;
    TUebersichtWahl wahl{TUebersichtArt::Raeume};
    wahl.AlleAnzeigen = alleLehrer;
    UebersichtDrucken(false, wahl, UebersichtBauen(*p, wahl));
}
