#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "scheduler/Planpruefung.h"

#include <QAction>
#include <QTest>

// Taking all appointments away, nailing them all and pulling all nails, from the menu.
class TstSperrbefehle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void naegel() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        TVELWnd& f = *t.Fenster;
        f.NagZieh1->trigger();
        QCOMPARE(t.Meldung.Protokoll.last().Text, "Keins der Gespräche ist genagelt!");
        QVERIFY(!f.Dokument.IstGeaendert());

        t.Meldung.Antworten = {Antwort::Nein};
        f.AlleNageln1->trigger();
        QCOMPARE(t.Meldung.Protokoll.last().Titel, "Gespräche festnageln:");
        QCOMPARE(t.Meldung.Protokoll.last().Vorgabe, Antwort::Nein);
        QCOMPARE(t.Meldung.Protokoll.last().Hilfekontext, 320);
        QVERIFY(!f.Dokument.IstGeaendert());

        f.Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());
        t.Meldung.Antworten = {Antwort::Ja};
        f.AlleNageln1->trigger();
        for (const auto& g : f.Projekt()->Gespraechsliste)
            QVERIFY(g->IstGenagelt());
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY(f.Dokument.RueckListe().Leer());

        t.Meldung.Antworten = {Antwort::Ja};
        f.NagZieh1->trigger();
        QCOMPARE(t.Meldung.Protokoll.last().Titel, "Nägel bei Gesprächen entfernen");
        for (const auto& g : f.Projekt()->Gespraechsliste) {
            QVERIFY(!g->IstGenagelt());
            QVERIFY(g->Termin >= 0);
        }
    }

    // Every appointment goes, the nailed ones too; the plan stays consistent.
    void nichtTerminiert() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        f.Projekt()->Gespraechsliste[0]->SetGenagelt(true);
        t.Meldung.Antworten = {Antwort::Nein};
        f.NoTime1->trigger();
        QCOMPARE(t.Meldung.Protokoll.last().Titel, "Vorsicht ...");
        QVERIFY(f.Projekt()->Gespraechsliste.HatTermine());

        t.Meldung.Antworten = {Antwort::Ja};
        f.NoTime1->trigger();
        QVERIFY(!f.Projekt()->Gespraechsliste.HatTermine());
        QVERIFY(t.Meldung.Protokoll.last().Text.startsWith("Jetzt ist kein Gesprächstermin mehr gesetzt."));
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY2(PlanPruefen(*f.Projekt()).isEmpty(), qPrintable(PlanPruefen(*f.Projekt()).join('\n')));

        // Without appointments there is nothing to take away.
        t.Meldung.Protokoll.clear();
        f.NoTime1->trigger();
        QCOMPARE(t.Meldung.Protokoll.last().Text, "Bisher ist kein Gesprächstermin gesetzt.");
    }
};

VEL_TEST(TstSperrbefehle)
#include "tst_Sperrbefehle.moc"
