#include "common/TestHaupt.h"
#include "exchange/Lehreraustausch.h"
#include "model/Projekt.h"

#include <QTest>

namespace {

TTextimport Datei(const QByteArray& text) {
    return TTextimport::Lesen(text);
}

} // namespace

class TstLehreraustausch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The name column carries title and name prefix as schools write them; an assigned column wins.
    void namen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("titelSpalte");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("zusatz");
        QTest::newRow("Dr. vorn") << "Dr. Meier" << false << "Meier"
                                  << "Dr."
                                  << "";
        QTest::newRow("Dr. mit Titelspalte") << "Dr. Meier" << true << "Dr. Meier"
                                             << ""
                                             << "";
        QTest::newRow("von vorn") << "von Berg" << false << "Berg"
                                  << ""
                                  << "von";
        QTest::newRow("Dr. hinten") << "Müller, Dr." << false << "Müller"
                                    << "Dr."
                                    << "";
        QTest::newRow("von hinten") << "Berg, von" << false << "Berg"
                                    << ""
                                    << "von";
        QTest::newRow("Vorname hinten") << "Schmidt, Anna" << false << "Schmidt"
                                        << ""
                                        << "Anna";
        QTest::newRow("Leerzeichen") << "  Weber   Alt  " << false << "Weber Alt"
                                     << ""
                                     << "";
        QTest::newRow("polnisch") << "Łukasiewicz" << false << "Lukasiewicz"
                                  << ""
                                  << "";
    }
    void namen() {
        QFETCH(QString, name);
        QFETCH(bool, titelSpalte);
        QFETCH(QString, ergebnis);
        QFETCH(QString, titel);
        QFETCH(QString, zusatz);
        TProjekt p;
        TLehrerImport stand;
        TFeldzuordnung z{0, titelSpalte ? 1 : -1, -1, 3, 4, -1};
        const TLehrer* l = LehrerAnlegen(p, 0, {"Herr", {}, {}, name, "AB", {}}, z, stand);
        QCOMPARE(l->Name, ergebnis);
        QCOMPARE(l->AkadTitel, titel);
        QCOMPARE(l->Zusatz, zusatz);
    }

    void anreden_data() {
        QTest::addColumn<QString>("anrede");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<bool>("uebersetzt");
        QTest::newRow("0") << "0"
                           << "Herr" << true;
        QTest::newRow("1") << "1"
                           << "Frau" << true;
        QTest::newRow("2") << "2"
                           << "Herr" << true;
        QTest::newRow("w") << "W"
                           << "Frau" << false;
        QTest::newRow("f") << "f"
                           << "Frau" << false;
        QTest::newRow("m") << "m"
                           << "Herr" << false;
        QTest::newRow("weiblich") << "WEIBLICH"
                                  << "Frau" << false;
        QTest::newRow("männlich") << "männlich"
                                  << "Herr" << false;
        QTest::newRow("Frau") << "Frau"
                              << "Frau" << false;
        QTest::newRow("x") << "x"
                           << "x" << false;
    }
    void anreden() {
        QFETCH(QString, anrede);
        QFETCH(QString, ergebnis);
        QFETCH(bool, uebersetzt);
        TProjekt p;
        TLehrerImport stand;
        QCOMPARE(
            LehrerAnlegen(p, 0, {anrede, {}, {}, "Abel", "AB", {}}, {0, -1, -1, 3, 4, -1}, stand)->Anrede,
            ergebnis);
        QCOMPARE(stand.AnredeUebersetzt, uebersetzt);
    }

    // Equal Kürzel get numbered replacements; missing ones the row number.
    void ersatzkuerzel() {
        TProjekt p;
        p.Lehrerliste.Add(std::make_unique<TLehrer>(p.Standardsperre, "Herr", "ALT", "Alt", "", ""));
        const TTextimport d = Datei("Name;Kürzel;Raum\nMüller;MÜ;207\nMüller;MÜ;\nMünch;MÜ;\nOhne;;\n");
        const TLehrerImport s = LehrerImportieren(p, d, {-1, -1, -1, 0, 1, 2});
        QStringList kuerzel;
        for (const auto& l : p.Lehrerliste)
            kuerzel << l->Kuerzel;
        QCOMPARE(kuerzel, (QStringList{"MÜ", "001", "002", "3"}));
        QCOMPARE(s.Ersatzzaehler, 2);
        QCOMPARE(s.Angelegt, 4);
        QCOMPARE(p.Lehrerliste[0]->Raum, "207");
        QVERIFY(p.Lehrerliste[0]->NameDoppelt);
    }

    // The text export reads back through the import, the two-room byte included.
    void rundreise() {
        TProjekt p;
        TLehrer* a = p.NeuerLehrer("Frau", "WB", "Weber");
        TLehrer* b = p.NeuerLehrer("Herr", "BÖ", "Böhm", "von", "Dr.");
        b->Raum = QStringLiteral("A12") + QChar(RaumTrenner) + "B3";
        const QByteArray text = LehrerTextExport(p.Lehrerliste);
        QVERIFY(text.startsWith("\"Anrede\";\"Akad.Titel\";\"von\";\"Name\";\"K\xFCrzel\";\"Raum\"\r\n"));
        QVERIFY(text.contains("\"Frau\";\"\";\"\";\"Weber\";\"WB\";\"\"\r\n"));
        TProjekt q;
        const TTextimport d = TTextimport::Lesen(text);
        QCOMPARE(d.Kodierung, TKodierung::Windows);
        LehrerImportieren(q, d, {0, 1, 2, 3, 4, 5});
        QCOMPARE(q.Lehrerliste.Count(), 2);
        for (int i = 0; i < 2; ++i) {
            const TLehrer* von = i == 0 ? a : b;
            const TLehrer* nach = q.Lehrerliste[i];
            QCOMPARE(
                (QStringList{nach->Anrede, nach->AkadTitel, nach->Zusatz, nach->Name, nach->Kuerzel,
                             nach->Raum}),
                (QStringList{von->Anrede, von->AkadTitel, von->Zusatz, von->Name, von->Kuerzel, von->Raum}));
        }
    }
};

VEL_TEST(TstLehreraustausch)
#include "tst_Lehreraustausch.moc"
