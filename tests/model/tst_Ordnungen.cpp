#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

std::vector<int> Nummern(const TElternliste& liste) {
    std::vector<int> n;
    for (const auto& e : liste)
        n.push_back(e->Nummer);
    return n;
}

QStringList Vornamen(const TEltern& e) {
    QStringList namen;
    for (const auto& k : e.Kinder)
        namen << k->Vorname;
    return namen;
}

} // namespace

class TstOrdnungen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void familien_data() {
        QTest::addColumn<int>("sortierung");
        QTest::addColumn<std::vector<int>>("reihenfolge");
        QTest::newRow("0x00 Nummer") << 0x00 << std::vector<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("0x80 Name") << 0x80 << std::vector<int>{6, 2, 4, 3, 1, 5};
        QTest::newRow("0xA0 Name absteigend") << 0xA0 << std::vector<int>{5, 1, 3, 4, 6, 2};
        QTest::newRow("0xC0 Klasse") << 0xC0 << std::vector<int>{3, 6, 4, 1, 2, 5};
        QTest::newRow("0xD0 Klasse absteigend") << 0xD0 << std::vector<int>{3, 1, 4, 6, 2, 5};
    }
    void familien() {
        QFETCH(int, sortierung);
        QFETCH(std::vector<int>, reihenfolge);
        TProjektBauer b;
        b.Kind("Schmidt", "Max", "9b");
        b.Familie("Albers");
        b.Kind("Meyer", "Lena", "5a");
        b.Kind("Meyer", "Tom", "9b");
        b.Kind("Becker", "Eva", "7c");
        b.Familie("Zander");
        b.p.NeuesKind(b.p.NeueFamilie("Familie", "albers"), "Udo", "6a");
        // Start from another order, so that 0x00 has something to do.
        b.p.ListenSortierung = 0xA0;
        b.p.ElternSortieren();
        b.p.ListenSortierung = static_cast<uint8_t>(sortierung);
        b.p.ElternSortieren();
        QCOMPARE(Nummern(b.p.Elternliste), reihenfolge);
    }

    void familienLateinischeKlassen() {
        TProjektBauer b;
        b.p.LatKlBez = true;
        b.Kind("A", "x", "OI c");
        b.Kind("B", "x", "UIII a");
        b.Kind("C", "x", "VI b");
        b.Kind("D", "x", "IV a");
        b.p.ListenSortierung = 0xC0;
        b.p.ElternSortieren();
        QCOMPARE(Nummern(b.p.Elternliste), (std::vector<int>{3, 4, 2, 1}));
    }

    void gleicheFamilienBehaltenReihenfolge() {
        TProjektBauer b;
        for (int i = 0; i < 20; ++i)
            b.p.NeueFamilie("Familie", i % 2 ? "Schulz" : "Alt");
        b.p.ListenSortierung = 0x80;
        b.p.ElternSortieren();
        std::vector<int> erwartet;
        for (int i = 1; i <= 19; i += 2)
            erwartet.push_back(i);
        for (int i = 2; i <= 20; i += 2)
            erwartet.push_back(i);
        QCOMPARE(Nummern(b.p.Elternliste), erwartet);
    }

    void kinder() {
        TProjektBauer b;
        b.Kind("Maier", "Zoe", "10a");
        b.Kind("Maier", "Anna", "9B");
        b.Kind("Maier", "alex", "9b");
        b.Kind("Maier", "Kai", "9a");
        TEltern* e = b.Familie("Maier");
        e->KinderSortieren(false);
        QCOMPARE(Vornamen(*e), (QStringList{"Kai", "alex", "Anna", "Zoe"}));
    }

    void lehrer() {
        TProjektBauer b;
        b.p.NeuerLehrer("Herr", "ZO", "Zorn");
        b.p.NeuerLehrer("Herr", "MUS", "Muster");
        b.p.NeuerLehrer("Frau", "MUE2", "Müller");
        b.p.NeuerLehrer("Herr", "MUE", "Müller");
        b.p.NeuerLehrer("Herr", "VA", "Abel", "van");
        b.p.NeuerLehrer("Herr", "AB", "Abel");
        b.p.Lehrerliste.LehrerSortieren();
        QStringList kuerzel;
        for (const auto& l : b.p.Lehrerliste)
            kuerzel << l->Kuerzel;
        QCOMPARE(kuerzel, (QStringList{"AB", "VA", "MUE", "MUE2", "MUS", "ZO"}));
    }

    void klassenStufe_data() {
        QTest::addColumn<bool>("latein");
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QString>("rest");
        QTest::newRow("7b") << false << "7b" << 7 << "b";
        QTest::newRow("10c") << false << "10c" << 10 << "c";
        QTest::newRow("Q1 (erste Ziffern)") << false << "Q1a2" << 1 << "Qa2";
        QTest::newRow("ohne Ziffern") << false << "Kurs" << 0 << "Kurs";
        QTest::newRow("UIII a") << true << "UIII a" << 8 << " a";
        QTest::newRow("IVb") << true << "IVb" << 7 << "b";
        QTest::newRow("VIb") << true << "VIb" << 5 << "b";
        QTest::newRow("Vc") << true << "Vc" << 6 << "c";
        QTest::newRow("OIIIx") << true << "OIIIx" << 9 << "x";
        QTest::newRow("OII") << true << "OII" << 11 << "";
        QTest::newRow("UI") << true << "UI" << 12 << "";
        QTest::newRow("Endmarke") << true << QString::fromUtf8("¶¥ b") << 14 << " b";
        QTest::newRow("unbekannt") << true << "7b" << 0 << "7b";
    }
    void klassenStufe() {
        QFETCH(bool, latein);
        QFETCH(QString, klasse);
        QFETCH(int, stufe);
        QFETCH(QString, rest);
        TProjekt p;
        p.LatKlBez = latein;
        const TKlassenStufe ergebnis = p.KlassenStufe(klasse);
        QCOMPARE(ergebnis.Stufe, stufe);
        QCOMPARE(ergebnis.Rest, rest);
    }
};

VEL_TEST(TstOrdnungen)
#include "tst_Ordnungen.moc"
