// Which families the phone editor lists and how its columns sort them.
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Telefonliste.h"

#include <QTest>

namespace {

QStringList Namen(const std::vector<TEltern*>& familien) {
    QStringList namen;
    for (const TEltern* e : familien)
        namen << e->Name;
    return namen;
}

// Zander (6a, phone "0170 12"), Maier (5a and 10b, "0201 555"), van Acker (7c, no phone), Berg (8a, all
// booked) and Kern (no request), in that list order; Acker's request has no possible slot.
struct TTelefonProjekt {
    TProjektBauer b;
    TTelefonProjekt() {
        b.Rahmen(1, 12);
        b.Wunsch(b.Kind("Zander", "Dora", "6a"), "MUE");
        b.Wunsch(b.Kind("Maier", "Anna", "5a"), "MUE", 0);
        b.Kind("Maier", "Ben", "10b");
        b.Wunsch(b.Kind("Maier", "Ben"), "BER");
        b.Wunsch(b.Kind("Acker", "Cem", "7c"), "BER")->Termin = TerminUnmoeglich;
        b.Wunsch(b.Kind("Berg", "Emil", "8a"), "BER", 1);
        b.Kind("Kern", "Fritz", "9a");
        b.Familie("Zander")->Telefon = QStringLiteral("0170 12");
        b.Familie("Maier")->Telefon = QStringLiteral("0201 555");
        b.Familie("Acker")->Zusatz = QStringLiteral("van");
    }
};

} // namespace

class TstTelefonliste : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A request merely not scheduled and one without any possible slot both count, whichever child it
    // belongs to; a fully booked family and one without requests do not.
    void familienOhneTermin() {
        TTelefonProjekt t;
        const std::vector<TEltern*> familien = FamilienOhneTermin(t.b.p.Elternliste);
        QCOMPARE(Namen(familien), QStringList({"Zander", "Maier", "Acker"}));
        QCOMPARE(KlassenDerKinder(*familien[1]), "5a, 10b");
    }

    void sortieren_data() {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QStringList>("folge");
        QTest::newRow("Eltern: Name, dann Klasse")
            << int(TTelefonSpalte::Eltern) << QStringList{"Acker", "Maier", "Zander"};
        QTest::newRow("Klasse, dann Name")
            << int(TTelefonSpalte::Klasse) << QStringList{"Maier", "Zander", "Acker"};
        QTest::newRow("Telefon, leeres zuerst")
            << int(TTelefonSpalte::Telefon) << QStringList{"Acker", "Zander", "Maier"};
    }
    // The project's own order setting is left as it was.
    void sortieren() {
        QFETCH(int, spalte);
        QFETCH(QStringList, folge);
        TTelefonProjekt t;
        t.b.p.ListenSortierung = 0;
        std::vector<TEltern*> familien = FamilienOhneTermin(t.b.p.Elternliste);
        TelefonzeilenSortieren(familien, static_cast<TTelefonSpalte>(spalte), false);
        QCOMPARE(Namen(familien), folge);
        QCOMPARE(t.b.p.ListenSortierung, 0);
    }

    // Equal phones keep the order they had, so a second click on another column refines the first.
    void gleicheTelefoneBleibenStabil() {
        TTelefonProjekt t;
        for (const auto& e : t.b.p.Elternliste)
            e->Telefon = QStringLiteral("040 1");
        std::vector<TEltern*> familien = FamilienOhneTermin(t.b.p.Elternliste);
        TelefonzeilenSortieren(familien, TTelefonSpalte::Klasse, false);
        TelefonzeilenSortieren(familien, TTelefonSpalte::Telefon, false);
        QCOMPARE(Namen(familien), QStringList({"Maier", "Zander", "Acker"}));
    }
};

VEL_TEST(TstTelefonliste)
#include "tst_Telefonliste.moc"
