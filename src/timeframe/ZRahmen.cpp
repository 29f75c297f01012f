#include "ZRahmen.h"

#include "model/Datumstexte.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Projektoperationen.h"
#include "model/TypFunc.h"

const char* const UngueltigeUhrzeitText = "Korrigieren Sie die Uhrzeit!\r\n(Format: hh:mm, also z.B. 08:15)";
const char* const UngueltigeUhrzeitTitel = "Ungültige Uhrzeit";

bool ZeitenFuellen(TTagesZellen& zellen, int ab, int minuten, TMeldung& meldung) {
    QString start = zellen[ab];
    const qsizetype punkt = start.indexOf(u'.');
    if (punkt >= 0) start[punkt] = u':';
    if (start.isEmpty()) {
        meldung.Meldung(QString::fromUtf8(
                            "Geben Sie zum automatischen Füllen\ran der Cursorposition eine Startzeit ein!"),
                        QString(), MeldungsArt::Information);
        return false;
    }
    int t = SekundenAusText(start);
    if (t < 0) {
        meldung.Meldung(QString::fromUtf8(UngueltigeUhrzeitText), QString::fromUtf8(UngueltigeUhrzeitTitel),
                        MeldungsArt::Fehler);
        return false;
    }
    // Times never run past midnight: 0.9999 of a day.
    const double grenze = 0.9999 * 86400;
    for (int i = ab; i < SlotsProTag; ++i) {
        if (t < grenze) {
            zellen[i] = ZeitAusSekunden(t);
            t += minuten * 60;
        } else {
            zellen[i].clear();
        }
    }
    return true;
}

void ZeitenLoeschen(TTagesZellen& zellen, int ab) {
    for (int i = ab; i < SlotsProTag; ++i)
        zellen[i].clear();
}

namespace {

void AlleSlotsLeeren(TProjekt& p) {
    for (const auto& l : p.Lehrerliste)
        l->Zeiten.fill(SlotFrei);
    for (const auto& e : p.Elternliste)
        e->Zeiten.fill(SlotFrei);
}

void SlotFreigeben(TProjekt& p, int s) {
    for (const auto& l : p.Lehrerliste)
        l->Zeiten[s] = SlotFrei;
    for (const auto& e : p.Elternliste)
        e->Zeiten[s] = SlotFrei;
}

} // namespace

TRahmenErgebnis RahmenUebernehmen(TProjekt& p, TRueckCollection& rueck, const TRahmenEingabe& ein,
                                  TMeldung& meldung) {
    TRahmenErgebnis erg;
    const bool aktuell = !ein.NeuesProjekt;
    if (ein.NeuesProjekt && !ein.DatumGeaendert &&
        meldung.Meldung(
            QString::fromUtf8(
                "Sie haben mindestens ein Datum unverändert gelassen. Möchten Sie trotzdem fortfahren?"),
            QStringLiteral("Sind die Datumseingaben korrekt?"), MeldungsArt::Warnung, Knoepfe::JaNein,
            Antwort::Ja) == Antwort::Nein) {
        erg.DialogOffenLassen = true;
        return erg;
    }

    p.Datum = {WertAusDatum(ein.Datum1), WertAusDatum(ein.Datum2)};

    TZeitZellen neu;
    bool zeitenGeaendert = false, entfernt = false;
    std::array<bool, SlotAnzahl> hinzu{};
    bool irgendwasHinzu = false;
    for (int s = 0; s < SlotAnzahl; ++s) {
        neu[s] = ZeitNormieren(OhneLeerzeichen(ein.Zeiten[s]), false);
        zeitenGeaendert = zeitenGeaendert || neu[s] != p.Zeittexte[s];
        const bool existiert = !neu[s].isEmpty();
        if (aktuell && existiert && !p.ZeitAktiv[s]) irgendwasHinzu = hinzu[s] = true;
        if (aktuell && !existiert && p.ZeitAktiv[s]) entfernt = true;
    }

    if (aktuell && zeitenGeaendert && entfernt &&
        meldung.Meldung(
            QString::fromUtf8("Wenn Sie fortfahren, wird der Zeitrahmen neu übernommen. Deshalb werden "
                              "alle Gespräche auf nicht-terminiert gesetzt, das gilt auch für "
                              "genagelte Gespräche. \rAußerdem werden alle Zeitsperrungen "
                              "aufgehoben.\r\rMöchten Sie dennoch fortfahren?"),
            QStringLiteral("Achtung: Neuer Zeitrahmen!"), MeldungsArt::Warnung, Knoepfe::JaNein,
            Antwort::Nein) == Antwort::Nein) {
        ZweiTageBestimmen(p);
        return erg;
    }

    if (zeitenGeaendert || ein.NeuesProjekt) p.Standardsperre.fill(SlotFrei);
    if (irgendwasHinzu) {
        for (int s = 0; s < SlotAnzahl; ++s)
            if (hinzu[s]) SlotFreigeben(p, s);
        if (!entfernt)
            meldung.Meldung(
                QString::fromUtf8("Sie haben den Zeitrahmen erweitert.\r\n Wenn Sie bei Eltern oder "
                                  "Lehrern Zeitsperrungen vorgenommen haben,\r\n müssen Sie diese "
                                  "jetzt an den erweiterten Zeirahmen anpassen."),
                QStringLiteral("Hinweis"), MeldungsArt::Information);
    }
    if (zeitenGeaendert) {
        p.Zeittexte = neu;
        for (int s = 0; s < SlotAnzahl; ++s)
            p.ZeitAktiv[s] = !neu[s].isEmpty();
    }

    erg.RahmenErgebnis = RahmenBestaetigt;
    if (zeitenGeaendert || ein.DatumGeaendert) erg.RahmenErgebnis |= RahmenGeaendert;
    if (entfernt) erg.RahmenErgebnis |= RahmenSlotsEntfernt;
    if (erg.RahmenErgebnis > 1 || ein.Abstand != ein.AbstandAlt) {
        erg.VorgabeSchreiben = true;
        erg.Zeitabstand = ein.Abstand.toInt();
    }
    ZweiTageBestimmen(p);

    if (aktuell && entfernt) {
        PlanZuruecksetzen(p, rueck, true);
        AlleSlotsLeeren(p);
        erg.GlobalSperrenOeffnen =
            meldung.Meldung(
                QString::fromUtf8("Sie haben den Zeitrahmen geändert, daher mussten alle Gespräche auf "
                                  "'nichtterminiert' zurückgesetzt werden, Zeitsperrungen wurden "
                                  "aufgehoben.\r\nMöchten Sie jetzt Zeitsperrungen bei Lehrern und "
                                  "Eltern global überarbeiten?"),
                QString::fromUtf8("Zeitrahmenänderung am aktuellen Projekt"), MeldungsArt::Frage,
                Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja;
    }
    return erg;
}
