#include "HandBefehle.h"

#include "UVerschieb.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Gespraechsliste.h"
#include "output/ui/Druckausgabe.h"
#include "rooms/ui/RaumBefehle.h"
#include "rooms/ui/UDoppelbelegung.h"
#include "settings/Codeoption.h"
#include "settings/Einstellungen.h"
#include "settings/Schuldaten.h"
#include "settings/UReg.h"

#include <QAction>
#include <QColor>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

// The colours are stored as the registry keeps them: red in the low byte.
QColor Farbe(uint32_t wert) {
    return QColor(static_cast<int>(wert & 0xFF), static_cast<int>((wert >> 8) & 0xFF),
                  static_cast<int>((wert >> 16) & 0xFF));
}

} // namespace

THandBefehle::THandBefehle(const TBefehlsumgebung& umgebung, TRaumBefehle& raeume, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Raeume(raeume) {}

THandBefehle::~THandBefehle() = default;

void THandBefehle::Anschliessen(QAction* aktion, void (THandBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Gespraeche);
}

void THandBefehle::HandBearb1Click() {
    TProjekt* p = Projekt();
    if (!p || p->Gespraechsliste.Leer()) return;
    const TVorauswahl wahl = Vorauswahl ? Vorauswahl() : TVorauswahl{};
    if (Board && Board->isVisible()) return;
    if (!Board) {
        Board = new TFVerschieb(U.Dokument, U.Meldungen, U.Fenster);
        Board->Drucken = [this](const TPerson& person, bool fuerEltern) { ListeDrucken(person, fuerEltern); };
        Board->Anmerken = Anmerken;
        Board->MitNummerSpeichern = [this](uint8_t mitNummer) {
            U.Speicher.SchluesselSchreiben(QStringLiteral("Optionen"))
                .ZahlSchreiben(QStringLiteral("MitNummer"), mitNummer);
        };
        Board->FarbenSpeichern = [this](const std::array<QColor, 3>& farben) {
            uint32_t* werte[] = {&U.Programmwerte.colFrei, &U.Programmwerte.colPause,
                                 &U.Programmwerte.colNicht};
            const char* namen[] = {"colFrei", "colPause", "colNicht"};
            TSchluessel schluessel = U.Speicher.SchluesselSchreiben(QStringLiteral("Optionen"));
            for (size_t i = 0; i < farben.size(); ++i) {
                *werte[i] =
                    static_cast<uint32_t>(farben[i].red() | farben[i].green() << 8 | farben[i].blue() << 16);
                schluessel.ZahlSchreiben(QLatin1String(namen[i]), *werte[i]);
            }
        };
    }
    {
        const TBefehlsWache wache(U.Dokument);
        Board->FarbeFrei = Farbe(U.Programmwerte.colFrei);
        Board->FarbePause = Farbe(U.Programmwerte.colPause);
        Board->FarbeNicht = Farbe(U.Programmwerte.colNicht);
        Board->Vorbereiten(wahl.Person, wahl.Lehrer);
        Board->exec();
    }
    if (Raeume.RaumkonfliktePruefen() == TFDoppelbelegung::ZurRaumzuordnung) Raeume.LRaumZw1Click();
}

void THandBefehle::ListeDrucken(const TPerson& person, bool fuerEltern) {
    const TProjekt* p = Projekt();
    if (!p) return;
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        U.Meldungen.Meldung(QStringLiteral("Richten Sie vor dem Drucken einen Drucker ein!"),
                            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    TListenZeilen zeilen;
    const TListenAuftrag auftrag{&person, fuerEltern, false};
    ListeZusammenstellen(*p, auftrag, zeilen);
    QPrinter drucker(QPrinter::HighResolution);
    EinzellisteDrucken(drucker, *p, SchuldatenLesen(U.Speicher), auftrag, zeilen,
                       TerminecodeLesen(U.Speicher), U.Meldungen);
}
