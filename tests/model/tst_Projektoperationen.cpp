#include "Lesehilfe.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Projektoperationen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Klassen(const TElternliste& liste) {
    QStringList klassen;
    for (const auto& e : liste)
        for (const auto& k : e->Kinder)
            klassen << k->Klasse;
    return klassen;
}

QList<int> Nummern(const TElternliste& liste) {
    QList<int> nummern;
    for (const auto& e : liste)
        nummern << e->Nummer;
    return nummern;
}

// A file of the example project in the folder; its families have the numbers 1 and 2.
QString Datei(const QTemporaryDir& ordner, const TProjektF& f = Beispielprojekt()) {
    const QString pfad = ordner.filePath(QStringLiteral("alt.pdt"));
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) datei.write(Projektdatei(f));
    return pfad;
}

// A project with three families numbered up to 5, a conversation and blocked times.
struct TVorhanden {
    TProjektBauer b;
    TGespraech* Gespraech = nullptr;
    TVorhanden() {
        b.Rahmen(1, 6);
        b.p.Standardsperre[2] = SlotGesperrt;
        b.Kind(QStringLiteral("Alt"), QStringLiteral("Paul"), QStringLiteral("8a"));
        b.Familie(QStringLiteral("Weg"));
        b.Familie(QStringLiteral("Auch weg"));
        b.Familie(QStringLiteral("Neu"));
        b.Familie(QStringLiteral("Zuletzt"));
        b.p.Elternliste.Delete(1);
        b.p.Elternliste.Delete(1);
        Gespraech = b.Wunsch(b.p.Elternliste[0]->Kinder[0], QStringLiteral("MUE"), 3, true);
        b.Sperren(b.p.Elternliste[0], {4});
    }
};

} // namespace

class TstProjektoperationen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void klasseHoch_data() {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<bool>("latein");
        QTest::addColumn<QString>("hoch");
        QTest::newRow("12a") << QStringLiteral("12a") << false << QStringLiteral("13a");
        QTest::newRow("9c") << QStringLiteral("9c") << false << QStringLiteral("10c");
        QTest::newRow("führende Null") << QStringLiteral("09c") << false << QStringLiteral("10c");
        QTest::newRow("nur erste Zahl") << QStringLiteral("Kurs 5-2") << false << QStringLiteral("Kurs 6-2");
        QTest::newRow("lange Zahl") << QStringLiteral("99999999999999999999x") << false
                                    << QStringLiteral("100000000000000000000x");
        QTest::newRow("ohne Zahl") << QStringLiteral("Vorklasse") << false << QStringLiteral("Vorklasse");
        QTest::newRow("leer") << QString() << false << QString();
        QTest::newRow("VI") << QStringLiteral("VI") << true << QStringLiteral("V");
        QTest::newRow("V b") << QStringLiteral("V b") << true << QStringLiteral("IV b");
        QTest::newRow("IVb") << QStringLiteral("IVb") << true << QStringLiteral("UIIIb");
        QTest::newRow("UIII a") << QStringLiteral("UIII a") << true << QStringLiteral("OIII a");
        QTest::newRow("OIII") << QStringLiteral("OIII") << true << QStringLiteral("UII");
        QTest::newRow("UII") << QStringLiteral("UII") << true << QStringLiteral("OII");
        QTest::newRow("OII") << QStringLiteral("OII") << true << QStringLiteral("UI");
        QTest::newRow("UI") << QStringLiteral("UI") << true << QStringLiteral("OI");
        QTest::newRow("OI b") << QStringLiteral("OI b") << true << QString::fromUtf8("¶¥ b");
        QTest::newRow("Ende bleibt") << QString::fromUtf8("¶¥ b") << true << QString::fromUtf8("¶¥ b");
        QTest::newRow("Zahl bei Latein") << QStringLiteral("7b") << true << QStringLiteral("7b");
    }
    void klasseHoch() {
        QFETCH(QString, klasse);
        QFETCH(bool, latein);
        QFETCH(QString, hoch);
        QCOMPARE(KlasseHoch(klasse, latein), hoch);
    }

    void versetzung_data() {
        QTest::addColumn<bool>("latein");
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<QStringList>("nachher");
        QTest::newRow("Zahlen") << false << QStringList{"12a", "13b"} << QStringList{"13a"};
        QTest::newRow("Latein") << true << QStringList{"OI b", "VI", "Ausland"}
                                << QStringList{"V", "Ausland"};
    }
    // A child beyond the last level leaves school with its conversations; its family stays.
    void versetzung() {
        QFETCH(bool, latein);
        QFETCH(QStringList, vorher);
        QFETCH(QStringList, nachher);
        TProjektBauer b;
        b.Rahmen(1, 6);
        b.p.LatKlBez = latein;
        for (const QString& klasse : vorher)
            b.Wunsch(b.Kind(QStringLiteral("F") + klasse, QStringLiteral("Kind"), klasse),
                     QStringLiteral("L"), -1);
        Versetzung(b.p, b.p.Elternliste);
        QCOMPARE(Klassen(b.p.Elternliste), nachher);
        QCOMPARE(b.p.Elternliste.Count(), vorher.size());
        QCOMPARE(b.p.Gespraechsliste.Count(), nachher.size());
        QCOMPARE(b.p.Lehrerliste[0]->Zaehler, nachher.size());
    }

    // The new families follow the highest number of the project, whatever numbers the file gave them.
    void elternAnhaengen() {
        QTemporaryDir ordner;
        TVorhanden v;
        TProjekt& p = v.b.p;
        TSkriptMeldung m;
        m.Antworten = {Antwort::Ja};
        TRueckCollection rueck;
        rueck.Add(std::make_unique<TRueckgEintrag>());
        QVERIFY(ElternAusProjekt(p, rueck, Datei(ordner), true, m));
        QCOMPARE(Nummern(p.Elternliste), (QList<int>{1, 4, 5, 6, 7}));
        QCOMPARE(p.LetzteElternNr, 7);
        QCOMPARE(p.Elternliste[3]->Name, QStringLiteral("Maier"));
        // Only the families just read were promoted.
        QCOMPARE(Klassen(p.Elternliste), (QStringList{"8a", "6a", "8b", "10c"}));
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Titel, QStringLiteral("Import der Schüler aus einem früheren Projekt"));
        QCOMPARE(m.Protokoll[0].Text,
                 QStringLiteral(
                     "Sie haben Eltern und Schüler aus einem früheren VEL-Projekt importiert. Möchten "
                     "Sie jetzt für die soeben importierten Schüler eine Versetzung durchführen?\r\r(Die "
                     "Klassenstufen werden dann jeweils um 1 heraufgesetzt.)"));
        QCOMPARE(m.Protokoll[0].Vorgabe, Antwort::Nein);
        // Every conversation goes, those of the kept families too; last year's blocks go as well.
        QVERIFY(p.Gespraechsliste.Leer());
        QVERIFY(p.Elternliste[0]->Kinder[0]->Gespraeche.empty());
        for (const auto& e : p.Elternliste)
            QCOMPARE(e->Zeiten, p.Standardsperre);
        QCOMPARE(p.Lehrerliste[0]->Zeiten[3], SlotFrei);
        QVERIFY(rueck.Leer());
    }

    void elternErsetzen() {
        QTemporaryDir ordner;
        TProjektF f = Beispielprojekt(1);
        f.Familien[0].Nummer = 12;
        f.Familien[1].Nummer = 30;
        f.LetzteElternNr = 40;
        TVorhanden v;
        TProjekt& p = v.b.p;
        TSkriptMeldung m;
        m.Antworten = {Antwort::Nein};
        // Without conversations the plan is not reset, but a hand edit may still name a family.
        p.Gespraechsliste.Clear();
        TRueckCollection rueck;
        rueck.Add(std::make_unique<TRueckgEintrag>(
            TRueckgEintrag{TRueckgEintrag::ElternSperre, p.Elternliste[0], 4}));
        rueck.Position = 1;
        QVERIFY(ElternAusProjekt(p, rueck, Datei(ordner, f), false, m));
        QVERIFY(rueck.Leer());
        QCOMPARE(Nummern(p.Elternliste), (QList<int>{1, 2}));
        QCOMPARE(p.LetzteElternNr, 2);
        QCOMPARE(Klassen(p.Elternliste), (QStringList{"5a", "7b", "9c"}));
        QVERIFY(m.Protokoll[0].Text.contains(QStringLiteral("für alle Schüler")));
        QVERIFY(!p.Elternliste[0]->Kinder[1]->AltKuerzel);
        QVERIFY(p.Gespraechsliste.Leer());
        QCOMPARE(p.Elternliste[1]->Zeiten, p.Standardsperre);
    }

    void importAusKeinemProjekt_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein Projekt")
            << QByteArray("\x05Hallo") << QStringLiteral("Kein VEL-Projekt (oder eine zu alte Version)!");
        QTest::newRow("beschädigt") << Projektdatei(Beispielprojekt()).left(60)
                                    << QStringLiteral(
                                           "Die Datei „alt.pdt“ ist beschädigt und konnte nicht vollständig "
                                           "gelesen werden; es wurde nichts übernommen.");
    }
    // Nothing changes, not even the plan.
    void importAusKeinemProjekt() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("alt.pdt"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        for (bool lehrer : {false, true}) {
            TVorhanden v;
            if (lehrer) v.b.p.Gespraechsliste.Clear(); // teachers are taken only without conversations
            TSkriptMeldung m;
            TRueckCollection rueck;
            rueck.Add(std::make_unique<TRueckgEintrag>());
            QVERIFY(lehrer ? !LehrerAusProjekt(v.b.p, pfad, m)
                           : !ElternAusProjekt(v.b.p, rueck, pfad, true, m));
            QCOMPARE(m.Protokoll.size(), 1);
            QCOMPARE(m.Protokoll[0].Text, meldung);
            QCOMPARE(v.b.p.Elternliste.Count(), 3);
            QCOMPARE(v.b.p.Lehrerliste.Count(), 1);
            if (!lehrer) QCOMPARE(v.Gespraech->Termin, 3);
            QCOMPARE(rueck.Count(), 1);
        }
    }

    void lehrerAusProjekt() {
        QTemporaryDir ordner;
        TVorhanden v;
        TProjekt& p = v.b.p;
        TSkriptMeldung m;
        QVERIFY(!LehrerAusProjekt(p, Datei(ordner), m)); // conversations refer to the teachers
        QCOMPARE(p.Lehrerliste[0]->Kuerzel, QStringLiteral("MUE"));
        p.Gespraechsliste.Clear();
        QVERIFY(LehrerAusProjekt(p, Datei(ordner), m));
        QVERIFY(m.Protokoll.isEmpty());
        QCOMPARE(p.Lehrerliste.Count(), 2);
        const TLehrer* l = p.Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
        QVERIFY(l && l->Anschrift(false) == QStringLiteral("Frau Dr. Müller"));
        QCOMPARE(l->Zeiten, p.Standardsperre);
        QVERIFY(!l->HatTermin);
        QCOMPARE(p.Elternliste.Count(), 3);
    }

    void neuerProjektName_data() {
        QTest::addColumn<QString>("vorgabe");
        QTest::addColumn<QString>("name");
        QTest::newRow("erster") << QString() << QStringLiteral("Proj-0");
        QTest::newRow("nächster") << QStringLiteral("Proj-0") << QStringLiteral("Proj-1");
        QTest::newRow("zweistellig") << QStringLiteral("Proj-41") << QStringLiteral("Proj-42");
        QTest::newRow("über 999") << QStringLiteral("Proj-999") << QStringLiteral("Proj-1000");
        QTest::newRow("vierstellig") << QStringLiteral("Proj-1000") << QStringLiteral("Proj-1001");
        QTest::newRow("ohne Nummer") << QStringLiteral("Mein Projekt") << QStringLiteral("Proj-0");
    }
    void neuerProjektName() {
        QFETCH(QString, vorgabe);
        QFETCH(QString, name);
        QCOMPARE(NeuerProjektName(vorgabe), name);
    }
};

VEL_TEST(TstProjektoperationen)
#include "tst_Projektoperationen.moc"
