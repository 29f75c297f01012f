#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Dateneingabe.h"

#include <QTest>

namespace {

// The requests of a child as Kürzel and Rang: "AB0", "CD1", ...
QStringList Folge(const TKind& k) {
    QStringList folge;
    for (const TGespraech* g : k.Gespraeche)
        folge << g->Lehrer->Kuerzel + QString::number(g->Rang);
    return folge;
}

// Every booked conversation stands at its slot at both persons, and every booked slot holds a
// conversation that is there.
QString SlotFehler(const TProjekt& p) {
    for (const auto& g : p.Gespraechsliste) {
        if (g->Termin < 0) continue;
        if (g->Lehrer->Zeiten[g->Termin] != g->Nummer || g->Eltern()->Zeiten[g->Termin] != g->Nummer)
            return QStringLiteral("Gespräch %1 fehlt an seinem Slot").arg(g->Nummer);
    }
    auto pruefen = [&](const TPerson& person, auto gehoert) -> QString {
        for (int s = 0; s < SlotAnzahl; ++s) {
            if (person.Zeiten[s] <= 0) continue;
            const TGespraech* g = p.Gespraechsliste.FindeNummer(person.Zeiten[s]);
            if (!g || g->Termin != s || !gehoert(*g))
                return QStringLiteral("%1: Slot %2 belegt von %3")
                    .arg(person.Name)
                    .arg(s)
                    .arg(person.Zeiten[s]);
        }
        return {};
    };
    for (const auto& l : p.Lehrerliste)
        if (QString f = pruefen(*l, [&](const TGespraech& g) { return g.Lehrer == l.get(); }); !f.isEmpty())
            return f;
    for (const auto& e : p.Elternliste)
        if (QString f = pruefen(*e, [&](const TGespraech& g) { return g.Eltern() == e.get(); }); !f.isEmpty())
            return f;
    return {};
}

// Teachers AB, CD, EF. Maier: Anna (5a) with AB, CD, EF; Ben (6b) with AB, CD; Cid (7c) with EF, AB.
// Acker: Dana (5a) with AB, CD. Every request is booked, one slot after the other per family.
struct TBuchungen {
    TProjektBauer b;
    TKind *Anna, *Ben, *Cid, *Dana;
    TBuchungen() {
        b.Rahmen(1, 12);
        Anna = b.Kind("Maier", "Anna", "5a");
        Ben = b.Kind("Maier", "Ben", "6b");
        Cid = b.Kind("Maier", "Cid", "7c");
        Dana = b.Kind("Acker", "Dana", "5a");
        int slot = 0;
        for (auto [kind, kuerzel] : {std::pair{Anna, "AB"},
                                     {Anna, "CD"},
                                     {Anna, "EF"},
                                     {Ben, "AB"},
                                     {Ben, "CD"},
                                     {Cid, "EF"},
                                     {Cid, "AB"}})
            b.Wunsch(kind, kuerzel, slot++);
        b.Wunsch(Dana, "AB", 7);
        b.Wunsch(Dana, "CD", 8);
        b.p.ZaehleGespraeche();
    }
    TLehrer* L(const char* kuerzel) { return b.p.Lehrerliste.FindeKuerzel(QLatin1String(kuerzel)); }
};

} // namespace

class TstDateneingabe : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Adding, moving and deleting requests keep the positions, the counters and the plan flags right.
    void anfragen_data() {
        QTest::addColumn<int>("aktion");
        QTest::addColumn<QStringList>("anna");
        QTest::addColumn<QStringList>("ben");
        QTest::addColumn<QList<int>>("zaehler"); // AB, CD, EF, family Maier
        QTest::addColumn<bool>("unmoeglichBestimmt");
        QTest::newRow("hinzu") << 0 << QStringList{"AB0", "CD1", "EF2", "CD3"} << QStringList{"AB0", "CD1"}
                               << QList<int>{4, 4, 2, 8} << false;
        QTest::newRow("nach vorn") << 1 << QStringList{"EF0", "AB1", "CD2"} << QStringList{"AB0", "CD1"}
                                   << QList<int>{4, 3, 2, 7} << true;
        QTest::newRow("zum Geschwister") << 2 << QStringList{"AB0", "EF1"} << QStringList{"AB0", "CD1", "CD2"}
                                         << QList<int>{4, 3, 2, 7} << true;
        QTest::newRow("mittleres löschen")
            << 3 << QStringList{"AB0", "EF1"} << QStringList{"AB0", "CD1"} << QList<int>{4, 2, 2, 6} << true;
        QTest::newRow("alle des Kindes")
            << 4 << QStringList{} << QStringList{"AB0", "CD1"} << QList<int>{3, 2, 1, 4} << true;
    }
    void anfragen() {
        QFETCH(int, aktion);
        QFETCH(QStringList, anna);
        QFETCH(QStringList, ben);
        QFETCH(QList<int>, zaehler);
        QFETCH(bool, unmoeglichBestimmt);
        TBuchungen t;
        TProjekt& p = t.b.p;
        TRueckCollection rueck;
        p.UnmoeglichBestimmt = p.ReihenfolgeFest = true;
        switch (aktion) {
        case 0:
            GespraechHinzufuegen(p, t.L("CD"), t.Anna, false);
            break;
        case 1:
            GespraechVerschieben(p, t.Anna->Gespraeche[2], t.Anna, 0);
            break;
        case 2:
            GespraechVerschieben(p, t.Anna->Gespraeche[1], t.Ben, 2);
            p.ZaehleGespraeche();
            break;
        case 3:
            GespraecheLoeschen(p, rueck, {t.Anna->Gespraeche[1]});
            break;
        case 4:
            GespraecheLoeschen(p, rueck, t.Anna->Gespraeche);
            break;
        }
        QCOMPARE(Folge(*t.Anna), anna);
        QCOMPARE(Folge(*t.Ben), ben);
        QCOMPARE(
            (QList<int>{t.L("AB")->Zaehler, t.L("CD")->Zaehler, t.L("EF")->Zaehler, t.Anna->Eltern->Zaehler}),
            zaehler);
        QCOMPARE(p.UnmoeglichBestimmt, unmoeglichBestimmt);
        QVERIFY(!p.ReihenfolgeFest);
        QCOMPARE(SlotFehler(p), QString());
    }

    // Deleting a family, a child or a teacher frees the appointments at the other side; the undo store
    // goes only when it points to a freed record, and always with a teacher.
    void personLoeschen_data() {
        QTest::addColumn<QString>("was");
        QTest::addColumn<QString>("rueckZiel");
        QTest::addColumn<int>("gespraeche");
        QTest::addColumn<QList<int>>("freieLehrerslots");
        QTest::addColumn<bool>("rueckBleibt");
        const QList<int> maier{0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("Familie, fremder Eintrag") << "Maier"
                                                  << "Dana" << 2 << maier << true;
        QTest::newRow("Familie, ihr Gespräch") << "Maier"
                                               << "Cid" << 2 << maier << false;
        QTest::newRow("Familie selbst gesperrt") << "Maier"
                                                 << "Maier" << 2 << maier << false;
        QTest::newRow("Kind, fremder Eintrag") << "Anna"
                                               << "Ben" << 6 << QList<int>{0, 1, 2} << true;
        QTest::newRow("Kind, sein Gespräch") << "Anna"
                                             << "Anna" << 6 << QList<int>{0, 1, 2} << false;
        QTest::newRow("Lehrer") << "AB"
                                << "Dana" << 5 << QList<int>{0, 3, 6, 7} << false;
    }
    void personLoeschen() {
        QFETCH(QString, was);
        QFETCH(QString, rueckZiel);
        QFETCH(int, gespraeche);
        QFETCH(QList<int>, freieLehrerslots);
        QFETCH(bool, rueckBleibt);
        TBuchungen t;
        TProjekt& p = t.b.p;
        TEltern* maier = t.Anna->Eltern;
        TLoadSaveObject* ziel =
            rueckZiel == "Maier"
                ? static_cast<TLoadSaveObject*>(maier)
                : t.b.Kind(rueckZiel == "Dana" ? "Acker" : "Maier", rueckZiel)->Gespraeche.back();
        TRueckCollection rueck;
        rueck.Add(std::make_unique<TRueckgEintrag>(TRueckgEintrag{TRueckgEintrag::Nagel, ziel, 0}));
        // After a scheduling run the counter holds working values; the question counts the requests.
        t.L("AB")->Zaehler = 0x8003;
        QCOMPARE(GespraecheDerFamilie(*maier), 7);
        QCOMPARE(GespraecheDesLehrers(p, *t.L("AB")), 4);

        if (was == "Maier") {
            FamilieLoeschen(p, rueck, maier);
        } else if (was == "Anna") {
            KindLoeschen(p, rueck, t.Anna);
        } else {
            QCOMPARE(LehrerLoeschen(p, rueck, t.L("AB")), 4);
            QVERIFY(!p.UnmoeglichBestimmt && !p.ReihenfolgeFest);
        }
        QCOMPARE(p.Gespraechsliste.Count(), gespraeche);
        for (int s : freieLehrerslots)
            for (const auto& l : p.Lehrerliste)
                QVERIFY2(l->Zeiten[s] <= 0, qPrintable(QStringLiteral("%1 Slot %2").arg(l->Kuerzel).arg(s)));
        QCOMPARE(SlotFehler(p), QString());
        QCOMPARE(rueck.Count(), rueckBleibt ? 1 : 0);
        for (const auto& l : p.Lehrerliste)
            QCOMPARE(int(l->Zaehler), GespraecheDesLehrers(p, *l));
        for (const auto& e : p.Elternliste)
            QCOMPARE(int(e->Zaehler), GespraecheDerFamilie(*e));
        for (const auto& g : p.Gespraechsliste)
            QCOMPARE(int(g->Rang),
                     int(std::find(g->Kind->Gespraeche.begin(), g->Kind->Gespraeche.end(), g.get()) -
                         g->Kind->Gespraeche.begin()));
    }

    // Renaming a family: ticked children take the new name, unticked ones keep the name they had.
    void familieUmbenennen_data() {
        QTest::addColumn<QString>("zusatz");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("vorher"); // the children's own surnames
        QTest::addColumn<QList<bool>>("haken");
        QTest::addColumn<QStringList>("nachher");
        QTest::newRow("Müller-Lüdenscheidt, eins ohne Haken")
            << ""
            << "Müller-Lüdenscheidt" << QStringList{"", ""} << QList<bool>{true, false}
            << QStringList{"", "Müller"};
        QTest::newRow("eigener Name wird Familienname")
            << ""
            << "Berg" << QStringList{"Berg"} << QList<bool>{false} << QStringList{""};
        QTest::newRow("eigener Name bleibt")
            << ""
            << "Schulz" << QStringList{"Berg"} << QList<bool>{false} << QStringList{"Berg"};
        QTest::newRow("Haken nimmt Familiennamen")
            << ""
            << "Schulz" << QStringList{"Berg"} << QList<bool>{true} << QStringList{""};
        QTest::newRow("nur Zusatz neu")
            << "von"
            << "Müller" << QStringList{""} << QList<bool>{false} << QStringList{"Müller"};
        QTest::newRow("nur Haken entfernt")
            << ""
            << "Müller" << QStringList{"", ""} << QList<bool>{true, false} << QStringList{"", "Müller"};
    }
    void familieUmbenennen() {
        QFETCH(QString, zusatz);
        QFETCH(QString, name);
        QFETCH(QStringList, vorher);
        QFETCH(QList<bool>, haken);
        QFETCH(QStringList, nachher);
        TProjektBauer b;
        TEltern* e = b.Familie(QString::fromUtf8("Müller"));
        for (int i = 0; i < vorher.size(); ++i)
            b.Kind(e->Name, QStringLiteral("Kind%1").arg(i))->Nachname = vorher[i];
        FamilieUmbenennen(*e, name, zusatz, std::vector<bool>(haken.begin(), haken.end()));
        QCOMPARE(e->Name, name);
        QCOMPARE(e->Zusatz, zusatz);
        QStringList ergebnis;
        for (const auto& k : e->Kinder)
            ergebnis << k->Nachname;
        QCOMPARE(ergebnis, nachher);
    }

    // Five children in 5a, two of them with Ky already: three requests are created, none twice.
    void alleKlasseHinzu_data() {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<bool>("kindKommtMit");
        QTest::addColumn<int>("neu");
        QTest::addColumn<int>("markiert");
        QTest::newRow("5a") << "5a" << false << 3 << 0;
        QTest::newRow("5a, Kind kommt mit") << "5a" << true << 3 << 1;
        QTest::newRow("Klasse wörtlich") << "5A" << false << 0 << 0;
    }
    void alleKlasseHinzu() {
        QFETCH(QString, klasse);
        QFETCH(bool, kindKommtMit);
        QFETCH(int, neu);
        QFETCH(int, markiert);
        TProjektBauer b;
        TKind* a = b.Kind("Maier", "Anna", "5a");
        b.Kind("Maier", "Ben", "5a");
        TKind* c = b.Kind("Acker", "Cem", "5a");
        b.Kind("Acker", "Dora", "6b");
        b.Kind("Berg", "Ede", "5a");
        TKind* f = b.Kind("Berg", "Fee", "5a");
        b.Wunsch(a, "Ky");
        b.Wunsch(c, "XY");
        b.Wunsch(c, "Ky")->SetKindKommtMit(true);
        b.Wunsch(f, "XY");
        b.p.UnmoeglichBestimmt = b.p.ReihenfolgeFest = true;
        const int vorher = b.p.Gespraechsliste.Count();
        const TKlassenZuwachs z = AlleKlasseHinzu(b.p, b.Lehrer("Ky"), klasse, kindKommtMit);
        QCOMPARE(z.Neu, neu);
        QCOMPARE(z.Markiert, markiert);
        QCOMPARE(b.p.Gespraechsliste.Count(), vorher + neu);
        QCOMPARE(b.p.UnmoeglichBestimmt, neu == 0);
        QCOMPARE(b.Lehrer("Ky")->Zaehler, neu == 0 ? 0 : 5);
        if (neu == 0) return;
        QCOMPARE(Folge(*f), QStringList({"XY0", "Ky1"}));
        QCOMPARE(Folge(*c), QStringList({"XY0", "Ky1"}));
        QCOMPARE(f->Gespraeche.back()->KindKommtMit(), kindKommtMit);
        QCOMPARE(a->Gespraeche.front()->KindKommtMit(), kindKommtMit);
    }

    // The classes of the filter and of the class dialog in the family list's class order.
    void klassenDerKinder_data() {
        QTest::addColumn<bool>("latein");
        QTest::addColumn<int>("sortierung");
        QTest::addColumn<bool>("mitLeerer");
        QTest::addColumn<QStringList>("klassen");
        QTest::addColumn<QStringList>("erwartet");
        const QStringList zahlen{"10b", "5a", "Vorklasse", "", "5a", "5B"};
        QTest::newRow("Ziffern") << false << 192 << true << zahlen
                                 << QStringList{"", "Vorklasse", "5a", "5B", "10b"};
        QTest::newRow("Ziffern, ohne leere")
            << false << 192 << false << zahlen << QStringList{"Vorklasse", "5a", "5B", "10b"};
        QTest::newRow("Ziffern absteigend")
            << false << 0xD0 << false << zahlen << QStringList{"10b", "5a", "5B", "Vorklasse"};
        const QStringList latein{"OI b", "UIII a", "5a", "VI"};
        QTest::newRow("Latein") << true << 192 << false << latein
                                << QStringList{"5a", "VI", "UIII a", "OI b"};
        QTest::newRow("Latein aus") << false << 192 << false << latein
                                    << QStringList{"OI b", "UIII a", "VI", "5a"};
    }
    void klassenDerKinder() {
        QFETCH(bool, latein);
        QFETCH(int, sortierung);
        QFETCH(bool, mitLeerer);
        QFETCH(QStringList, klassen);
        QFETCH(QStringList, erwartet);
        TProjektBauer b;
        b.p.LatKlBez = latein;
        b.p.ListenSortierung = static_cast<uint8_t>(sortierung);
        for (int i = 0; i < klassen.size(); ++i)
            b.Kind(QStringLiteral("F%1").arg(i), QStringLiteral("K"), klassen[i]);
        const std::vector<QString> ergebnis = KlassenDerKinder(b.p, mitLeerer);
        QCOMPARE(QStringList(ergebnis.begin(), ergebnis.end()), erwartet);
    }

    // The salutation editor's two ways, on Herr, Frau, Familie and an empty salutation.
    void anreden_data() {
        QTest::addColumn<bool>("tauschen");
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("nach");
        QTest::addColumn<QStringList>("anreden");
        QTest::addColumn<bool>("geaendert");
        QTest::newRow("tauschen") << true << ""
                                  << "" << QStringList{"Frau", "Herr", "Familie", ""} << true;
        QTest::newRow("ersetzen") << false << "Herr"
                                  << "Herr Dr." << QStringList{"Herr Dr.", "Frau", "Familie", ""} << true;
        QTest::newRow("Blanken zählen nicht")
            << false << " Frau "
            << "Frau  Prof." << QStringList{"Herr", "Frau Prof.", "Familie", ""} << true;
        QTest::newRow("leere ergänzen") << false << ""
                                        << "Frau" << QStringList{"Herr", "Frau", "Familie", "Frau"} << true;
        QTest::newRow("gleiche Texte") << false << "Frau"
                                       << " Frau" << QStringList{"Herr", "Frau", "Familie", ""} << false;
        QTest::newRow("niemand so") << false << "Dr."
                                    << "Herr Dr." << QStringList{"Herr", "Frau", "Familie", ""} << false;
    }
    void anreden() {
        QFETCH(bool, tauschen);
        QFETCH(QString, von);
        QFETCH(QString, nach);
        QFETCH(QStringList, anreden);
        QFETCH(bool, geaendert);
        TProjekt p;
        for (const char* anrede : {"Herr", "Frau", "Familie", ""})
            p.NeuerLehrer(QString::fromUtf8(anrede), QString::number(p.Lehrerliste.Count()),
                          QStringLiteral("N"), {}, {});
        QCOMPARE(tauschen ? AnredenTauschen(p.Lehrerliste) : AnredenErsetzen(p.Lehrerliste, von, nach),
                 geaendert);
        QStringList ergebnis;
        for (const auto& l : p.Lehrerliste)
            ergebnis << l->Anrede;
        QCOMPARE(ergebnis, anreden);
    }
};

VEL_TEST(TstDateneingabe)
#include "tst_Dateneingabe.moc"
