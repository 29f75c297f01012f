// The document: its change reports, the command guard and the automatic backup's timing.
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "document/ProjektDokument.h"
#include "model/Projekt.h"

#include <QSignalSpy>
#include <QTest>

class TstProjektDokument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A report is announced at once, also inside nested commands, which keep the document busy until
    // the outermost one ends.
    void meldungen() {
        TProjektDokument d;
        QSignalSpy geaendert(&d, &TProjektDokument::Geaendert);
        d.Melden(TAenderung::Lehrer);
        QCOMPARE(geaendert.size(), 1);
        QCOMPARE(geaendert.takeFirst().at(0).value<TAenderungen>(), TAenderungen(TAenderung::Lehrer));
        QVERIFY(d.IstGeaendert() && d.IstSicherungFaellig());
        {
            const TBefehlsWache aussen(d);
            {
                const TBefehlsWache innen(d);
                d.Melden(TAenderung::Familien | TAenderung::Kinder);
                QCOMPARE(geaendert.size(), 1);
            }
            QVERIFY(d.Beschaeftigt());
        }
        QVERIFY(!d.Beschaeftigt());
        QCOMPARE(geaendert.takeFirst().at(0).value<TAenderungen>(),
                 TAenderung::Familien | TAenderung::Kinder);
        d.Gespeichert();
        QVERIFY(!d.IstGeaendert() && !d.IstSicherungFaellig());
    }

    // The timer's backup waits for the end of the outermost command; an inner command's end does not
    // release it, and nothing is written while nothing changed.
    void sicherungWartetAufDenBefehl() {
        TProjektDokument d;
        QSignalSpy gewuenscht(&d, &TProjektDokument::SicherungGewuenscht);
        d.SicherungAnfordern();
        QCOMPARE(gewuenscht.size(), 0);
        d.Melden(TAenderung::Plan);
        {
            const TBefehlsWache aussen(d);
            d.SicherungAnfordern();
            { const TBefehlsWache innen(d); }
            QCOMPARE(gewuenscht.size(), 0);
            QVERIFY(d.IstSicherungAnstehend());
        }
        QCOMPARE(gewuenscht.size(), 1);
        d.SicherungGeschrieben();
        QVERIFY(!d.IstSicherungAnstehend() && !d.IstSicherungFaellig());
        QVERIFY(d.IstGeaendert());
        d.SicherungAnfordern();
        QCOMPARE(gewuenscht.size(), 1);
    }

    // A command announces itself once, when the outermost guard begins: what a listener changes then
    // already belongs to the command, so the backup waits for its end.
    void befehlBeginnt() {
        TProjektDokument d;
        QSignalSpy beginnt(&d, &TProjektDokument::BefehlBeginnt);
        bool beschaeftigt = false;
        connect(&d, &TProjektDokument::BefehlBeginnt, this, [&] { beschaeftigt = d.Beschaeftigt(); });
        {
            const TBefehlsWache aussen(d);
            QCOMPARE(beginnt.size(), 1);
            { const TBefehlsWache innen(d); }
        }
        QCOMPARE(beginnt.size(), 1);
        QVERIFY(beschaeftigt);
        { const TBefehlsWache naechster(d); }
        QCOMPARE(beginnt.size(), 2);
    }

    // A new project replaces the old one, which the views may still read while they are told.
    void ersetzen() {
        TProjektDokument d;
        auto erstes = std::make_unique<TProjekt>();
        erstes->NeueFamilie("Familie", QStringLiteral("Maier"), {});
        d.Ersetzen(std::move(erstes), QStringLiteral("/tmp/a.pdt"));
        const TProjekt* alt = d.Projekt();
        d.Melden(TAenderung::Familien);
        int familienDesAlten = -1;
        connect(&d, &TProjektDokument::ProjektErsetzt, this,
                [&] { familienDesAlten = alt->Elternliste.Count(); });
        d.Ersetzen(std::make_unique<TProjekt>(), QStringLiteral("/tmp/b.pdt"));
        QCOMPARE(familienDesAlten, 1);
        QCOMPARE(d.Projekt()->Elternliste.Count(), 0);
        QCOMPARE(d.Name(), "b.pdt");
        QVERIFY(!d.IstGeaendert() && !d.IstSicherungFaellig());
    }

    void belegungFolgtDemPlan_data() {
        QTest::addColumn<TAenderungen>("was");
        QTest::newRow("Plan") << TAenderungen(TAenderung::Plan);
        QTest::newRow("Zeiten") << TAenderungen(TAenderung::Zeiten);
        QTest::newRow("Gespräche") << TAenderungen(TAenderung::Gespraeche);
        QTest::newRow("Kinder") << TAenderungen(TAenderung::Kinder);
        QTest::newRow("Rahmen") << TAenderungen(TAenderung::Rahmen);
    }
    // Who has an appointment is derived when a project comes in and when a change may touch the plan,
    // so that printing, which only reads it, never changes the project.
    void belegungFolgtDemPlan() {
        QFETCH(TAenderungen, was);
        TProjektBauer b;
        b.Rahmen(1, 6);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "A", 2);
        TLehrer* lehrer = g->Lehrer;
        TEltern* familie = g->Eltern();
        TProjektDokument d;
        d.Ersetzen(b.Abgeben(), QStringLiteral("/tmp/a.pdt"));
        QVERIFY(lehrer->HatTermin && familie->HatTermin);
        d.Projekt()->Gespraechsliste.TerminAufheben(g->Nummer);
        d.Melden(was);
        QVERIFY(!lehrer->HatTermin && !familie->HatTermin);
    }

    // The undo store's entries point into the project: another project, opened or created, starts
    // without them, and the views already find the store empty when they are told.
    void ersetzenLeertDieRueckListe() {
        TProjektDokument d;
        d.Ersetzen(std::make_unique<TProjekt>(), QStringLiteral("/tmp/a.pdt"));
        TEltern* familie = d.Projekt()->NeueFamilie("Familie", QStringLiteral("Maier"), {});
        d.RueckListe().Add(
            std::make_unique<TRueckgEintrag>(TRueckgEintrag{TRueckgEintrag::ElternSperre, familie, 3}));
        d.RueckListe().Position = 1;
        int eintraegeBeimErsetzen = -1;
        connect(&d, &TProjektDokument::ProjektErsetzt, this,
                [&] { eintraegeBeimErsetzen = d.RueckListe().Count(); });
        d.Ersetzen(std::make_unique<TProjekt>(), QStringLiteral("/tmp/b.pdt"));
        QCOMPARE(eintraegeBeimErsetzen, 0);
        QVERIFY(d.RueckListe().Leer());
        QCOMPARE(d.RueckListe().Position, 0);
    }

    // Saving under another name is announced, so that the caption follows; the same name is not, and
    // the change state is left to the save.
    void dateiWechseln() {
        TProjektDokument d;
        d.Ersetzen(std::make_unique<TProjekt>(), QStringLiteral("/tmp/a.pdt"));
        d.Melden({});
        QSignalSpy gewechselt(&d, &TProjektDokument::DateiGewechselt);
        d.DateiSetzen(QStringLiteral("/tmp/a.pdt"));
        QCOMPARE(gewechselt.size(), 0);
        d.DateiSetzen(QStringLiteral("/tmp/b.pdt"));
        QCOMPARE(gewechselt.size(), 1);
        QCOMPARE(d.Name(), "b.pdt");
        QVERIFY(d.IstGeaendert());
    }
};

VEL_TEST(TstProjektDokument)
#include "tst_ProjektDokument.moc"
