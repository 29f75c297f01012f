#include "Lauf.h"

#include "Termin.h"

#include <chrono>

TLaufErgebnis Lauf(TProjekt& p, TLaufBeobachter& b) {
    TTerminierung t(p, &b);
    t.Abbruch = false;
    p.Handverschoben = 0;
    b.Text(TLaufText::Label2, QStringLiteral("VEL arbeitet,\r\nSie haben Pause!"));
    b.Balken(0, 0);
    t.EreignisseVerarbeiten();
    p.Laufzeit = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const auto& g : p.Gespraechsliste)
        g->AlterTermin = TerminOffen;

    b.Balken(0, 5);
    t.UnmoeglicheBestimmen();
    b.Balken(0, 15);
    t.Freigeben();
    b.Balken(0, 25);
    p.TermineBerechnet = true;
    if (p.ReihenfolgeFest) {
        b.Text(TLaufText::Label1, QStringLiteral("Die Reihenfolge für die Terminsuche steht bereits fest."));
    } else {
        b.Text(TLaufText::Label1, QStringLiteral("Für die Terminsuche wird die Reihenfolge ermittelt ..."));
        b.Statuszeile(QStringLiteral("Es wird die Reihenfolge für die Terminvergabe festgelegt..."));
        t.EreignisseVerarbeiten();
        b.Wartecursor(true);
        t.KapazitaetZaehlen();
        b.Balken(0, 45);
        t.ReihenfolgeSortieren();
        p.ReihenfolgeFest = true;
        b.Wartecursor(false);
        b.Text(TLaufText::Label1, QStringLiteral("Die Reihenfolge für die Terminsuche ist fertig."));
    }
    b.Balken(0, 100);
    b.Text(TLaufText::Label3, QStringLiteral("Terminsuche..."));
    t.EreignisseVerarbeiten();

    t.ErsteVerteilung();
    if (t.Abbruch) {
        // A half-finished first placement is worthless: only the nailed appointments stay.
        t.Freigeben();
        p.TermineBerechnet = false;
        t.Abbruchmeldung =
            QStringLiteral("Sie haben die Terminierung abgebrochen.\rAlle ungenagelten Gespräche "
                           "wurden auf 'nicht terminiert' zurückgesetzt.");
    } else {
        t.Optimieren();
    }

    // Who has an appointment follows the plan at once, so that printing only reads it.
    p.BelegungMarkieren();
    TLaufErgebnis ergebnis;
    if (t.Abbruch) {
        ergebnis.Abgebrochen = true;
        ergebnis.Abbruchmeldung = t.Abbruchmeldung;
        b.Abgebrochen(ergebnis.Abbruchmeldung);
        return ergebnis;
    }
    b.Text(TLaufText::Label2, QStringLiteral("\r\nFertig!"));
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
    p.Laufzeit = dauer.count() / 86400.0;
    b.Fertig();
    return ergebnis;
}

bool BerechnungErledigt(const TProjekt& p) {
    return p.TermineBerechnet && p.Handverschoben == 0 && p.ReihenfolgeFest;
}
