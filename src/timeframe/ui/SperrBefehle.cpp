#include "SperrBefehle.h"

#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Projektoperationen.h"
#include "timeframe/Verfuegbarkeit.h"
#include "ui/Hilfekontext.h"

#include <QAction>

void TSperrBefehle::Anschliessen(QAction* aktion, void (TSperrBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    const TRegel regel = handler == &TSperrBefehle::NoTimeClick || handler == &TSperrBefehle::ZDefault1Click
                             ? TRegel::Projekt
                         : handler == &TSperrBefehle::ZeitGlob1Click ? TRegel::Personen
                                                                     : TRegel::Gespraeche;
    Aufnehmen(aktion, regel);
}

void TSperrBefehle::NoTimeClick() {
    TProjekt* p = Projekt();
    if (!p) return;
    if (!p->Gespraechsliste.HatTermine()) {
        U.Meldungen.Meldung(QString::fromUtf8("Bisher ist kein Gesprächstermin gesetzt."),
                            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    if (!SpeichernFragen()) return;
    if (U.Meldungen.Meldung(
            QString::fromUtf8("Möchten Sie wirklich alle Gesprächstermine (auch die genagelten) "
                              "jetzt aufheben?"),
            QStringLiteral("Vorsicht ..."), MeldungsArt::Warnung, Knoepfe::JaNein,
            Antwort::Nein) != Antwort::Ja)
        return;
    {
        const TBefehlsWache wache(U.Dokument);
        PlanZuruecksetzen(*p, U.Dokument.RueckListe(), false);
        p->NotizHaken[Notizhaken::TermineBerechnet] = false;
        U.Dokument.Melden(TAenderung::Plan);
    }
    U.Meldungen.Meldung(
        QString::fromUtf8("Jetzt ist kein Gesprächstermin mehr gesetzt.\r\rEmpfehlung: Speichern "
                          "Sie Ihr Projekt jetzt unter neuem Namen,\rdamit Sie notfalls auf "
                          "bisher erreichte Ergebnisse zurückgreifen können."),
        QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void TSperrBefehle::AlleNageln1Click() {
    TProjekt* p = Projekt();
    if (!p ||
        U.Meldungen.Meldung(QString::fromUtf8("Möchten Sie für alle gesetzten Gespräche die Termine "
                                              "festnageln?\r(Hinweise zu diesem Menüpunkt finden Sie in der "
                                              "VEL-Hilfe.)"),
                            QString::fromUtf8("Gespräche festnageln:"), MeldungsArt::Frage, Knoepfe::JaNein,
                            Antwort::Nein, static_cast<int>(Hilfekontext::Festnageln)) != Antwort::Ja)
        return;
    const TBefehlsWache wache(U.Dokument);
    AlleNageln(*p);
    U.Dokument.RueckListe().Clear();
    U.Dokument.Melden(TAenderung::Plan);
}

void TSperrBefehle::NagZieh1Click() {
    TProjekt* p = Projekt();
    if (!p) return;
    if (!HatNaegel(*p)) {
        U.Meldungen.Meldung(QString::fromUtf8("Keins der Gespräche ist genagelt!"), QStringLiteral("Hinweis"),
                            MeldungsArt::Information);
        return;
    }
    if (U.Meldungen.Meldung(
            QString::fromUtf8("Sollen alle genagelten Gespräche wieder verschiebbar werden?\r\r(Die "
                              "Zeitsperrungen bleiben unverändert.)"),
            QString::fromUtf8("Nägel bei Gesprächen entfernen"), MeldungsArt::Frage, Knoepfe::JaNein,
            Antwort::Nein) != Antwort::Ja)
        return;
    const TBefehlsWache wache(U.Dokument);
    NaegelZiehen(*p);
    U.Dokument.RueckListe().Clear();
    U.Dokument.Melden(TAenderung::Plan);
}
