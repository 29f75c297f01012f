#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "output/Gespraechsliste.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>

namespace {

// Maier with Anna (5a) and Ben, two teachers MUE and BER; slots from 14:00 every 10 minutes,
// 01.03.2027 and the next day.
struct TFall {
    TProjektBauer b;
    TKind* anna;
    TKind* ben;
    TEltern* maier;
    TLehrer* mue;
    TLehrer* ber;

    explicit TFall(int tage = 1, int slots = 6) {
        b.Rahmen(tage, slots);
        anna = b.Kind("Maier", "Anna", "5a");
        ben = b.Kind("Maier", "Ben");
        maier = anna->Eltern;
        mue = b.Lehrer("MUE", "Müller");
        ber = b.Lehrer("BER", "Berg");
        mue->Anrede = QStringLiteral("Herr");
        mue->AkadTitel = QStringLiteral("Dr.");
        ber->Anrede = QStringLiteral("Frau");
        maier->Telefon = QStringLiteral("0911 12");
    }
    void Fertig() {
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
    }
    TListenZeilen Zeilen(const TPerson* person, bool eltern, bool tuer = false) {
        TListenZeilen z;
        ListeZusammenstellen(b.p, {person, eltern, tuer}, z);
        return z;
    }
    TAnsichtZeilen Ansicht(const TPerson* person, bool eltern) {
        TAnsichtZeilen z;
        ListeZusammenstellen(b.p, {person, eltern, false}, z);
        return z;
    }
};

QStringList Texte(const TListenZeilen& zeilen) {
    QStringList t;
    for (const auto& z : zeilen)
        t << z.Text;
    return t;
}

QList<int> Marken(const TListenZeilen& zeilen) {
    QList<int> m;
    for (const auto& z : zeilen)
        m << z.Marke;
    return m;
}

const QString T = QStringLiteral("\t");

} // namespace

class TstGespraechsliste : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A family's printed list: date on the first line, the teacher with title, the child with class and
    // the "comes along" mark, the room, then the section without appointment with its heading.
    void familieGedruckt() {
        TFall f;
        f.mue->Raum = QStringLiteral("A12");
        TGespraech* g1 = f.b.Wunsch(f.anna, "MUE", 1, true);
        g1->SetKindKommtMit(true);
        f.b.Wunsch(f.ben, "BER", 3);
        f.b.Wunsch(f.ben, "MUE");
        f.b.Sperren(f.maier, {4});
        f.maier->Zeiten[5] = SlotPause;
        f.Fertig();
        const TListenZeilen z = f.Zeilen(f.maier, true);
        QCOMPARE(Texte(z), (QStringList{
                               "01.03.27\t14:00\t",
                               "\t14:10\tHerr Dr. Müller\t+ Anna (5a)\tA12",
                               "\t14:20\t",
                               "\t14:30\tFrau Berg\tBen\t",
                               "\t14:40\t - - - - - - -\t",
                               "\t14:50\t",
                               "",
                               "Für folgende Gespräche konnte kein Termin gefunden werden:",
                               "\t\tHerr Dr. Müller\tBen",
                           }));
        QCOMPARE(Marken(z), (QList<int>{0, 0x8000 | g1->Nummer, 0, 2, 0x8000, 0, 0, 0x7FFE, 3}));
    }

    // The same family on the screen: every active slot, the pause shown, request positions, the
    // section's caption and the "*" of a conversation that could get no slot.
    void familieAnsicht() {
        TFall f;
        f.b.Wunsch(f.anna, "MUE", 1);
        TGespraech* ohne = f.b.Wunsch(f.ben, "BER");
        ohne->Termin = TerminUnmoeglich;
        f.maier->Zeiten[2] = SlotPause;
        f.Fertig();
        const TAnsichtZeilen z = f.Ansicht(f.maier, true);
        QCOMPARE(z.size(), size_t(7));
        QCOMPARE(z[0], (TAnsichtZeile{"01.03.", {"14:00"}, 0}));
        QCOMPARE(z[1], (TAnsichtZeile{"", {"14:10", "Herr Dr. Müller", "Anna (5a)", "", "(1)"}, 1}));
        QCOMPARE(z[2], (TAnsichtZeile{"", {"14:20", " - - Pause - -"}, 0}));
        QCOMPARE(z[6], (TAnsichtZeile{"ohne ", {"Termin", "* Frau Berg", "Ben", "", "[1]"}, 2}));
    }

    // Empty slots: all, none, or only those between the day's first and last conversation; a day
    // without conversations shows no free slot, and the date stands on the first printed line.
    void leerzeilen_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QStringList>("zeiten");
        QTest::newRow("alle") << 1
                              << QStringList{"01.03.27\t14:00", "14:10", "14:20", "14:30", "14:40", "14:50",
                                             "02.03.27\t14:00", "14:10", "14:20", "14:30", "14:40", "14:50"};
        QTest::newRow("keine") << 0 << QStringList{"01.03.27\t14:10", "14:30"};
        QTest::newRow("zwischen") << 2 << QStringList{"01.03.27\t14:10", "14:20", "14:30"};
    }
    void leerzeilen() {
        QFETCH(int, art);
        QFETCH(QStringList, zeiten);
        TFall f(2);
        f.b.p.Listenlayout.Eltern_Leerzeilen = art;
        f.b.Wunsch(f.anna, "MUE", 1);
        f.b.Wunsch(f.ben, "BER", 3);
        f.Fertig();
        QStringList gezeigt;
        for (const auto& z : f.Zeilen(f.maier, true))
            if (z.Marke != Zeilenmarke::Hinweis)
                gezeigt << z.Text.section(T, 0, 1).remove(QRegularExpression("^\\t"));
        QCOMPARE(gezeigt, zeiten);
    }

    // A teacher's printed list on two days with two rooms: the room only on each day's first line,
    // the request position in the last column, the pause as text; the phone column instead of the room
    // when asked for; the door notice hides the families.
    void lehrerGedruckt() {
        TFall f(2, 2);
        f.mue->Raum = QStringLiteral("A12") + QChar(0xFF) + QStringLiteral("B3");
        f.b.p.Listenlayout.MitNummer = 3;
        f.b.Wunsch(f.anna, "MUE", 1);
        TGespraech* ohne = f.b.Wunsch(f.ben, "MUE");
        f.mue->Zeiten[48] = SlotPause;
        f.Fertig();
        QCOMPARE(Texte(f.Zeilen(f.mue, false)),
                 (QStringList{"01.03.27\t14:00\t\t\tA12", "\t14:10\tFamilie Maier\tAnna (5a)\t\t[1]",
                              "02.03.27\t14:00\t - - Pause - -\t\tB3", "\t14:10\t\t\t", "",
                              "Für folgende Gespräche konnte kein Termin gefunden werden:",
                              "\t\tFamilie Maier\tBen\t\t[1]"}));
        // On the family's list each day shows its own room.
        f.b.Buchen(ohne, 49);
        f.Fertig();
        const QStringList familie = Texte(f.Zeilen(f.maier, true));
        QVERIFY(familie.contains("\t14:10\tHerr Dr. Müller\tAnna (5a)\tA12"));
        QVERIFY(familie.contains("\t14:10\tHerr Dr. Müller\tBen\tB3"));

        f.b.p.Listenlayout.TelefonImmer = true;
        QCOMPARE(Texte(f.Zeilen(f.mue, false)).at(1),
                 QString("\t14:10\tFamilie Maier\tAnna (5a)\t") + QChar(0xA8) + "0911 12\t[1]");

        const TListenZeilen tuer = f.Zeilen(f.mue, false, true);
        QCOMPARE(Texte(tuer).at(1), "\t14:10\tGespräch");
        QVERIFY(std::none_of(tuer.begin(), tuer.end(), [](const auto& z) { return z.Marke >= 0x7FFE; }));
    }

    // Closing notices: no request at all, every request scheduled, none scheduled.
    void hinweise() {
        TFall f;
        f.Fertig();
        QCOMPARE(f.Zeilen(f.maier, true),
                 (TListenZeilen{{"Hier gibt es keinen Gesprächswunsch!", Zeilenmarke::Hinweis}}));
        const TAnsichtZeilen ansicht = f.Ansicht(f.maier, true);
        QCOMPARE(ansicht.size(), size_t(7));
        QCOMPARE(ansicht.back(), (TAnsichtZeile{"ohne ", {"Termin", "- keine -"}, Zeilenmarke::Hinweis}));

        f.b.Wunsch(f.anna, "MUE", 0);
        f.Fertig();
        QCOMPARE(
            f.Zeilen(f.maier, true).back(),
            (TListenZeile{"(Für jeden Gesprächswunsch wurde ein Termin gefunden.)", Zeilenmarke::Hinweis}));
        f.b.p.Listenlayout.HinweisAlleTerminiertE = false;
        const TListenZeilen ohneHinweis = f.Zeilen(f.maier, true);
        QVERIFY(std::none_of(ohneHinweis.begin(), ohneHinweis.end(),
                             [](const auto& z) { return z.Marke == Zeilenmarke::Hinweis; }));

        // Nothing scheduled: no time table and no heading, only the section.
        TFall g;
        g.b.Wunsch(g.anna, "BER");
        g.Fertig();
        QCOMPARE(Texte(g.Zeilen(g.maier, true)), (QStringList{"\t\tFrau Berg\tAnna (5a)"}));
    }

    // Two teachers of the same name are told apart by their Kürzel on the families' lists.
    void doppelteNamen() {
        TFall f;
        f.ber->Name = f.mue->Name;
        f.mue->NameDoppelt = f.ber->NameDoppelt = true;
        f.b.Wunsch(f.anna, "BER", 0);
        f.Fertig();
        QCOMPARE(Texte(f.Zeilen(f.maier, true)).at(0), "01.03.27\t14:00\tFrau Müller (BER)\tAnna (5a)\t");
    }
};

VEL_TEST(TstGespraechsliste)
#include "tst_Gespraechsliste.moc"
